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

// How an end of a named process came out.
enum class EndResult {
    Ended,
    NotRunning, // no process of that id runs under that name (any more)
    Refused,    // the process runs but could not be ended
};

// The executable's file name of a snapshot entry (some systems report the full path), compared
// without regard to case.
bool sameExecutable(const std::string& snapshotName, const std::string& exeName);

class Processes {
  public:
    virtual ~Processes() = default;

    // The processes in the snapshot's order; nothing when no snapshot can be taken.
    virtual std::optional<std::vector<ProcessEntry>> list() = 0;
    // Opens the process with terminate rights and ends it; false when either fails.
    virtual bool terminate(std::uint32_t pid, std::uint32_t exitCode) = 0;
    // Ends the process with this id only while it still runs the executable of that file name.
    // The process is held open from the check to the end, so its id cannot pass to a process
    // started meanwhile.
    virtual EndResult terminateIfNamed(std::uint32_t pid, const std::string& exeName,
                                       std::uint32_t exitCode) = 0;
    // Starts a program from a command line; its process id, or nothing when it cannot start.
    virtual std::optional<std::uint32_t> start(const std::string& commandLine) = 0;
};

} // namespace platform
