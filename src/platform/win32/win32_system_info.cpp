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

namespace {

std::wstring wide(std::string_view text, UINT codePage) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    const int n = MultiByteToWideChar(codePage, 0, text.data(), size, out.data(), size);
    out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return out;
}

} // namespace

std::optional<std::string> Win32SystemInfo::oemText(std::string_view text) {
    const std::wstring w = wide(text, CP_ACP);
    std::string out(w.size() * 2 + 1, '\0');
    BOOL usedDefault = FALSE;
    const int n = w.empty()
                      ? 0
                      : WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, w.data(),
                                            static_cast<int>(w.size()), out.data(),
                                            static_cast<int>(out.size()), nullptr, &usedDefault);
    if (usedDefault || (n == 0 && !w.empty())) return std::nullopt;
    out.resize(static_cast<std::size_t>(n));
    // A character that the conversion replaced by a look-alike does not come back the same.
    if (wide(out, CP_OEMCP) != w) return std::nullopt;
    return out;
}

} // namespace platform
