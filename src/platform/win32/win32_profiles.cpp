#include "platform/win32/win32_profiles.h"

#include "platform/win32/win32_file_system.h"

#include <windows.h>

namespace platform {
namespace {

// Whether the file lists a section of that name (names compared without regard to case).
bool hasSection(const std::string& file, const std::string& section) {
    std::string names(4096, '\0');
    for (;;) {
        const DWORD n = GetPrivateProfileSectionNamesA(
            names.data(), static_cast<DWORD>(names.size()), file.c_str());
        if (n + 2 < names.size()) {
            names.resize(n);
            break;
        }
        names.resize(names.size() * 2);
    }
    for (std::size_t start = 0; start < names.size();) {
        const std::size_t end = names.find('\0', start);
        const std::string name = names.substr(start, end - start);
        if (lstrcmpiA(name.c_str(), section.c_str()) == 0) return true;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return false;
}

} // namespace

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

bool Win32Profiles::deleteSection(const std::string& file, const std::string& section) {
    const DWORD attributes = GetFileAttributesA(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return true; // no file, no section
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    if (isReadOnlyFile(file)) return false;
    // A null key removes the section with its keys. The result of that call differs between
    // systems when there was no such section, so the section list decides.
    WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, file.c_str());
    return !hasSection(file, section);
}

} // namespace platform
