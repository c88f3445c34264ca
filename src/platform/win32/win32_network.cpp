#include "platform/win32/win32_network.h"

#include "platform/http_address.h"
#include "platform/win32/inet_transfer.h"
#include "platform/win32/socket_steps.h"
#include "platform/win32/socket_transfer.h"

#include <cstring>

namespace platform {

namespace {

// A dead server must not keep the window waiting for the system's twenty-odd seconds.
constexpr std::chrono::seconds kConnectLimit{4};

// Connect, send and each wait for the answer of a request give up after this; the request as
// a whole too.
const TransferLimits kRequestLimits{std::chrono::milliseconds(5000),
                                    std::chrono::milliseconds(5000),
                                    std::chrono::milliseconds(20000)};

bool isIpv4(const hostent* entry) {
    return entry && entry->h_addrtype == AF_INET && entry->h_length == 4 && entry->h_addr_list;
}

} // namespace

std::optional<Ipv4Address> Win32Network::resolveHost(const std::string& host) {
    SocketsSession session;
    if (!session.started()) return std::nullopt;
    hostent* entry = gethostbyname(host.c_str());
    if (!isIpv4(entry) || !entry->h_addr_list[0]) return std::nullopt;
    Ipv4Address address;
    std::memcpy(address.data(), entry->h_addr_list[0], 4);
    return address;
}

bool Win32Network::connectTcp(const Ipv4Address& address, std::uint16_t port,
                              DownloadStatus* status) {
    SocketsSession session;
    if (!session.started()) return false;
    Socket s;
    if (!s.valid()) return false;
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    std::memcpy(&target.sin_addr, address.data(), 4);
    return connectBefore(s.get(), target, SteadyClock::now() + kConnectLimit, status);
}

std::vector<Ipv4Address> Win32Network::localAddresses() {
    SocketsSession session;
    std::vector<Ipv4Address> addresses;
    if (!session.started()) return addresses;
    char name[64] = {};
    if (gethostname(name, sizeof name) != 0) return addresses;
    hostent* entry = gethostbyname(name);
    if (!isIpv4(entry)) return addresses;
    for (char** a = entry->h_addr_list; *a; ++a) {
        Ipv4Address address;
        std::memcpy(address.data(), *a, 4);
        addresses.push_back(address);
    }
    return addresses;
}

bool Win32Network::downloadToFile(const std::string& url, const std::string& file,
                                  std::uint64_t maxBytes, DownloadStatus* status) {
    const auto address = parseHttpAddress(url);
    if (!address) return false;
    if (address->secure) return inetDownload(*address, file, maxBytes, status, downloadLimits_);
    return socketDownload(*address, file, maxBytes, status, downloadLimits_);
}

bool Win32Network::requestUrl(const std::string& url, DownloadStatus* status) {
    const auto address = parseHttpAddress(url);
    if (!address) return false;
    if (address->secure) return inetRequest(*address, status, kRequestLimits);
    return socketRequest(*address, status, kRequestLimits);
}

} // namespace platform
