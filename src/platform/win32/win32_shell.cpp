#include "platform/win32/win32_shell.h"

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

namespace platform {

namespace {

const char* orNull(const std::string& s) {
    return s.empty() ? nullptr : s.c_str();
}

} // namespace

int Win32Shell::execute(const std::string& verb, const std::string& file,
                        const std::string& parameters, const std::string& directory,
                        int showCommand) {
    // The window the user acts in owns whatever the system shows for the started program.
    HINSTANCE result = ShellExecuteA(GetActiveWindow(), orNull(verb), file.c_str(),
                                     orNull(parameters), orNull(directory), showCommand);
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

std::optional<std::string> Win32Shell::specialFolderPath(int csidl) {
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &items)) || !items) return std::nullopt;
    char path[MAX_PATH] = {};
    BOOL ok = SHGetPathFromIDListA(items, path);
    CoTaskMemFree(items);
    if (!ok || path[0] == '\0') return std::nullopt;
    return std::string(path);
}

} // namespace platform
