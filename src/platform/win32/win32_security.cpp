#include "platform/win32/win32_security.h"

#include <windows.h>

#include <sddl.h>

namespace platform {

namespace {

// The thread's token when it impersonates, else the process's.
HANDLE openQueryToken() {
    HANDLE token = nullptr;
    if (OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token)) return token;
    if (GetLastError() != ERROR_NO_TOKEN) return nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return token;
    return nullptr;
}

} // namespace

std::optional<std::vector<std::string>> Win32Security::tokenGroupSids() {
    HANDLE token = openQueryToken();
    if (!token) return std::nullopt;
    // Ask the token for the size it needs: a user in many groups needs more than any fixed
    // buffer holds.
    DWORD needed = 0;
    GetTokenInformation(token, TokenGroups, nullptr, 0, &needed);
    std::vector<unsigned char> buffer(needed);
    bool read =
        needed > 0 && GetTokenInformation(token, TokenGroups, buffer.data(), needed, &needed) != 0;
    CloseHandle(token);
    if (!read) return std::nullopt;

    auto* groups = reinterpret_cast<TOKEN_GROUPS*>(buffer.data());
    std::vector<std::string> sids;
    for (DWORD i = 0; i < groups->GroupCount; ++i) {
        char* text = nullptr;
        if (!ConvertSidToStringSidA(groups->Groups[i].Sid, &text)) continue;
        sids.emplace_back(text);
        LocalFree(text);
    }
    return sids;
}

bool Win32Security::enableShutdownPrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    bool enabled =
        LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid) &&
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
        GetLastError() != ERROR_NOT_ALL_ASSIGNED;
    CloseHandle(token);
    return enabled;
}

bool Win32Security::restartWindows() {
    return ExitWindowsEx(EWX_REBOOT | EWX_FORCE, 0) != 0;
}

} // namespace platform
