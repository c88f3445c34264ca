// The user's rights and the restart of Windows.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

class Security {
  public:
    virtual ~Security() = default;

    // The groups of the access token (the thread's, else the process's) as SID strings such as
    // "S-1-5-32-544"; nothing when the token cannot be opened or read.
    virtual std::optional<std::vector<std::string>> tokenGroupSids() = 0;
    // Enables the shutdown privilege in the process's token.
    virtual bool enableShutdownPrivilege() = 0;
    // Forces a restart of Windows. Never called by tests.
    virtual bool restartWindows() = 0;
};

} // namespace platform
