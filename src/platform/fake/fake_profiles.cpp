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
    if (writesLeft == 0) return false;
    if (writesLeft > 0) --writesLeft;
    std::string text = files_.readFile(file).value_or("");
    return files_.writeFile(file, ini::setValue(text, section, key, value));
}

bool FakeProfiles::deleteSection(const std::string& file, const std::string& section) {
    auto text = files_.readFile(file);
    if (!text) return !files_.directoryExists(file);
    const auto attributes = files_.attributes(file);
    if (attributes && (*attributes & fileattr::readOnly)) return false;
    return files_.writeFile(file, ini::removeSection(*text, section));
}

} // namespace platform
