// Picture decoding. The files in tests/data/pictures come from tools/make_test_pictures.py, which
// checks each bitmap with Pillow; the patterns below are the ones that script draws.
#include "ui/bitmap.h"
#include "ui/errors.h"

#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BRELK_HAVE_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define BRELK_HAVE_ASAN 1
#endif
#ifdef BRELK_HAVE_ASAN
// From the sanitizer runtime's allocator interface (GCC ships the runtime, not the header).
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*mallocHook)(const volatile void*,
                                                                            std::size_t),
                                                         void (*freeHook)(const volatile void*));
#endif

namespace {

std::string fixture(const std::string& name) {
    std::ifstream in(std::string(BRELK_TEST_DATA) + "/pictures/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string graphicError(const std::function<void()>& decode) {
    try {
        decode();
    } catch (const ui::EInvalidGraphic& e) {
        return e.what();
    }
    return "(no error)";
}

std::string bmpError(std::string_view bytes) {
    return graphicError([&] { ui::decodeBmp(bytes); });
}

// A string literal's bytes, zero bytes included.
template <std::size_t N> std::string bytesOf(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

std::string jpegError(int code) {
    return "JPEG error #" + std::to_string(code);
}

std::uint32_t rgb(unsigned r, unsigned g, unsigned b) {
    return r << 16 | g << 8 | b;
}

std::uint32_t paletteEntry(int i) {
    return rgb((37 * i) & 255, (91 * i + 10) & 255, (255 - 13 * i) & 255);
}

std::uint32_t truePattern(int x, int y) {
    return rgb(30 * x, 50 * y, (9 * x * y + 7) & 255);
}

void expectPicture(const ui::Bitmap& bitmap, int width, int height,
                   const std::function<std::uint32_t(int, int)>& expected) {
    ASSERT_EQ(bitmap.width, width);
    ASSERT_EQ(bitmap.height, height);
    ASSERT_EQ(bitmap.pixels.size(), static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(bitmap.at(x, y), expected(x, y)) << "at " << x << "," << y;
}

// A bitmap file from an info-family header (40 bytes or longer; the rest of a longer header is
// zero except the channel masks at its offset 40).
struct BmpLayout {
    std::uint32_t headerSize = 40;
    std::int32_t width = 2, height = 2;
    std::uint16_t planes = 1, bitsPerPixel = 8;
    std::uint32_t compression = 0, colorsUsed = 0;
    std::vector<std::uint32_t> palette = {0x000000, 0xFFFFFF};
    std::vector<std::uint32_t> masks;
    std::string pixels = std::string(8, '\1');
    std::optional<std::uint32_t> pixelOffset;
};

void putLe(std::string& out, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<char>(value >> (8 * i)));
}

std::string buildBmp(const BmpLayout& layout) {
    std::string header;
    putLe(header, layout.headerSize, 4);
    putLe(header, static_cast<std::uint32_t>(layout.width), 4);
    putLe(header, static_cast<std::uint32_t>(layout.height), 4);
    putLe(header, layout.planes, 2);
    putLe(header, layout.bitsPerPixel, 2);
    putLe(header, layout.compression, 4);
    putLe(header, static_cast<std::uint32_t>(layout.pixels.size()), 4);
    putLe(header, 0, 4); // resolution
    putLe(header, 0, 4);
    putLe(header, layout.colorsUsed, 4);
    putLe(header, 0, 4);
    for (std::uint32_t mask : layout.masks)
        putLe(header, mask, 4);
    if (header.size() < layout.headerSize) header.resize(layout.headerSize, '\0');
    for (std::uint32_t colour : layout.palette)
        putLe(header, colour, 4);
    const std::uint32_t offset = layout.pixelOffset.value_or(14 + header.size());
    std::string file = "BM";
    putLe(file, static_cast<std::uint32_t>(14 + header.size() + layout.pixels.size()), 4);
    putLe(file, 0, 4);
    putLe(file, offset, 4);
    return file + header + layout.pixels;
}

// The largest single allocation made while `run` runs (0 where it cannot be measured).
#ifdef BRELK_HAVE_ASAN
std::atomic<std::size_t> largestAllocation{0};
void noteAllocation(const volatile void*, std::size_t size) {
    std::size_t seen = largestAllocation.load();
    while (size > seen && !largestAllocation.compare_exchange_weak(seen, size)) {
    }
}
void noteFree(const volatile void*) {}
#endif

std::size_t largestAllocationDuring(const std::function<void()>& run) {
#ifdef BRELK_HAVE_ASAN
    static const bool installed =
        __sanitizer_install_malloc_and_free_hooks(noteAllocation, noteFree);
    EXPECT_TRUE(installed);
    largestAllocation = 0;
    run();
    return largestAllocation.load();
#else
    run();
    return 0;
#endif
}

TEST(BmpDecode, IndexedPicturesOfEveryHeaderAndDepthUseTheirPalette) {
    const struct {
        const char* file;
        int colours;
    } cases[] = {{"indexed1.bmp", 2},
                 {"indexed4_topdown.bmp", 16},
                 {"indexed4_core.bmp", 16},
                 {"indexed8_43colours.bmp", 43}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        expectPicture(ui::decodeBmp(fixture(c.file)), 7, 5,
                      [&](int x, int y) { return paletteEntry((5 * x + 3 * y) % c.colours); });
    }
}

TEST(BmpDecode, TrueColourPicturesBottomUpAndTopDown) {
    for (const char* file :
         {"rgb24.bmp", "rgb24_topdown.bmp", "rgb32.bmp", "rgb32_v5_bitfields_topdown.bmp"}) {
        SCOPED_TRACE(file);
        expectPicture(ui::decodeBmp(fixture(file)), 7, 5, truePattern);
    }
}

TEST(BmpDecode, SixteenBitChannelsScaleToFullRange) {
    // Channel levels 0, half and full of 5 bits give 0, 132, 255; of 6 bits 0, 130, 255.
    const unsigned level5[] = {0, 132, 255}, level6[] = {0, 130, 255};
    expectPicture(ui::decodeBmp(fixture("rgb16_555.bmp")), 7, 5, [&](int x, int y) {
        return rgb(level5[x % 3], level5[y % 3], level5[(x + y) % 3]);
    });
    expectPicture(ui::decodeBmp(fixture("rgb16_565_bitfields.bmp")), 7, 5, [&](int x, int y) {
        return rgb(level5[x % 3], level6[y % 3], level5[(x + y) % 3]);
    });
}

TEST(BmpDecode, LastRowMayLackItsPadding) {
    const std::string file = fixture("rgb24.bmp"); // 7 pixels of 3 bytes: 3 bytes padding
    expectPicture(ui::decodeBmp(file.substr(0, file.size() - 3)), 7, 5, truePattern);
    EXPECT_EQ(bmpError(file.substr(0, file.size() - 4)), "Bitmap image is not valid");
}

TEST(BmpDecode, PaletteShorterOrLongerThanStated) {
    BmpLayout layout;
    layout.pixels = bytesOf("\0\5\0\0\1\0\0\0"); // index 5 lies outside the palette
    layout.colorsUsed = 2;
    expectPicture(ui::decodeBmp(buildBmp(layout)), 2, 2, [](int x, int y) {
        return x == 0 && y == 0 ? 0xFFFFFFu : 0u; // bottom-up: the second stored row is the top
    });
    layout.colorsUsed = 100000; // more than the palette room: only the stored entries count
    EXPECT_EQ(ui::decodeBmp(buildBmp(layout)).at(0, 0), 0xFFFFFFu);
}

TEST(BmpDecode, Rle8RunsLiteralsJumpsAndClipping) {
    BmpLayout layout;
    layout.width = 7;
    layout.height = 5;
    layout.compression = 1;
    layout.palette.clear();
    for (std::uint32_t i = 0; i < 256; ++i)
        layout.palette.push_back(0x101000 | i); // entry 0 is not black
    layout.pixels = bytesOf("\x03\x05"
                            "\x00\x03\x01\x02\x03\x00" // three literals and a pad byte
                            "\x01\x07"
                            "\x00\x00" // end of the bottom row
                            "\x00\x04\x0A\x0B\x0C\x0D"
                            "\x03\xC8"
                            "\x00\x00"
                            "\x02\x09"
                            "\x00\x02\x02\x01" // two right, one up
                            "\x03\x04"
                            "\x00\x00"
                            "\x09\xFA" // run longer than the row: clipped
                            "\x00\x01");
    const int expected[5][7] = {{250, 250, 250, 250, 250, 250, 250},
                                {0, 0, 0, 0, 4, 4, 4},
                                {9, 9, 0, 0, 0, 0, 0},
                                {10, 11, 12, 13, 200, 200, 200},
                                {5, 5, 5, 1, 2, 3, 7}};
    const std::string file = buildBmp(layout);
    expectPicture(ui::decodeBmp(file), 7, 5,
                  [&](int x, int y) { return 0x101000u | expected[y][x]; });

    // The data must reach its end-of-picture escape, and no code may reach past the file.
    EXPECT_EQ(bmpError(file.substr(0, file.size() - 2)), "Bitmap image is not valid");
    layout.pixels = bytesOf("\x00\x05\x01\x02");
    EXPECT_EQ(bmpError(buildBmp(layout)), "Bitmap image is not valid");
    layout.pixels = bytesOf("\x00\x02\x01");
    EXPECT_EQ(bmpError(buildBmp(layout)), "Bitmap image is not valid");
}

TEST(BmpDecode, Rle4AlternatesNibbles) {
    BmpLayout layout;
    layout.width = 5;
    layout.height = 3;
    layout.bitsPerPixel = 4;
    layout.compression = 2;
    layout.palette.clear();
    for (std::uint32_t i = 0; i < 16; ++i)
        layout.palette.push_back(i * 0x111111);
    layout.pixels = bytesOf("\x05\x12\x00\x00"
                            "\x00\x03\x34\x50\x02\x67\x00\x00"
                            "\x00\x05\x89\xAB\xC0\x00\x00\x01");
    const int expected[3][5] = {{8, 9, 10, 11, 12}, {3, 4, 5, 6, 7}, {1, 2, 1, 2, 1}};
    expectPicture(ui::decodeBmp(buildBmp(layout)), 5, 3,
                  [&](int x, int y) { return expected[y][x] * 0x111111u; });
}

TEST(BmpDecode, InvalidHeadersAndDataAreRejected) {
    const struct {
        const char* what;
        std::function<void(BmpLayout&)> change;
    } cases[] = {
        {"unknown header size", [](BmpLayout& s) { s.headerSize = 20; }},
        {"two planes", [](BmpLayout& s) { s.planes = 2; }},
        {"2 bits per pixel", [](BmpLayout& s) { s.bitsPerPixel = 2; }},
        {"embedded JPEG", [](BmpLayout& s) { s.compression = 4; }},
        {"RLE8 at 4 bits", [](BmpLayout& s) { s.compression = 1, s.bitsPerPixel = 4; }},
        {"bit fields at 24 bits",
         [](BmpLayout& s) {
             s.compression = 3, s.bitsPerPixel = 24, s.masks = {0xFF, 0xFF00, 0};
         }},
        {"zero width", [](BmpLayout& s) { s.width = 0; }},
        {"negative width", [](BmpLayout& s) { s.width = -2; }},
        {"zero height", [](BmpLayout& s) { s.height = 0; }},
        {"most negative height", [](BmpLayout& s) { s.height = INT32_MIN; }},
        {"too wide", [](BmpLayout& s) { s.width = ui::kMaxPictureSide + 1; }},
        {"too many pixels", [](BmpLayout& s) { s.width = s.height = ui::kMaxPictureSide; }},
        {"pixels beyond the file", [](BmpLayout& s) { s.pixelOffset = 1000; }},
        {"pixels inside the header", [](BmpLayout& s) { s.pixelOffset = 20; }},
        {"no palette room", [](BmpLayout& s) { s.pixelOffset = 14 + 40; }},
        {"truncated pixels", [](BmpLayout& s) { s.pixels.resize(5); }},
        {"mask with a gap",
         [](BmpLayout& s) {
             s.compression = 3, s.bitsPerPixel = 16, s.masks = {0xF0F0, 0x0F00, 0x000F},
             s.palette.clear();
         }},
        {"mask wider than the pixel",
         [](BmpLayout& s) {
             s.compression = 3, s.bitsPerPixel = 16, s.masks = {0x1F0000, 0x07E0, 0x001F},
             s.palette.clear();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BmpLayout layout;
        c.change(layout);
        EXPECT_EQ(bmpError(buildBmp(layout)), "Bitmap image is not valid");
    }

    const std::string valid = buildBmp(BmpLayout{});
    ASSERT_EQ(bmpError(valid), "(no error)");
    for (std::size_t length : {0, 1, 2, 14, 17, 30, 53})
        EXPECT_EQ(bmpError(valid.substr(0, length)), "Bitmap image is not valid") << length;
    EXPECT_EQ(bmpError("BX" + valid.substr(2)), "Bitmap image is not valid");
    BmpLayout v4;
    v4.headerSize = 108;
    EXPECT_EQ(bmpError(buildBmp(v4).substr(0, 14 + 60)), "Bitmap image is not valid");

    std::string core = fixture("indexed4_core.bmp");
    core[24] = 16; // a core header knows no 16-bit pixels
    EXPECT_EQ(bmpError(core), "Bitmap image is not valid");
}

TEST(BmpDecode, HugeDimensionsFailBeforeAllocating) {
    BmpLayout layout;
    layout.width = layout.height = 8192; // allowed, but the file holds 8 bytes of its 64 MB
    layout.bitsPerPixel = 8;
    std::string error;
    const std::size_t largest =
        largestAllocationDuring([&] { error = bmpError(buildBmp(layout)); });
    EXPECT_EQ(error, "Bitmap image is not valid");
    EXPECT_LT(largest, 1u << 20);
}

// The four quadrants of the JPEG pictures, within the error of lossy coding.
void expectQuadrants(const ui::Bitmap& bitmap, int width, int height,
                     const std::uint32_t (&colours)[4]) {
    ASSERT_EQ(bitmap.width, width);
    ASSERT_EQ(bitmap.height, height);
    for (int q = 0; q < 4; ++q) {
        const int x = (q % 2) * width / 2 + width / 4, y = (q / 2) * height / 2 + height / 4;
        const std::uint32_t got = bitmap.at(x, y);
        for (int shift : {16, 8, 0}) {
            const int delta = static_cast<int>((got >> shift) & 0xFF) -
                              static_cast<int>((colours[q] >> shift) & 0xFF);
            EXPECT_LE(std::abs(delta), 8) << "quadrant " << q << " got " << std::hex << got;
        }
    }
}

const std::uint32_t kQuadrantColours[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

TEST(JpegDecode, BaselineProgressiveGreyAndAdobeCmyk) {
    expectQuadrants(ui::decodeJpeg(fixture("baseline.jpg")), 16, 16, kQuadrantColours);
    expectQuadrants(ui::decodeJpeg(fixture("progressive.jpg")), 32, 16, kQuadrantColours);
    expectQuadrants(ui::decodeJpeg(fixture("cmyk_adobe.jpg")), 16, 16, kQuadrantColours);
    const std::uint32_t greys[4] = {0x000000, 0x555555, 0xAAAAAA, 0xFFFFFF};
    expectQuadrants(ui::decodeJpeg(fixture("grey.jpg")), 16, 16, greys);
}

TEST(JpegDecode, EveryTruncationIsAnError) {
    for (const char* file : {"baseline.jpg", "progressive.jpg"}) {
        const std::string bytes = fixture(file);
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            const std::string error =
                graphicError([&] { ui::decodeJpeg(bytes.substr(0, length)); });
            ASSERT_EQ(error.rfind("JPEG error #", 0), 0u) << file << " cut to " << length;
        }
        EXPECT_EQ(graphicError([&] { ui::decodeJpeg(bytes.substr(0, bytes.size() / 2)); }),
                  jpegError(JERR_INPUT_EOF));
    }
}

TEST(JpegDecode, ScanCutShortByEndMarkerIsAnError) {
    const std::string bytes = fixture("baseline.jpg");
    const std::size_t scan = bytes.find("\xFF\xDA");
    ASSERT_NE(scan, std::string::npos);
    const std::string cut = bytes.substr(0, scan + (bytes.size() - scan) / 2) + "\xFF\xD9";
    EXPECT_EQ(graphicError([&] { ui::decodeJpeg(cut); }), jpegError(JWRN_HIT_MARKER));
}

TEST(JpegDecode, GarbageAndForeignBytes) {
    EXPECT_EQ(graphicError([] { ui::decodeJpeg("BM not a jpeg"); }), jpegError(JERR_NO_SOI));
    std::string garbage = "\xFF\xD8";
    for (int i = 0; i < 400; ++i)
        garbage.push_back(static_cast<char>(i * 7919 % 251));
    EXPECT_EQ(graphicError([&] { ui::decodeJpeg(garbage); }).rfind("JPEG error #", 0), 0u);
}

TEST(JpegDecode, HugeDimensionsFailBeforeAllocating) {
    std::string bytes = fixture("baseline.jpg");
    const std::size_t sof = bytes.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    for (unsigned side : {16384u + 1, 16384u, 65500u}) {
        // Height and width follow the marker, its length and the sample precision.
        for (std::size_t at : {sof + 5, sof + 7}) {
            bytes[at] = static_cast<char>(side >> 8);
            bytes[at + 1] = static_cast<char>(side & 0xFF);
        }
        std::string error;
        const std::size_t largest =
            largestAllocationDuring([&] { error = graphicError([&] { ui::decodeJpeg(bytes); }); });
        EXPECT_EQ(error, jpegError(JERR_IMAGE_TOO_BIG)) << side;
        EXPECT_LT(largest, 1u << 20) << side;
    }
}

TEST(DecodePicture, ChoosesTheDecoderBySignature) {
    EXPECT_EQ(ui::decodePicture(fixture("rgb24.bmp")).width, 7);
    EXPECT_EQ(ui::decodePicture(fixture("progressive.jpg")).width, 32);
    for (std::string bytes : {"", "B", "GIF89a\1\0\1\0", "\xFF\xD9 not a start"}) {
        EXPECT_EQ(graphicError([&] { ui::decodePicture(bytes); }), "Bitmap image is not valid")
            << bytes;
    }
}

TEST(EncodeBmp, RoundTripsEveryRowPadding) {
    for (int width = 1; width <= 5; ++width) {
        ui::Bitmap bitmap;
        bitmap.width = width;
        bitmap.height = 3;
        for (int i = 0; i < width * 3; ++i)
            bitmap.pixels.push_back(static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF);
        const std::string file = ui::encodeBmp(bitmap);
        const std::size_t stride = (width * 3 + 3) / 4 * 4;
        ASSERT_EQ(file.size(), 54 + stride * 3);
        // Bottom-up: the first stored pixel is the bottom-left one, blue byte first.
        EXPECT_EQ(static_cast<unsigned char>(file[54]), bitmap.at(0, 2) & 0xFF);
        EXPECT_EQ(ui::decodeBmp(file), bitmap) << width;
    }
}

TEST(EncodeBmp, RejectsEmptyAndInconsistentBitmaps) {
    EXPECT_THROW(ui::encodeBmp(ui::Bitmap{}), ui::EInvalidGraphic);
    ui::Bitmap wrongCount;
    wrongCount.width = 2;
    wrongCount.height = 2;
    wrongCount.pixels.assign(3, 0);
    EXPECT_THROW(ui::encodeBmp(wrongCount), ui::EInvalidGraphic);
}

TEST(BitmapAt, OutsideThePictureThrows) {
    const ui::Bitmap bitmap = ui::decodeBmp(fixture("rgb24.bmp"));
    EXPECT_EQ(bitmap.at(6, 4), truePattern(6, 4));
    EXPECT_THROW(bitmap.at(7, 0), std::out_of_range);
    EXPECT_THROW(bitmap.at(0, -1), std::out_of_range);
}

TEST(LoadPictureFile, ReadsDecodesAndNamesFilesItCannotOpen) {
    const std::string dir = std::string(BRELK_TEST_DATA) + "/pictures";
    EXPECT_EQ(ui::loadPictureFile(dir + "/grey.jpg").width, 16);

    for (const std::string& path : {dir + "/missing.bmp", dir}) {
        try {
            ui::loadPictureFile(path);
            ADD_FAILURE() << path;
        } catch (const ui::EInvalidGraphic&) {
            ADD_FAILURE() << "a file error is not a picture error: " << path;
        } catch (const ui::Exception& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + path + "\"");
        }
    }

    const auto text = std::filesystem::temp_directory_path() / "brelk_bitmap_test.bmp";
    std::ofstream(text) << "just some text";
    EXPECT_EQ(graphicError([&] { ui::loadPictureFile(text.string()); }),
              "Bitmap image is not valid");
    std::filesystem::remove(text);
}

} // namespace
