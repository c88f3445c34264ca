#include "platform/fake/fake_network.h"

#include "platform/text_case.h"

namespace platform {

std::optional<Ipv4Address> parseDottedAddress(const std::string& text) {
    Ipv4Address address{};
    std::size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (pos >= text.size() || text[pos] != '.') return std::nullopt;
            ++pos;
        }
        unsigned value = 0;
        std::size_t digits = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits < 4) {
            value = value * 10 + static_cast<unsigned>(text[pos] - '0');
            ++pos;
            ++digits;
        }
        if (digits == 0 || digits > 3 || value > 255) return std::nullopt;
        address[static_cast<std::size_t>(part)] = static_cast<std::uint8_t>(value);
    }
    if (pos != text.size()) return std::nullopt;
    return address;
}

FakeNetwork::FakeNetwork(FileSystem* files) : files_(files) {
    addHost("localhost", {127, 0, 0, 1});
}

bool FakeNetwork::downloadToFile(const std::string& url, const std::string& file,
                                 std::uint64_t maxBytes, DownloadStatus* status) {
    requests.push_back(url);
    downloadLimits.push_back(maxBytes);
    auto report = [status](std::uint32_t done, std::uint32_t total, std::uint32_t code) {
        if (status) status->onProgress(done, total, code, "");
    };
    report(0, 0, bindstatus::findingResource);
    report(0, 0, bindstatus::connecting);
    if (status) status->waiting();
    if (status && status->cancelled()) return false;
    auto it = served.find(url);
    if (it == served.end() || it->second.size() > maxBytes) return false;
    const auto size = static_cast<std::uint32_t>(it->second.size());
    report(0, size, bindstatus::beginDownloadData);
    report(size, size, bindstatus::downloadingData);
    report(size, size, bindstatus::endDownloadData);
    return files_ && files_->writeFile(file, it->second);
}

bool FakeNetwork::requestUrl(const std::string& url, DownloadStatus* status) {
    requests.push_back(url);
    if (status) status->waiting();
    return acceptRequests;
}

std::optional<Ipv4Address> FakeNetwork::resolveHost(const std::string& host) {
    if (!socketsAvailable) return std::nullopt;
    if (auto dotted = parseDottedAddress(host)) return dotted;
    auto it = hosts.find(lowerCase(host));
    if (it == hosts.end()) return std::nullopt;
    return it->second;
}

bool FakeNetwork::connectTcp(const Ipv4Address& address, std::uint16_t port,
                             DownloadStatus* status) {
    if (!socketsAvailable) return false;
    if (status) status->waiting();
    connections.push_back({address, port});
    return listening.count({address, port}) > 0;
}

void FakeNetwork::addHost(const std::string& name, const Ipv4Address& address) {
    hosts[lowerCase(name)] = address;
}

} // namespace platform
