#include "customise/preview_picture.h"

#include "ui/bitmap.h"

#include <memory>

namespace brelk {

void loadPreview(Context& ctx, ui::Image& image, const std::string& path) {
    image.setPicture(
        std::make_shared<const ui::Bitmap>(ui::loadPictureFile(path, ctx.platform.files)));
}

} // namespace brelk
