#include "platform/win32/win32_processes.h"

#include <windows.h>

#include <tlhelp32.h>

namespace platform {

std::optional<std::vector<ProcessEntry>> Win32Processes::list() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return std::nullopt;
    std::vector<ProcessEntry> processes;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        processes.push_back({static_cast<std::uint32_t>(entry.th32ProcessID), entry.szExeFile});
    CloseHandle(snapshot);
    return processes;
}

bool Win32Processes::terminate(std::uint32_t pid, std::uint32_t exitCode) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, pid);
    if (!process) return false;
    bool ended = TerminateProcess(process, exitCode) != 0;
    CloseHandle(process);
    return ended;
}

std::optional<std::uint32_t> Win32Processes::start(const std::string& commandLine) {
    std::string line = commandLine; // CreateProcess may write into the command line
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return std::nullopt;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return static_cast<std::uint32_t>(info.dwProcessId);
}

} // namespace platform
