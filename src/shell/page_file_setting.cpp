#include "shell/page_file_setting.h"

#include <algorithm>

namespace brelk {
namespace {

// Larger sizes are no page file a system of this family can hold.
constexpr std::size_t kMaxSizeDigits = 6;

bool isDriveLetter(const std::string& text) {
    if (text.size() != 1) return false;
    const char c = text[0];
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isMegabytes(const std::string& text) {
    return !text.empty() && text.size() <= kMaxSizeDigits &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

PageFileSetting refused(std::string problem) {
    return {{}, std::move(problem)};
}

} // namespace

PageFileSetting checkPageFileSetting(const std::string& minimum, const std::string& maximum,
                                     const std::string& drive) {
    if (drive.empty()) return refused("kein Laufwerk für die Auslagerungsdatei");
    if (!isDriveLetter(drive))
        return refused("\"" + drive + "\" ist kein Laufwerksbuchstabe (A bis Z)");
    for (const std::string* size : {&minimum, &maximum}) {
        if (!isMegabytes(*size)) return refused("\"" + *size + "\" ist keine Größe in MB");
    }
    if (std::stoul(minimum) > std::stoul(maximum))
        return refused("Minimum " + minimum + " MB über Maximum " + maximum + " MB");
    return {drive + ":\\pagefile.sys " + minimum + " " + maximum, {}};
}

} // namespace brelk
