#include "setup/settings_merge.h"

#include "platform/text_case.h"

#include <algorithm>
#include <iterator>

namespace setup {

namespace {

// A value no settings file holds: what the profile functions give for a missing key.
constexpr const char* kMissing = "\x01missing\x01";

// A key of one settings file that says what the installation is rather than what the user
// chose. An existing file lacking it must stay without it: the backup count then follows the
// slot sections the file holds (a shipped count of 0 would let the next save overwrite slot 1),
// and an installation that has its settings file has had its first start (a shipped "1" would
// bring the terms page back).
struct StateKey {
    const char* file;
    const char* section;
    const char* key;
};
constexpr StateKey kStateKeys[] = {
    {"brelk.ini", "Backup", "number"},
    {"brelk.ini", "Options", "firststart"},
};

constexpr const char* kKeptSettingsFiles[] = {"brelk.ini", "startbutton.ini", "oservices.ini"};

bool isStateKey(const std::string& file, const std::string& section, const std::string& key) {
    return std::any_of(std::begin(kStateKeys), std::end(kStateKeys), [&](const StateKey& k) {
        return platform::equalsIgnoreCase(file, k.file) &&
               platform::equalsIgnoreCase(section, k.section) &&
               platform::equalsIgnoreCase(key, k.key);
    });
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

bool isKeptSettingsFile(const std::string& name) {
    return std::any_of(std::begin(kKeptSettingsFiles), std::end(kKeptSettingsFiles),
                       [&](const char* f) { return platform::equalsIgnoreCase(name, f); });
}

std::vector<std::pair<std::string, std::string>> iniKeys(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> keys;
    std::string section;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        line = trimmed(line);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            const auto close = line.find(']');
            section =
                close == std::string::npos ? std::string() : trimmed(line.substr(1, close - 1));
            continue;
        }
        const auto equals = line.find('=');
        if (section.empty() || equals == std::string::npos) continue;
        std::pair<std::string, std::string> key{section, trimmed(line.substr(0, equals))};
        if (key.second.empty()) continue;
        const bool seen = std::any_of(keys.begin(), keys.end(), [&](const auto& k) {
            return platform::equalsIgnoreCase(k.first, key.first) &&
                   platform::equalsIgnoreCase(k.second, key.second);
        });
        if (!seen) keys.push_back(std::move(key));
    }
    return keys;
}

bool addMissingSettings(platform::Platform& p, const std::string& name, const std::string& shipped,
                        const std::string& installed) {
    const auto text = p.files.readFile(shipped);
    if (!text) return false;
    for (const auto& [section, key] : iniKeys(*text)) {
        if (isStateKey(name, section, key)) continue;
        if (p.profiles.readString(installed, section, key, kMissing) != kMissing) continue;
        const std::string value = p.profiles.readString(shipped, section, key, "");
        if (!p.profiles.writeString(installed, section, key, value)) return false;
    }
    return true;
}

} // namespace setup
