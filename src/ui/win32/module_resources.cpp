#include "ui/win32/module_resources.h"

#include <windows.h>

#include <cctype>

namespace ui::win32 {

// Resource names are the file names in capitals with the dot made an underscore
// ("main_skin.bmp" is MAIN_SKIN_BMP), as the resource scripts list them.
std::optional<std::string> ModuleResourceStore::load(const std::string& name) const {
    std::string id = name;
    for (char& c : id)
        c = c == '.' ? '_' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    HRSRC res = FindResourceA(nullptr, id.c_str(), MAKEINTRESOURCEA(10)); // RT_RCDATA
    if (!res) return std::nullopt;
    HGLOBAL handle = LoadResource(nullptr, res);
    const DWORD size = SizeofResource(nullptr, res);
    const void* data = handle ? LockResource(handle) : nullptr;
    if (!data) return std::nullopt;
    return std::string(static_cast<const char*>(data), size);
}

} // namespace ui::win32
