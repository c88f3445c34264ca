// Processes through ToolHelp snapshots, OpenProcess/TerminateProcess and CreateProcess.
#pragma once

#include "platform/processes.h"

namespace platform {

class Win32Processes : public Processes {
  public:
    std::optional<std::vector<ProcessEntry>> list() override;
    bool terminate(std::uint32_t pid, std::uint32_t exitCode) override;
    EndResult terminateIfNamed(std::uint32_t pid, const std::string& exeName,
                               std::uint32_t exitCode) override;
    std::optional<std::uint32_t> start(const std::string& commandLine) override;
};

} // namespace platform
