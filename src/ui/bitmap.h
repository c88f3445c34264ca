// Pictures of the class library: a plain RGB pixel array, decoded from Windows bitmap (BMP) and
// JPEG files, and written back as 24-bit bitmaps.
//
// Every decoder validates the whole file before it allocates the pixels and throws
// ui::EInvalidGraphic for a file it cannot read: "Bitmap image is not valid" for a bad bitmap or
// unrecognised bytes, "JPEG error #<n>" (libjpeg's message code) for a bad JPEG.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Largest width or height of a picture that the decoders accept.
inline constexpr int kMaxPictureSide = 16384;
// Largest number of pixels (width * height) that the decoders accept: 256 MB of pixels.
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{64} * 1024 * 1024;

// Whether a picture of this size is within the limits above (and not empty).
inline bool pictureSizeAllowed(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

// The message of EInvalidGraphic for a bitmap, or bytes of no known picture format.
inline constexpr const char* kInvalidBitmapMessage = "Bitmap image is not valid";

struct Bitmap {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels; // 0x00RRGGBB, top-down rows, width*height entries

    // The pixel in column x of row y (row 0 is the top); throws std::out_of_range outside.
    std::uint32_t at(int x, int y) const;
    bool empty() const { return width <= 0 || height <= 0; }

    bool operator==(const Bitmap&) const = default;
};

// A Windows bitmap file (BITMAPFILEHEADER followed by a core, info, V4 or V5 header).
Bitmap decodeBmp(std::string_view bytes);

// A JFIF/JPEG file. A file that ends before its picture data does is rejected, so a cut-off
// download is reported rather than shown half grey.
Bitmap decodeJpeg(std::string_view bytes);

// Decodes by the file's signature: "BM" is a bitmap, FF D8 a JPEG. Anything else throws
// EInvalidGraphic("Bitmap image is not valid"), whatever the file's name says.
Bitmap decodePicture(std::string_view bytes);

// A 24-bit uncompressed bottom-up bitmap file, rows padded to 4 bytes. The top byte of each
// pixel is not stored. Throws EInvalidGraphic for an empty bitmap or a pixel count that does
// not match its size.
std::string encodeBmp(const Bitmap& bitmap);

// Reads a picture file and decodes it with decodePicture. A file that cannot be opened or read
// throws ui::Exception("Cannot open file \"<path>\"").
Bitmap loadPictureFile(const std::string& path);

// No picture the decoders accept needs more than its pixels in 32 bits plus headers.
inline constexpr std::uint64_t kMaxPictureFileBytes =
    static_cast<std::uint64_t>(kMaxPicturePixels) * 4 + 64 * 1024;

// Where the loader below finds files: their size, and their bytes.
class PictureFiles {
  public:
    virtual ~PictureFiles() = default;
    // The size of an existing file; nothing for a folder or nothing.
    virtual std::optional<std::uint64_t> fileSize(const std::string& path) = 0;
    virtual std::optional<std::string> readFile(const std::string& path) = 0;
};

// The same through a file system of the program: a file larger than kMaxPictureFileBytes is
// refused with EInvalidGraphic("Bitmap image is not valid") before any of it is read.
Bitmap loadPictureFile(const std::string& path, PictureFiles& files);

} // namespace ui
