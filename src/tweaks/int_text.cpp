#include "tweaks/int_text.h"

#include "ui/errors.h"

#include <string>

namespace brelk {

std::int32_t strToInt(std::string_view text) {
    auto invalid = [&] {
        std::string message = "'";
        message.append(text);
        message.append("' is not a valid integer value");
        return ui::EConvertError(message);
    };
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) throw invalid();
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c < '0' || c > '9') throw invalid();
        value = value * 10 + (c - '0');
        if (value > std::int64_t{1} << 31) throw invalid();
    }
    if (negative) value = -value;
    if (value > INT32_MAX) throw invalid();
    return static_cast<std::int32_t>(value);
}

} // namespace brelk
