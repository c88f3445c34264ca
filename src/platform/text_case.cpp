#include "platform/text_case.h"

#include "ui/cp1252.h"

#include <algorithm>

namespace platform {

namespace {

// The Windows-1252 letters outside A-Z whose case partner is also in Windows-1252.
constexpr unsigned char upperExtra[] = {0x8A, 0x8C, 0x8E, 0x9F};
constexpr unsigned char lowerExtra[] = {0x9A, 0x9C, 0x9E, 0xFF};

bool isLatin1Upper(unsigned char b) {
    return b >= 0xC0 && b <= 0xDE && b != 0xD7;
}
bool isLatin1Lower(unsigned char b) {
    return b >= 0xE0 && b <= 0xFE && b != 0xF7;
}

} // namespace

char toLowerAnsi(char c) {
    auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || isLatin1Upper(b)) return static_cast<char>(b + 0x20);
    for (int i = 0; i < 4; ++i)
        if (b == upperExtra[i]) return static_cast<char>(lowerExtra[i]);
    return c;
}

char toUpperAnsi(char c) {
    auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || isLatin1Lower(b)) return static_cast<char>(b - 0x20);
    for (int i = 0; i < 4; ++i)
        if (b == lowerExtra[i]) return static_cast<char>(upperExtra[i]);
    return c;
}

std::string lowerCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), toLowerAnsi);
    return out;
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), toUpperAnsi);
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return toLowerAnsi(x) == toLowerAnsi(y);
           });
}

bool lessIgnoreCase(std::string_view a, std::string_view b) {
    auto key = [](char c) {
        return ui::cp1252CodePoint(static_cast<unsigned char>(toLowerAnsi(c)));
    };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return key(x) < key(y); });
}

} // namespace platform
