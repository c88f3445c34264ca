// Name lookup, connections and downloads for tests: known host names, listening addresses and
// ports, and the files that addresses serve.
#pragma once

#include "platform/file_system.h"
#include "platform/network.h"

#include <map>
#include <set>
#include <utility>
#include <vector>

namespace platform {

class FakeNetwork : public Network {
  public:
    // Downloads are written into files when given.
    explicit FakeNetwork(FileSystem* files = nullptr);

    // Host names are looked up without regard to case; dotted addresses resolve to themselves.
    std::optional<Ipv4Address> resolveHost(const std::string& host) override;
    bool connectTcp(const Ipv4Address& address, std::uint16_t port,
                    DownloadStatus* status) override;
    std::vector<Ipv4Address> localAddresses() override { return ownAddresses; }
    // Serves the bodies of `served`, reporting the statuses of a download with a known length
    // and one wait while connecting; any other address, a body above maxBytes and a cancel
    // during the wait fail after connecting.
    bool downloadToFile(const std::string& url, const std::string& file, std::uint64_t maxBytes,
                        DownloadStatus* status) override;
    // Accepted while acceptRequests holds.
    bool requestUrl(const std::string& url, DownloadStatus* status) override;

    // Test setup.
    void addHost(const std::string& name, const Ipv4Address& address);
    void listen(const Ipv4Address& address, std::uint16_t port) {
        listening.insert({address, port});
    }

    std::map<std::string, Ipv4Address> hosts;
    std::set<std::pair<Ipv4Address, std::uint16_t>> listening;
    bool socketsAvailable = true;
    std::vector<std::pair<Ipv4Address, std::uint16_t>> connections; // every attempt
    std::vector<Ipv4Address> ownAddresses;
    std::map<std::string, std::string> served; // address -> body
    bool acceptRequests = true;
    std::vector<std::string> requests;         // every download and request, in order
    std::vector<std::uint64_t> downloadLimits; // the maxBytes of every download, in order

  private:
    FileSystem* files_;
};

// Parses "a.b.c.d" with four decimal parts of 0 to 255.
std::optional<Ipv4Address> parseDottedAddress(const std::string& text);

} // namespace platform
