// A shell for tests: records what it is asked to open. Opening an existing .exe of the fake
// file system starts it in the fake process list.
#pragma once

#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_processes.h"
#include "platform/shell.h"

#include <map>

namespace platform {

class FakeShell : public Shell {
  public:
    FakeShell(FakeFileSystem& files, FakeProcesses& processes);

    int execute(const std::string& verb, const std::string& file, const std::string& parameters,
                const std::string& directory, int showCommand) override;
    std::optional<std::string> specialFolderPath(int csidl) override;

    struct Execution {
        std::string verb, file, parameters, directory;
        int showCommand;
    };
    std::vector<Execution> executions;
    std::map<int, std::string> specialFolders;
    // Test setup: files whose start fails with this instance code (32 or below).
    std::map<std::string, int> failingStarts;

  private:
    FakeFileSystem& files_;
    FakeProcesses& processes_;
};

} // namespace platform
