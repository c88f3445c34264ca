// Token groups and shutdown requests for tests.
#pragma once

#include "platform/security.h"

namespace platform {

inline constexpr const char* administratorsSid = "S-1-5-32-544";

class FakeSecurity : public Security {
  public:
    std::optional<std::vector<std::string>> tokenGroupSids() override { return groups; }
    bool enableShutdownPrivilege() override {
        ++privilegeRequests;
        return privilegeGranted;
    }
    bool restartWindows() override {
        ++restartRequests;
        return true;
    }

    // Test setup: in or out of the Administrators group.
    void setAdministrator(bool admin) {
        groups = admin ? std::vector<std::string>{"S-1-1-0", administratorsSid, "S-1-5-11"}
                       : std::vector<std::string>{"S-1-1-0", "S-1-5-32-545", "S-1-5-11"};
    }

    std::optional<std::vector<std::string>> groups =
        std::vector<std::string>{"S-1-1-0", administratorsSid, "S-1-5-11"};
    bool privilegeGranted = true;
    int privilegeRequests = 0;
    int restartRequests = 0;
};

} // namespace platform
