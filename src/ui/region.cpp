#include "ui/region.h"

#include "ui/errors.h"

namespace ui {
namespace {

constexpr std::uint32_t kHeaderSize = 32;
constexpr std::uint32_t kRectSize = 16;
constexpr std::uint32_t kRectangles = 1; // RDH_RECTANGLES

std::uint32_t u32(std::string_view s, size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 3])) << 24;
}

RegionRect rectAt(std::string_view s, size_t at) {
    return {static_cast<std::int32_t>(u32(s, at)), static_cast<std::int32_t>(u32(s, at + 4)),
            static_cast<std::int32_t>(u32(s, at + 8)), static_cast<std::int32_t>(u32(s, at + 12))};
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void putRect(std::vector<std::uint8_t>& out, const RegionRect& r) {
    put32(out, static_cast<std::uint32_t>(r.left));
    put32(out, static_cast<std::uint32_t>(r.top));
    put32(out, static_cast<std::uint32_t>(r.right));
    put32(out, static_cast<std::uint32_t>(r.bottom));
}

[[noreturn]] void bad(const char* what) {
    throw ELayoutError(0, std::string("region stream: ") + what);
}

} // namespace

std::optional<RegionData> readRegionStream(std::string_view stream) {
    if (stream.size() < 4) bad("missing byte count");
    const std::uint32_t n = u32(stream, 0);
    const std::string_view data = stream.substr(4);
    if (n == 0) {
        if (!data.empty()) bad("data after a count of 0");
        return std::nullopt;
    }
    if (data.size() < n) bad("shorter than its byte count");
    if (data.size() > n) bad("longer than its byte count");
    if (n < kHeaderSize) bad("header incomplete");
    if (u32(data, 0) != kHeaderSize) bad("header size is not 32");
    if (u32(data, 4) != kRectangles) bad("not a list of rectangles");
    const std::uint32_t count = u32(data, 8);
    const std::uint32_t rgnSize = u32(data, 12);
    if ((n - kHeaderSize) % kRectSize != 0 || (n - kHeaderSize) / kRectSize != count) {
        bad("rectangle count does not match the byte count");
    }
    if (rgnSize != 0 && rgnSize != count * kRectSize) bad("rectangle bytes do not match");
    RegionData r;
    r.bound = rectAt(data, 16);
    r.rects.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        r.rects.push_back(rectAt(data, kHeaderSize + i * kRectSize));
    }
    return r;
}

std::vector<std::uint8_t> regionDataBytes(const RegionData& r) {
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderSize + r.rects.size() * kRectSize);
    put32(out, kHeaderSize);
    put32(out, kRectangles);
    put32(out, static_cast<std::uint32_t>(r.rects.size()));
    put32(out, static_cast<std::uint32_t>(r.rects.size() * kRectSize));
    putRect(out, r.bound);
    for (const auto& rect : r.rects)
        putRect(out, rect);
    return out;
}

std::vector<std::uint8_t> writeRegionStream(const RegionData* r) {
    std::vector<std::uint8_t> out;
    if (!r) {
        put32(out, 0);
        return out;
    }
    const auto data = regionDataBytes(*r);
    put32(out, static_cast<std::uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

} // namespace ui
