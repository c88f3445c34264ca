// The picture decoders in the Windows build: the cross-built libjpeg, and its error exit, which
// longjmps out of libjpeg, in the MinGW runtime.
#include "ui/bitmap.h"
#include "ui/errors.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

const std::string kPictures = std::string(BRELK_TEST_DATA) + "/pictures/";

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(PicturesOnWindows, DecodesJpegAndBitmapFiles) {
    const ui::Bitmap jpeg = ui::loadPictureFile(kPictures + "progressive.jpg");
    ASSERT_EQ(jpeg.width, 32);
    ASSERT_EQ(jpeg.height, 16);
    EXPECT_NEAR(static_cast<int>(jpeg.at(8, 4) >> 16), 255, 8); // red quadrant
    EXPECT_NEAR(static_cast<int>(jpeg.at(8, 4) & 0xFF), 0, 8);
    EXPECT_NEAR(static_cast<int>(jpeg.at(24, 12) & 0xFF), 255, 8); // white quadrant

    const ui::Bitmap bmp = ui::loadPictureFile(kPictures + "rgb24.bmp");
    ASSERT_EQ(bmp.width, 7);
    EXPECT_EQ(bmp.at(6, 4), (180u << 16) | (200u << 8) | ((9 * 6 * 4 + 7) & 255u));
}

TEST(PicturesOnWindows, CorruptJpegFailsCleanlyAgainAndAgain) {
    const std::string bytes = readFile(kPictures + "baseline.jpg");
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        try {
            ui::decodePicture(bytes.substr(0, length));
            FAIL() << "cut to " << length << " bytes was accepted";
        } catch (const ui::EInvalidGraphic& e) {
            if (length >= 2) {
                ASSERT_EQ(std::string(e.what()).rfind("JPEG error #", 0), 0u) << length;
            }
        }
    }
    std::string garbage = bytes.substr(0, 200);
    for (std::size_t i = 200; i < 600; ++i)
        garbage.push_back(static_cast<char>(i * 7919 % 251));
    EXPECT_THROW(ui::decodeJpeg(garbage), ui::EInvalidGraphic);
    EXPECT_EQ(ui::decodeJpeg(bytes).width, 16); // libjpeg still works after all those jumps
}

TEST(PicturesOnWindows, MissingFileNamesThePath) {
    const std::string path = kPictures + "missing.jpg";
    try {
        ui::loadPictureFile(path);
        FAIL();
    } catch (const ui::Exception& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + path + "\"");
    }
}

} // namespace
