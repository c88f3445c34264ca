// Arbitrary bytes as a picture file: the decoders either throw the picture error or return a
// consistent bitmap, which survives a round trip through the bitmap writer.
#include "ui/bitmap.h"
#include "ui/errors.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ui::Bitmap bitmap;
    try {
        bitmap = ui::decodePicture(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const ui::Exception&) {
        return 0;
    }
    if (bitmap.pixels.size() !=
        static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height))
        __builtin_trap();
    if (bitmap.pixels.size() <= 4096 && ui::decodeBmp(ui::encodeBmp(bitmap)) != bitmap)
        __builtin_trap();
    return 0;
}
