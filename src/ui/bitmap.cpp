#include "ui/bitmap.h"

#include "ui/errors.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace ui {

std::uint32_t Bitmap::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height)
        throw std::out_of_range("Bitmap::at: pixel outside the picture");
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
}

Bitmap decodePicture(std::string_view bytes) {
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return decodeBmp(bytes);
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xD8)
        return decodeJpeg(bytes);
    throw EInvalidGraphic(kInvalidBitmapMessage);
}

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

Bitmap loadPictureFile(const std::string& path) {
    const std::string openError = "Cannot open file \"" + path + "\"";
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) throw Exception(openError);

    std::string bytes;
    char chunk[64 * 1024];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
        bytes.append(chunk, got);
        if (bytes.size() > kMaxPictureFileBytes) throw EInvalidGraphic(kInvalidBitmapMessage);
        if (got < sizeof chunk) break;
    }
    if (std::ferror(file.get())) throw Exception(openError);
    return decodePicture(bytes);
}

Bitmap loadPictureFile(const std::string& path, PictureFiles& files) {
    const std::string openError = "Cannot open file \"" + path + "\"";
    const auto size = files.fileSize(path);
    if (!size) throw Exception(openError);
    if (*size > kMaxPictureFileBytes) throw EInvalidGraphic(kInvalidBitmapMessage);
    const auto bytes = files.readFile(path);
    if (!bytes) throw Exception(openError);
    // The file may have grown since its size was asked.
    if (bytes->size() > kMaxPictureFileBytes) throw EInvalidGraphic(kInvalidBitmapMessage);
    return decodePicture(*bytes);
}

} // namespace ui
