#include "platform/fake/fake_profiles.h"

#include "platform/fake/ini_text.h"

namespace platform {

std::string FakeProfiles::readString(const std::string& file, const std::string& section,
                                     const std::string& key, const std::string& defaultValue) {
    if (auto text = files_.readFile(file))
        if (auto value = ini::findValue(*text, section, key)) return ini::unquote(*value);
    return ini::prepareDefault(defaultValue);
}

bool FakeProfiles::writeString(const std::string& file, const std::string& section,
                               const std::string& key, const std::string& value) {
    std::string text = files_.readFile(file).value_or("");
    return files_.writeFile(file, ini::setValue(text, section, key, value));
}

} // namespace platform
