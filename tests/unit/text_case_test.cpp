#include "platform/text_case.h"

#include <gtest/gtest.h>

namespace {

TEST(TextCaseTest, Windows1252LettersHaveCasePartners) {
    EXPECT_EQ(platform::lowerCase("AZ\xC4\xD6\xDC\x8A\x8C\x8E\x9F"),
              "az\xE4\xF6\xFC\x9A\x9C\x9E\xFF");
    EXPECT_EQ(platform::upperCase("az\xE4\xF6\xFC\x9A\x9C\x9E\xFF"),
              "AZ\xC4\xD6\xDC\x8A\x8C\x8E\x9F");
    // The multiplication and division signs and sharp s have no partner.
    EXPECT_EQ(platform::lowerCase("\xD7"), "\xD7");
    EXPECT_EQ(platform::upperCase("\xF7\xDF"), "\xF7\xDF");
}

TEST(TextCaseTest, OrderFollowsUnicodeNotTheByteValue) {
    // A-umlaut (U+00E4 in lower case) sorts before S-caron (U+0161), though its byte is higher.
    EXPECT_TRUE(platform::lessIgnoreCase("\xC4", "\x8A"));
    EXPECT_TRUE(platform::lessIgnoreCase("b", "Bin"));
    EXPECT_FALSE(platform::lessIgnoreCase("B", "b"));
}

} // namespace
