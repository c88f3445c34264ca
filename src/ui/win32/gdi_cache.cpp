#include "ui/win32/gdi_cache.h"

#include <cstring>
#include <map>
#include <tuple>

namespace ui::win32 {
namespace {

using FontKey = std::tuple<std::string, int, bool, bool, bool, bool>;

std::map<FontKey, HFONT>& fonts() {
    static std::map<FontKey, HFONT> cache;
    return cache;
}

std::map<COLORREF, HBRUSH>& brushes() {
    static std::map<COLORREF, HBRUSH> cache;
    return cache;
}

} // namespace

COLORREF resolveColor(Color c) {
    if (isSystemColor(c)) return GetSysColor(static_cast<int>(c & 0xFF));
    return static_cast<COLORREF>(c & 0xFFFFFF);
}

HFONT fontFor(const Font& f) {
    const FontKey key{f.name, f.height, f.bold, f.italic, f.underline, f.strikeOut};
    auto& cache = fonts();
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    HFONT font = CreateFontA(f.height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, f.italic, f.underline,
                             f.strikeOut, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, f.name.c_str());
    cache.emplace(key, font);
    return font;
}

HBRUSH brushFor(Color c) {
    const COLORREF ref = resolveColor(c);
    auto& cache = brushes();
    auto it = cache.find(ref);
    if (it != cache.end()) return it->second;
    HBRUSH brush = CreateSolidBrush(ref);
    cache.emplace(ref, brush);
    return brush;
}

HBITMAP makeDib(const Bitmap& b) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = b.width;
    info.bmiHeader.biHeight = -b.height; // top-down, as the model keeps its rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bmp && bits && !b.empty()) {
        // 0x00RRGGBB in memory order B, G, R, 0 is exactly a 32-bit DIB pixel.
        std::memcpy(bits, b.pixels.data(), b.pixels.size() * sizeof(std::uint32_t));
    }
    return bmp;
}

} // namespace ui::win32
