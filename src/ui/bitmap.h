// Decoded pictures: 24-bit colour pixels, top-down rows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct Bitmap {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels; // 0x00RRGGBB, top-down rows, width*height entries
    std::uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool empty() const { return width <= 0 || height <= 0; }
};

Bitmap decodeBmp(std::string_view bytes);
Bitmap decodeJpeg(std::string_view bytes);
Bitmap decodePicture(std::string_view bytes);
std::string encodeBmp(const Bitmap&);
Bitmap loadPictureFile(const std::string& path);

} // namespace ui
