#include "platform/fake/fake_processes.h"

#include <algorithm>

namespace platform {

std::optional<std::vector<ProcessEntry>> FakeProcesses::list() {
    if (snapshotFails) return std::nullopt;
    return running_;
}

bool FakeProcesses::terminate(std::uint32_t pid, std::uint32_t exitCode) {
    if (protectedPids.count(pid)) return false;
    auto it = std::find_if(running_.begin(), running_.end(),
                           [&](const ProcessEntry& p) { return p.pid == pid; });
    if (it == running_.end()) return false;
    running_.erase(it);
    terminations.push_back({pid, exitCode});
    return true;
}

EndResult FakeProcesses::terminateIfNamed(std::uint32_t pid, const std::string& exeName,
                                          std::uint32_t exitCode) {
    auto it = std::find_if(running_.begin(), running_.end(),
                           [&](const ProcessEntry& p) { return p.pid == pid; });
    if (it == running_.end() || !sameExecutable(it->exeName, exeName)) return EndResult::NotRunning;
    return terminate(pid, exitCode) ? EndResult::Ended : EndResult::Refused;
}

std::optional<std::uint32_t> FakeProcesses::start(const std::string& commandLine) {
    std::string program;
    if (!commandLine.empty() && commandLine[0] == '"') {
        auto close = commandLine.find('"', 1);
        program = commandLine.substr(1, close == std::string::npos ? close : close - 1);
    } else {
        program = commandLine.substr(0, commandLine.find(' '));
    }
    if (program.empty() || !files_.fileExists(program)) return std::nullopt;
    startedCommandLines.push_back(commandLine);
    return add(program.substr(program.find_last_of("\\/") + 1));
}

std::uint32_t FakeProcesses::add(const std::string& exeName) {
    running_.push_back({nextPid_, exeName});
    nextPid_ += 4;
    return running_.back().pid;
}

bool FakeProcesses::isRunning(std::uint32_t pid) const {
    return std::any_of(running_.begin(), running_.end(),
                       [&](const ProcessEntry& p) { return p.pid == pid; });
}

} // namespace platform
