// Decimal text to a number as the class library converts it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace brelk {

// A signed 32-bit decimal number with an optional sign after optional leading blanks. Raises
// ui::EConvertError "'text' is not a valid integer value" for anything else, also for a number
// out of range.
std::int32_t strToInt(std::string_view text);
// The same conversion without the error: nothing for a text that strToInt refuses.
std::optional<std::int32_t> parseIntText(std::string_view text);

} // namespace brelk
