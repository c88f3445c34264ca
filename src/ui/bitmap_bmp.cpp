// Windows bitmap files: the core (OS/2 1.x), info, V4 and V5 headers; 1, 4 and 8 bits per pixel
// with a palette, 16 and 32 bits with default or explicit channel masks, 24 bits; RLE8 and RLE4
// compression; bottom-up and top-down rows.
#include "ui/bitmap.h"

#include "ui/errors.h"

#include <algorithm>
#include <array>
#include <bit>

namespace ui {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;

[[noreturn]] void invalid() {
    throw EInvalidGraphic(kInvalidBitmapMessage);
}

// Little-endian unsigned value of `size` bytes at `offset`; the caller has checked the range.
std::uint32_t readLe(std::string_view bytes, std::size_t offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

void requireRange(std::string_view bytes, std::size_t offset, std::size_t length) {
    if (offset > bytes.size() || length > bytes.size() - offset) invalid();
}

// One colour channel of a 16- or 32-bit pixel: a run of adjacent bits, scaled to 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0; // largest value of the channel; 0 for a channel that is absent

    std::uint32_t of(std::uint32_t pixel) const {
        if (max == 0) return 0;
        const std::uint64_t value = (pixel & mask) >> shift;
        return static_cast<std::uint32_t>((value * 255 + max / 2) / max);
    }
};

Channel channelFromMask(std::uint32_t mask, int bitsPerPixel) {
    Channel channel;
    if (mask == 0) return channel;
    if (bitsPerPixel < 32 && (mask >> bitsPerPixel) != 0) invalid();
    channel.mask = mask;
    channel.shift = std::countr_zero(mask);
    channel.max = mask >> channel.shift;
    if ((channel.max & (channel.max + 1)) != 0) invalid(); // bits not adjacent
    return channel;
}

struct BmpLayout {
    std::int64_t width = 0, height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    std::uint32_t compression = kBiRgb;
    std::size_t pixelOffset = 0;
    std::array<Channel, 3> channels;          // red, green, blue of 16- and 32-bit pixels
    std::array<std::uint32_t, 256> palette{}; // entries the file lacks stay black
};

bool depthAllowed(int bitsPerPixel, std::uint32_t compression, bool coreHeader) {
    switch (compression) {
    case kBiRgb:
        return bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 24 ||
               (!coreHeader && (bitsPerPixel == 16 || bitsPerPixel == 32));
    case kBiRle8:
        return bitsPerPixel == 8;
    case kBiRle4:
        return bitsPerPixel == 4;
    case kBiBitfields:
        return bitsPerPixel == 16 || bitsPerPixel == 32;
    default:
        return false;
    }
}

// Reads and checks the file header, the bitmap header, the channel masks and the palette.
BmpLayout readLayout(std::string_view bytes) {
    requireRange(bytes, 0, kFileHeaderSize + 4);
    if (bytes[0] != 'B' || bytes[1] != 'M') invalid();
    BmpLayout layout;
    layout.pixelOffset = readLe(bytes, 10, 4);
    const std::size_t headerSize = readLe(bytes, 14, 4);
    const bool core = headerSize == kCoreHeaderSize;
    if (!core && headerSize != kInfoHeaderSize && headerSize != 52 && headerSize != 56 &&
        headerSize != 108 && headerSize != 124)
        invalid();
    requireRange(bytes, kFileHeaderSize, headerSize);

    std::uint32_t planes = 0;
    std::uint32_t colorsUsed = 0;
    if (core) {
        layout.width = readLe(bytes, 18, 2);
        layout.height = readLe(bytes, 20, 2);
        planes = readLe(bytes, 22, 2);
        layout.bitsPerPixel = static_cast<int>(readLe(bytes, 24, 2));
    } else {
        layout.width = static_cast<std::int32_t>(readLe(bytes, 18, 4));
        layout.height = static_cast<std::int32_t>(readLe(bytes, 22, 4));
        planes = readLe(bytes, 26, 2);
        layout.bitsPerPixel = static_cast<int>(readLe(bytes, 28, 2));
        layout.compression = readLe(bytes, 30, 4);
        colorsUsed = readLe(bytes, 46, 4);
    }
    if (layout.height < 0) {
        layout.topDown = true;
        layout.height = -layout.height;
    }
    if (planes != 1 || !pictureSizeAllowed(layout.width, layout.height) ||
        !depthAllowed(layout.bitsPerPixel, layout.compression, core))
        invalid();

    // Channel masks: after a 40-byte header when the pixels use them, inside the longer headers.
    std::size_t paletteOffset = kFileHeaderSize + headerSize;
    if (layout.compression == kBiBitfields) {
        std::size_t maskOffset = kFileHeaderSize + kInfoHeaderSize;
        if (headerSize == kInfoHeaderSize) {
            requireRange(bytes, maskOffset, 12);
            paletteOffset += 12;
        }
        for (std::size_t i = 0; i < 3; ++i)
            layout.channels[i] =
                channelFromMask(readLe(bytes, maskOffset + 4 * i, 4), layout.bitsPerPixel);
    } else if (layout.bitsPerPixel == 16) {
        layout.channels = {channelFromMask(0x7C00, 16), channelFromMask(0x03E0, 16),
                           channelFromMask(0x001F, 16)};
    } else if (layout.bitsPerPixel == 32) {
        layout.channels = {channelFromMask(0xFF0000, 32), channelFromMask(0x00FF00, 32),
                           channelFromMask(0x0000FF, 32)};
    }
    if (layout.pixelOffset < paletteOffset || layout.pixelOffset >= bytes.size()) invalid();

    if (layout.bitsPerPixel <= 8) {
        const std::size_t entrySize = core ? 3 : 4;
        const std::size_t fullCount = std::size_t{1} << layout.bitsPerPixel;
        std::size_t count =
            colorsUsed == 0 ? fullCount : std::min<std::size_t>(colorsUsed, fullCount);
        // A palette never reaches into the pixels; some writers state more entries than they store.
        count = std::min(count, (layout.pixelOffset - paletteOffset) / entrySize);
        if (count == 0) invalid();
        for (std::size_t i = 0; i < count; ++i)
            layout.palette[i] = readLe(bytes, paletteOffset + i * entrySize, 3);
    }
    return layout;
}

std::size_t outputRow(const BmpLayout& layout, std::int64_t fileRow) {
    return static_cast<std::size_t>(layout.topDown ? fileRow : layout.height - 1 - fileRow);
}

Bitmap allocate(const BmpLayout& layout) {
    Bitmap bitmap;
    bitmap.width = static_cast<int>(layout.width);
    bitmap.height = static_cast<int>(layout.height);
    bitmap.pixels.assign(static_cast<std::size_t>(layout.width * layout.height), layout.palette[0]);
    return bitmap;
}

// Fills every row from `pixelAt(row bytes, x)`.
template <class PixelAt>
void decodeRows(std::string_view bytes, const BmpLayout& layout, Bitmap& bitmap, PixelAt pixelAt) {
    const std::int64_t stride = (layout.width * layout.bitsPerPixel + 31) / 32 * 4;
    const auto width = static_cast<std::size_t>(layout.width);
    for (std::int64_t row = 0; row < layout.height; ++row) {
        const auto* source = reinterpret_cast<const unsigned char*>(bytes.data()) +
                             layout.pixelOffset + static_cast<std::size_t>(row * stride);
        std::uint32_t* target = bitmap.pixels.data() + outputRow(layout, row) * width;
        for (std::size_t x = 0; x < width; ++x)
            target[x] = pixelAt(source, x);
    }
}

Bitmap decodeUncompressed(std::string_view bytes, const BmpLayout& layout) {
    // The last row needs no padding; everything before it is whole padded rows.
    const std::int64_t stride = (layout.width * layout.bitsPerPixel + 31) / 32 * 4;
    const std::int64_t lastRow = (layout.width * layout.bitsPerPixel + 7) / 8;
    requireRange(bytes, layout.pixelOffset,
                 static_cast<std::size_t>(stride * (layout.height - 1) + lastRow));

    Bitmap bitmap = allocate(layout);
    const auto& palette = layout.palette;
    const auto& channels = layout.channels;
    auto masked = [&channels](std::uint32_t value) {
        return channels[0].of(value) << 16 | channels[1].of(value) << 8 | channels[2].of(value);
    };
    switch (layout.bitsPerPixel) {
    case 1:
        decodeRows(bytes, layout, bitmap, [&](const unsigned char* row, std::size_t x) {
            return palette[(row[x / 8] >> (7 - x % 8)) & 1];
        });
        break;
    case 4:
        decodeRows(bytes, layout, bitmap, [&](const unsigned char* row, std::size_t x) {
            return palette[(row[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F];
        });
        break;
    case 8:
        decodeRows(bytes, layout, bitmap,
                   [&](const unsigned char* row, std::size_t x) { return palette[row[x]]; });
        break;
    case 16:
        decodeRows(bytes, layout, bitmap, [&](const unsigned char* row, std::size_t x) {
            return masked(static_cast<std::uint32_t>(row[2 * x] | row[2 * x + 1] << 8));
        });
        break;
    case 24:
        decodeRows(bytes, layout, bitmap, [](const unsigned char* row, std::size_t x) {
            const unsigned char* p = row + 3 * x;
            return static_cast<std::uint32_t>(p[2] << 16 | p[1] << 8 | p[0]);
        });
        break;
    default: // 32
        decodeRows(bytes, layout, bitmap, [&](const unsigned char* row, std::size_t x) {
            const unsigned char* p = row + 4 * x;
            return masked(static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                          static_cast<std::uint32_t>(p[2]) << 16 |
                          static_cast<std::uint32_t>(p[3]) << 24);
        });
        break;
    }
    return bitmap;
}

// RLE8 and RLE4: runs of one index (RLE4: two alternating indexes), literal runs padded to a
// 16-bit boundary, and escapes for end of line, end of picture and a jump ahead. Pixels outside
// the picture are dropped; pixels never written keep palette entry 0. The data must reach its
// end-of-picture escape.
Bitmap decodeRunLength(std::string_view bytes, const BmpLayout& layout) {
    Bitmap bitmap = allocate(layout);
    const bool rle4 = layout.compression == kBiRle4;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t pos = layout.pixelOffset;
    std::int64_t x = 0, row = 0;
    auto put = [&](unsigned index) {
        if (x < layout.width && row < layout.height)
            bitmap.pixels[outputRow(layout, row) * static_cast<std::size_t>(layout.width) +
                          static_cast<std::size_t>(x)] = layout.palette[index];
        ++x;
    };
    for (;;) {
        requireRange(bytes, pos, 2);
        const unsigned count = data[pos];
        const unsigned value = data[pos + 1];
        pos += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i)
                put(rle4 ? (i % 2 ? value & 0x0F : value >> 4) : value);
            continue;
        }
        switch (value) {
        case 0: // end of line
            x = 0;
            ++row;
            break;
        case 1: // end of picture
            return bitmap;
        case 2: // jump right and up
            requireRange(bytes, pos, 2);
            x += data[pos];
            row += data[pos + 1];
            pos += 2;
            break;
        default: { // `value` literal pixels
            const std::size_t length = rle4 ? (value + 1) / 2 : value;
            requireRange(bytes, pos, length);
            for (unsigned i = 0; i < value; ++i)
                put(rle4 ? (data[pos + i / 2] >> (i % 2 ? 0 : 4)) & 0x0F : data[pos + i]);
            pos += length + length % 2;
            break;
        }
        }
    }
}

void writeLe(std::string& out, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

Bitmap decodeBmp(std::string_view bytes) {
    const BmpLayout layout = readLayout(bytes);
    if (layout.compression == kBiRle8 || layout.compression == kBiRle4)
        return decodeRunLength(bytes, layout);
    return decodeUncompressed(bytes, layout);
}

std::string encodeBmp(const Bitmap& bitmap) {
    if (!pictureSizeAllowed(bitmap.width, bitmap.height) ||
        bitmap.pixels.size() !=
            static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height))
        invalid();
    const auto width = static_cast<std::size_t>(bitmap.width);
    const std::size_t stride = (width * 3 + 3) / 4 * 4;
    const std::size_t imageSize = stride * static_cast<std::size_t>(bitmap.height);
    const std::size_t pixelOffset = kFileHeaderSize + kInfoHeaderSize;

    std::string out;
    out.reserve(pixelOffset + imageSize);
    out += "BM";
    writeLe(out, static_cast<std::uint32_t>(pixelOffset + imageSize), 4);
    writeLe(out, 0, 4); // reserved
    writeLe(out, static_cast<std::uint32_t>(pixelOffset), 4);
    writeLe(out, kInfoHeaderSize, 4);
    writeLe(out, static_cast<std::uint32_t>(bitmap.width), 4);
    writeLe(out, static_cast<std::uint32_t>(bitmap.height), 4); // positive: bottom-up rows
    writeLe(out, 1, 2);                                         // planes
    writeLe(out, 24, 2);                                        // bits per pixel
    writeLe(out, kBiRgb, 4);
    writeLe(out, static_cast<std::uint32_t>(imageSize), 4);
    writeLe(out, 0, 4); // horizontal resolution
    writeLe(out, 0, 4); // vertical resolution
    writeLe(out, 0, 4); // colours used
    writeLe(out, 0, 4); // important colours
    for (int y = bitmap.height - 1; y >= 0; --y) {
        const std::uint32_t* row = bitmap.pixels.data() + static_cast<std::size_t>(y) * width;
        for (std::size_t x = 0; x < width; ++x) {
            out.push_back(static_cast<char>(row[x] & 0xFF));
            out.push_back(static_cast<char>((row[x] >> 8) & 0xFF));
            out.push_back(static_cast<char>((row[x] >> 16) & 0xFF));
        }
        out.append(stride - width * 3, '\0');
    }
    return out;
}

} // namespace ui
