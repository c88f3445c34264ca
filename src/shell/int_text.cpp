#include "shell/int_text.h"

#include "ui/errors.h"

#include <string>

namespace brelk {

std::optional<std::int32_t> parseIntText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{1} << 31) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t strToInt(std::string_view text) {
    if (auto number = parseIntText(text)) return *number;
    std::string message = "'";
    message.append(text);
    message.append("' is not a valid integer value");
    throw ui::EConvertError(message);
}

} // namespace brelk
