// Name lookup and TCP connections through Windows Sockets 1.1.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

using Ipv4Address = std::array<std::uint8_t, 4>;

class Network {
  public:
    virtual ~Network() = default;

    // The first IPv4 address of a host name or dotted address; nothing when it cannot be
    // resolved or the sockets library cannot start.
    virtual std::optional<Ipv4Address> resolveHost(const std::string& host) = 0;
    // Connects (blocking, with the system's time-out) and closes again; true when it connected.
    virtual bool connectTcp(const Ipv4Address& address, std::uint16_t port) = 0;
};

} // namespace platform
