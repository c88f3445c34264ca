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

EndResult Win32Processes::terminateIfNamed(std::uint32_t pid, const std::string& exeName,
                                           std::uint32_t exitCode) {
    auto runsNamed = [&] {
        auto snapshot = list();
        if (!snapshot) return false;
        for (const auto& p : *snapshot)
            if (p.pid == pid) return sameExecutable(p.exeName, exeName);
        return false;
    };
    // Open handles keep a process's id from being given to another one, so the name found in
    // the snapshot below is the name of the process this handle ends.
    HANDLE process = OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (!process) return runsNamed() ? EndResult::Refused : EndResult::NotRunning;
    DWORD code = 0;
    EndResult result = EndResult::NotRunning;
    if (GetExitCodeProcess(process, &code) && code == STILL_ACTIVE && runsNamed()) {
        result = TerminateProcess(process, exitCode) ? EndResult::Ended : EndResult::Refused;
    }
    CloseHandle(process);
    return result;
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
