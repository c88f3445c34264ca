// Temporary until the picture decoders land.
#include "ui/bitmap.h"
#include "ui/errors.h"

namespace ui {
Bitmap decodePicture(std::string_view) { throw EInvalidGraphic("Bitmap image is not valid"); }
} // namespace ui
