// Loading a picture file into a preview image of the customisation dialog.
#pragma once

#include "shell/brelk_context.h"
#include "ui/standard_controls.h"

#include <string>

namespace brelk {

// Reads and decodes the file (bitmap or JPEG) through the class library's size-checked loader
// and shows it in the image. A file that cannot be read raises "Cannot open file", a bad or
// oversized picture the decoder's error; the image then keeps its picture.
void loadPreview(Context& ctx, ui::Image& image, const std::string& path);

} // namespace brelk
