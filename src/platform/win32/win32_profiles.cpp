#include "platform/win32/win32_profiles.h"

#include "platform/win32/win32_file_system.h"

#include <windows.h>

namespace platform {

std::string Win32Profiles::readString(const std::string& file, const std::string& section,
                                      const std::string& key, const std::string& defaultValue) {
    // The function cuts a value that does not fit; grow the buffer until it does.
    std::string buf(2048, '\0');
    for (;;) {
        DWORD n =
            GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buf.data(),
                                     static_cast<DWORD>(buf.size()), file.c_str());
        if (n + 1 < buf.size()) {
            buf.resize(n);
            return buf;
        }
        buf.resize(buf.size() * 2);
    }
}

bool Win32Profiles::writeString(const std::string& file, const std::string& section,
                                const std::string& key, const std::string& value) {
    if (isReadOnlyFile(file)) return false;
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) !=
           0;
}

} // namespace platform
