// Token groups, the shutdown privilege and the restart of Windows.
#pragma once

#include "platform/security.h"

namespace platform {

class Win32Security : public Security {
  public:
    std::optional<std::vector<std::string>> tokenGroupSids() override;
    bool enableShutdownPrivilege() override;
    bool restartWindows() override;
};

} // namespace platform
