#include "ui/win32/module_resources.h"

#include <windows.h>

namespace ui::win32 {

std::optional<std::string> ModuleResourceStore::load(const std::string& name) const {
    HRSRC res = FindResourceA(nullptr, name.c_str(), MAKEINTRESOURCEA(10)); // RT_RCDATA
    if (!res) return std::nullopt;
    HGLOBAL handle = LoadResource(nullptr, res);
    const DWORD size = SizeofResource(nullptr, res);
    const void* data = handle ? LockResource(handle) : nullptr;
    if (!data) return std::nullopt;
    return std::string(static_cast<const char*>(data), size);
}

} // namespace ui::win32
