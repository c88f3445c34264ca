// Window regions as the layouts store them: the "Mask2" stream of the window skin, a 4-byte
// little-endian byte count N followed by N bytes of Win32 RGNDATA (a 32-byte header, then
// nCount rectangles of four signed 32-bit values). N = 0 means no region.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace ui {

struct RegionRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const RegionRect&) const = default;
};

struct RegionData {
    RegionRect bound;
    std::vector<RegionRect> rects;
    bool operator==(const RegionData&) const = default;
};

// Reads a whole stream. Returns nullopt for N = 0. A stream that is shorter or longer than
// its count says, or whose header is not a rectangle list of the stated size, is an
// ELayoutError; nothing is allocated beyond what the stream holds.
std::optional<RegionData> readRegionStream(std::string_view stream);

// The RGNDATA block alone (without the count), as GetRegionData returns it.
std::vector<std::uint8_t> regionDataBytes(const RegionData& r);
// The whole stream; a 4-byte 0 when there is no region.
std::vector<std::uint8_t> writeRegionStream(const RegionData* r);

} // namespace ui
