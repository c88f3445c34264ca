// Name lookup and TCP connections through Windows Sockets 1.1.
#pragma once

#include "platform/network.h"

namespace platform {

class Win32Network : public Network {
  public:
    std::optional<Ipv4Address> resolveHost(const std::string& host) override;
    bool connectTcp(const Ipv4Address& address, std::uint16_t port) override;
};

} // namespace platform
