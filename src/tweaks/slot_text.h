// How a backup slot keeps its values in the settings file. The profile functions trim the
// blanks around a value and one pair of enclosing quotes, and a line cannot hold a line break;
// so a slot written now carries the mark Coding=1 and stores every value in quotes, with "%"
// and the control characters (CR and LF among them) written as %XX. A value then reads back
// byte for byte. Slots without the mark were written plain and read as they always did.
#pragma once

#include <string>
#include <string_view>

namespace brelk {

constexpr const char* kSlotCodingKey = "Coding";
constexpr const char* kSlotCoding = "1";

// The text to write for a value: in quotes, "%" and control characters as %XX.
std::string encodeSlotValue(std::string_view value);

// The value back from the text the profile functions return for it (without the quotes).
// A "%" not followed by two hex digits stands for itself.
std::string decodeSlotValue(std::string_view text);

} // namespace brelk
