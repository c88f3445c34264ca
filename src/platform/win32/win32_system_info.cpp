#include "platform/win32/win32_system_info.h"

#include <windows.h>

#include <algorithm>

namespace platform {

MemoryStatus Win32SystemInfo::memoryStatus() {
    // The extended status: the plain one stops at 2 GB for a 32-bit program.
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) return {};
    // A 32-bit program may be told a total cut to what it can address while the free amount
    // is the whole machine's (Wine does so); free memory never exceeds the total here.
    return {status.ullTotalPhys, std::min(status.ullAvailPhys, status.ullTotalPhys),
            status.ullTotalPageFile, std::min(status.ullAvailPageFile, status.ullTotalPageFile)};
}

std::string Win32SystemInfo::windowsFolder() {
    char path[MAX_PATH] = {};
    UINT n = GetWindowsDirectoryA(path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    return std::string(path, n);
}

std::string Win32SystemInfo::shortDate() {
    char text[128] = {};
    int n =
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, sizeof text);
    return n > 0 ? std::string(text) : std::string();
}

std::string Win32SystemInfo::longTime() {
    char text[128] = {};
    int n = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, sizeof text);
    return n > 0 ? std::string(text) : std::string();
}

} // namespace platform
