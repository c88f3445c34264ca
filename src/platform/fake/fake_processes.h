// A process list for tests: processes are added by name, ended by id, and each termination is
// recorded.
#pragma once

#include "platform/file_system.h"
#include "platform/processes.h"

#include <set>

namespace platform {

class FakeProcesses : public Processes {
  public:
    explicit FakeProcesses(FileSystem& files) : files_(files) {}

    std::optional<std::vector<ProcessEntry>> list() override;
    bool terminate(std::uint32_t pid, std::uint32_t exitCode) override;
    EndResult terminateIfNamed(std::uint32_t pid, const std::string& exeName,
                               std::uint32_t exitCode) override;
    // Adds a process named after the program's file name (quoted or up to the first blank),
    // when that program exists in the file system.
    std::optional<std::uint32_t> start(const std::string& commandLine) override;

    // Test setup: a running process; returns its id.
    std::uint32_t add(const std::string& exeName);
    bool isRunning(std::uint32_t pid) const;

    struct Termination {
        std::uint32_t pid;
        std::uint32_t exitCode;
        bool operator==(const Termination&) const = default;
    };
    std::vector<Termination> terminations;
    std::vector<std::string> startedCommandLines;
    // Processes that cannot be ended (as for missing rights).
    std::set<std::uint32_t> protectedPids;
    bool snapshotFails = false;

  private:
    FileSystem& files_;
    std::vector<ProcessEntry> running_;
    std::uint32_t nextPid_ = 1000;
};

} // namespace platform
