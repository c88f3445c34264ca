#include "platform/fake/ini_text.h"

#include "platform/text_case.h"

#include <vector>

namespace platform::ini {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The section name of a header line "[name]", trimmed; nothing for other lines.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    std::size_t close = line.rfind(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trim(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::optional<std::string_view> value; // nothing when the line has no "="
};

KeyLine keyLine(std::string_view line) {
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return {trim(line), std::nullopt};
    return {trim(line.substr(0, eq)), trim(line.substr(eq + 1))};
}

struct Location {
    std::optional<std::size_t> sectionLine;
    std::optional<std::size_t> keyLine;
    std::size_t lastContentLine = 0; // last non-empty line of the section
};

Location locate(const std::vector<std::string_view>& lines, std::string_view section,
                std::string_view key) {
    Location loc;
    section = trim(section);
    key = trim(key);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto name = sectionName(lines[i]);
        if (!name) continue;
        if (!equalsIgnoreCase(*name, section)) continue;
        loc.sectionLine = i;
        loc.lastContentLine = i;
        for (std::size_t j = i + 1; j < lines.size() && !sectionName(lines[j]); ++j) {
            if (trim(lines[j]).empty()) continue;
            loc.lastContentLine = j;
            if (!loc.keyLine && equalsIgnoreCase(keyLine(lines[j]).key, key)) loc.keyLine = j;
        }
        break;
    }
    return loc;
}

} // namespace

std::optional<std::string> findValue(std::string_view text, std::string_view section,
                                     std::string_view key) {
    auto lines = splitLines(text);
    auto loc = locate(lines, section, key);
    if (!loc.keyLine) return std::nullopt;
    auto value = keyLine(lines[*loc.keyLine]).value;
    if (!value) return std::nullopt;
    return std::string(*value);
}

std::string setValue(std::string_view text, std::string_view section, std::string_view key,
                     std::string_view value) {
    auto lines = splitLines(text);
    auto loc = locate(lines, section, key);
    std::vector<std::string> out(lines.begin(), lines.end());
    auto keyValueLine = [&](std::string_view name) {
        std::string line(name);
        line.append("=").append(trim(value));
        return line;
    };
    if (loc.keyLine) {
        out[*loc.keyLine] = keyValueLine(keyLine(lines[*loc.keyLine]).key);
    } else if (loc.sectionLine) {
        out.insert(out.begin() + static_cast<std::ptrdiff_t>(loc.lastContentLine + 1),
                   keyValueLine(trim(key)));
    } else {
        std::string header("[");
        header.append(trim(section)).append("]");
        out.push_back(header);
        out.push_back(keyValueLine(trim(key)));
    }
    std::string result;
    for (auto& l : out)
        result.append(l).append("\r\n");
    return result;
}

std::string removeSection(std::string_view text, std::string_view section) {
    auto lines = splitLines(text);
    auto loc = locate(lines, section, {});
    if (!loc.sectionLine) return std::string(text);
    std::size_t end = *loc.sectionLine + 1;
    while (end < lines.size() && !sectionName(lines[end]))
        ++end;
    std::string result;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i < *loc.sectionLine || i >= end) result.append(lines[i]).append("\r\n");
    }
    return result;
}

std::string unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return std::string(value.substr(1, value.size() - 2));
    return std::string(value);
}

std::string prepareDefault(std::string_view defaultValue) {
    while (defaultValue.size() > 1 && defaultValue.back() == ' ')
        defaultValue.remove_suffix(1);
    return unquote(defaultValue);
}

} // namespace platform::ini
