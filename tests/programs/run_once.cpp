// Runs one of the current user's RunOnce values as Windows does at the next logon: the value is
// deleted, then its text is started as a command line (the program name quoted or up to the
// first blank). Prints the command line; exits 0 when the program started.
//   run_once.exe VALUENAME
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce", 0,
                      KEY_QUERY_VALUE | KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return 3;
    char text[1024] = {};
    DWORD size = sizeof text - 1, type = 0;
    const LONG read =
        RegQueryValueExA(key, argv[1], nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    if (read == ERROR_SUCCESS) RegDeleteValueA(key, argv[1]);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS || type != REG_SZ) return 4;
    std::string command = text;
    std::printf("%s\n", command.c_str());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return 5;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
