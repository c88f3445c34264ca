#include "tweaks/regedit4_format.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

namespace regtype = platform::regtype;
using platform::Bytes;

std::string line(std::string_view name, std::uint32_t type, const Bytes& data) {
    std::string out;
    brelk::appendValueLine(out, name, type, data);
    return out;
}

Bytes text(std::string_view s, bool terminated = true) {
    Bytes b(s.begin(), s.end());
    if (terminated) b.push_back(0);
    return b;
}

Bytes counting(std::size_t n) {
    Bytes b(n);
    std::iota(b.begin(), b.end(), std::uint8_t{0});
    return b;
}

TEST(Regedit4Format, EachTypeHasItsDataPart) {
    EXPECT_EQ(line("Path", regtype::string, text("C:\\Windows")), "\"Path\"=\"C:\\\\Windows\"\r\n");
    EXPECT_EQ(line("n", regtype::dword, {10, 0, 0, 0}), "\"n\"=dword:0000000A\r\n");
    EXPECT_EQ(line("n", regtype::dword, {0xFB, 0xFF, 0xFF, 0xFF}), "\"n\"=dword:FFFFFFFB\r\n");
    EXPECT_EQ(line("b", regtype::binary, {0x00, 0xAB, 0x0F}), "\"b\"=hex:00,AB,0F\r\n");
    // Types a quoted string would lose are written as typed bytes.
    EXPECT_EQ(line("e", regtype::expandString, text("%W%")), "\"e\"=hex(2):25,57,25,00\r\n");
    EXPECT_EQ(line("m", regtype::multiString, {'a', 0, 'b', 0, 0}),
              "\"m\"=hex(7):61,00,62,00,00\r\n");
    EXPECT_EQ(line("q", regtype::qword, {1, 2, 3, 4, 5, 6, 7, 8}),
              "\"q\"=hex(b):01,02,03,04,05,06,07,08\r\n");
    EXPECT_EQ(line("z", regtype::none, {}), "\"z\"=hex(0):\r\n");
    EXPECT_EQ(line("be", regtype::dwordBigEndian, {0, 0, 0, 10}), "\"be\"=hex(5):00,00,00,0A\r\n");
    EXPECT_EQ(line("r", regtype::resourceList, {9}), "\"r\"=hex(8):09\r\n");
    EXPECT_EQ(line("u", 0x1234, {1}), "\"u\"=hex(1234):01\r\n");
    // A number of another size than four bytes keeps its bytes.
    EXPECT_EQ(line("short", regtype::dword, {1, 2}), "\"short\"=hex(4):01,02\r\n");
}

TEST(Regedit4Format, DefaultValueIsTheAtSign) {
    EXPECT_EQ(line("", regtype::string, text("x")), "@=\"x\"\r\n");
    EXPECT_EQ(line("", regtype::dword, {1, 0, 0, 0}), "@=dword:00000001\r\n");
}

TEST(Regedit4Format, StringsAQuotedStringCannotCarryBecomeTypedBytes) {
    EXPECT_EQ(line("s", regtype::string, text("")), "\"s\"=\"\"\r\n");
    EXPECT_EQ(line("s", regtype::string, {}), "\"s\"=\"\"\r\n");
    // Without its terminating zero the text is still plain.
    EXPECT_EQ(line("s", regtype::string, text("ab", false)), "\"s\"=\"ab\"\r\n");
    EXPECT_EQ(line("s", regtype::string, text("a\r\nb")), "\"s\"=hex(1):61,0D,0A,62,00\r\n");
    EXPECT_EQ(line("s", regtype::string, text("a\nb")), "\"s\"=hex(1):61,0A,62,00\r\n");
    EXPECT_EQ(line("s", regtype::string, {'a', 0, 'b', 0}), "\"s\"=hex(1):61,00,62,00\r\n");
    EXPECT_EQ(line("s", regtype::string, {'a', 0, 0}), "\"s\"=hex(1):61,00,00\r\n");
}

TEST(Regedit4Format, BackslashesAndQuotesAreEscapedInNamesAndStrings) {
    EXPECT_EQ(line("a\\b\"c\"", regtype::string, text("say \"hi\" \\\\server")),
              "\"a\\\\b\\\"c\\\"\"=\"say \\\"hi\\\" \\\\\\\\server\"\r\n");
    EXPECT_EQ(brelk::escapebackslashes("\\\\srv\\x\""), "\\\\\\\\srv\\\\x\\\"");
    EXPECT_EQ(brelk::escapebackslashes(""), "");
    // "=" and Latin-1 letters need no escape.
    EXPECT_EQ(line("a=b \xE4\xDF", regtype::string, text("\xFC")), "\"a=b \xE4\xDF\"=\"\xFC\"\r\n");
}

TEST(Regedit4Format, HexBytesWrapAfterEvery25ThByteFromTheTwentySixth) {
    EXPECT_EQ(line("b", regtype::binary, {}), "\"b\"=hex:\r\n");
    std::string oneLine = line("b", regtype::binary, counting(26));
    EXPECT_EQ(oneLine.find('\\'), std::string::npos);
    EXPECT_EQ(oneLine.size(), std::string("\"b\"=hex:").size() + 26 * 3 - 1 + 2);

    std::string twoLines = line("b", regtype::binary, counting(27));
    EXPECT_NE(twoLines.find(",18,19,\\\r\n1A\r\n"), std::string::npos) << twoLines;
    EXPECT_EQ(twoLines.rfind("\r\n", twoLines.size() - 3), twoLines.size() - 6);

    // 26 + 25 bytes fill two lines exactly; the 52nd byte starts a third.
    std::string full = line("b", regtype::binary, counting(51));
    EXPECT_EQ(full.find("\\\r\n"), full.rfind("\\\r\n"));
    EXPECT_TRUE(full.ends_with(",32\r\n"));
    std::string three = line("b", regtype::binary, counting(52));
    EXPECT_TRUE(three.ends_with(",32,\\\r\n33\r\n")) << three;
    // Other types wrap the same way.
    EXPECT_NE(line("m", regtype::multiString, counting(27)).find(",19,\\\r\n1A\r\n"),
              std::string::npos);
}

TEST(Regedit4Format, HeadersAndRootNames) {
    std::string out;
    brelk::appendKeyHeader(out, brelk::rootKeyName(platform::RootKey::LocalMachine), "Software");
    EXPECT_EQ(out, "\r\n[HKEY_LOCAL_MACHINE\\Software]\r\n");
    out.clear();
    brelk::appendKeyHeader(out, brelk::rootKeyName(platform::RootKey::ClassesRoot), "");
    EXPECT_EQ(out, "\r\n[HKEY_CLASSES_ROOT\\]\r\n");
    EXPECT_EQ(brelk::rootKeyName(platform::RootKey::CurrentUser), "HKEY_CURRENT_USER");
    EXPECT_EQ(brelk::rootKeyName(platform::RootKey::Users), "HKEY_USERS");
    EXPECT_EQ(brelk::rootKeyName(platform::RootKey::CurrentConfig), "HKEY_CURRENT_CONFIG");
}

} // namespace
