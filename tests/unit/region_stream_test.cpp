#include "ui/errors.h"
#include "ui/region.h"

#include <gtest/gtest.h>

namespace {

// A banded region shaped like a skin with rounded corners: `count` rectangles, one per band.
ui::RegionData roundedRegion(int count) {
    ui::RegionData r;
    const int half = count / 2;
    for (int i = 0; i < count; ++i) {
        const int inset = i < half ? half - i : i - half + 1;
        r.rects.push_back({inset, i, 400 - inset, i + 1});
    }
    r.bound = {0, 0, 400, count};
    return r;
}

std::string asString(const std::vector<std::uint8_t>& b) {
    return std::string(b.begin(), b.end());
}

} // namespace

TEST(RegionStream, ShippedSizesReadAndWriteBackTheSameBytes) {
    for (int count : {96, 168}) {
        const auto stream = ui::writeRegionStream(nullptr);
        ASSERT_EQ(stream.size(), 4u);
        const auto region = roundedRegion(count);
        const auto bytes = ui::writeRegionStream(&region);
        ASSERT_EQ(bytes.size(), 4u + 32u + 16u * count);
        EXPECT_EQ(bytes[0] | bytes[1] << 8, 32 + 16 * count); // N = 1568 or 2720
        auto back = ui::readRegionStream(asString(bytes));
        ASSERT_TRUE(back);
        EXPECT_EQ(back->rects.size(), static_cast<size_t>(count));
        EXPECT_EQ(ui::writeRegionStream(&*back), bytes);
    }
}

TEST(RegionStream, CountZeroMeansNoRegion) {
    EXPECT_FALSE(ui::readRegionStream(std::string(4, '\0')));
}

TEST(RegionStream, BrokenStreamsAreLoadErrors) {
    const auto region = roundedRegion(96);
    const std::string good = asString(ui::writeRegionStream(&region));
    auto withCount = [&](std::uint32_t n) {
        std::string s = good;
        for (int i = 0; i < 4; ++i)
            s[i] = static_cast<char>(n >> (8 * i));
        return s;
    };
    const std::string cases[] = {
        good.substr(0, 3),               // no count
        good.substr(0, good.size() - 1), // truncated
        good + "x",                      // longer than its count
        withCount(0xFFFFFFF0u),          // claims far more than it holds
        withCount(0),                    // count 0 with data behind it
        withCount(16).substr(0, 20),     // header incomplete
    };
    for (const auto& s : cases)
        EXPECT_THROW(ui::readRegionStream(s), ui::ELayoutError);

    std::string badType = good;
    badType[4 + 4] = 2; // not RDH_RECTANGLES
    EXPECT_THROW(ui::readRegionStream(badType), ui::ELayoutError);
    std::string badCount = good;
    badCount[4 + 8] = 95; // rectangle count disagrees with the byte count
    EXPECT_THROW(ui::readRegionStream(badCount), ui::ELayoutError);
}
