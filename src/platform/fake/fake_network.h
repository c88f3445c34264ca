// Name lookup and connections for tests: known host names and listening addresses and ports.
#pragma once

#include "platform/network.h"

#include <map>
#include <set>
#include <utility>
#include <vector>

namespace platform {

class FakeNetwork : public Network {
  public:
    FakeNetwork();

    // Host names are looked up without regard to case; dotted addresses resolve to themselves.
    std::optional<Ipv4Address> resolveHost(const std::string& host) override;
    bool connectTcp(const Ipv4Address& address, std::uint16_t port) override;

    // Test setup.
    void addHost(const std::string& name, const Ipv4Address& address);
    void listen(const Ipv4Address& address, std::uint16_t port) {
        listening.insert({address, port});
    }

    std::map<std::string, Ipv4Address> hosts;
    std::set<std::pair<Ipv4Address, std::uint16_t>> listening;
    bool socketsAvailable = true;
    std::vector<std::pair<Ipv4Address, std::uint16_t>> connections; // every attempt
};

// Parses "a.b.c.d" with four decimal parts of 0 to 255.
std::optional<Ipv4Address> parseDottedAddress(const std::string& text);

} // namespace platform
