// Whole numbers stored as INI text.
#pragma once

#include <optional>
#include <string_view>

namespace brelk {

// The number of a decimal text with an optional sign, as a 32-bit integer; nothing for any
// other text (blanks, letters, an empty text, a number out of range).
std::optional<int> parseIniInteger(std::string_view text);

} // namespace brelk
