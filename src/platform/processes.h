// Running processes: listed from a system snapshot, ended by id, started by command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct ProcessEntry {
    std::uint32_t pid = 0;
    std::string exeName; // the executable's file name, e.g. "explorer.exe"
};

class Processes {
  public:
    virtual ~Processes() = default;

    // The processes in the snapshot's order; nothing when no snapshot can be taken.
    virtual std::optional<std::vector<ProcessEntry>> list() = 0;
    // Opens the process with terminate rights and ends it; false when either fails.
    virtual bool terminate(std::uint32_t pid, std::uint32_t exitCode) = 0;
    // Starts a program from a command line; its process id, or nothing when it cannot start.
    virtual std::optional<std::uint32_t> start(const std::string& commandLine) = 0;
};

} // namespace platform
