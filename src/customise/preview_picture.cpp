#include "customise/preview_picture.h"

#include "ui/bitmap.h"
#include "ui/errors.h"

#include <memory>

namespace brelk {

void loadPreview(Context& ctx, ui::Image& image, const std::string& path) {
    const auto bytes = ctx.platform.files.readFile(path);
    if (!bytes) throw ui::Exception("Cannot open file \"" + path + "\"");
    image.setPicture(std::make_shared<const ui::Bitmap>(ui::decodePicture(*bytes)));
}

} // namespace brelk
