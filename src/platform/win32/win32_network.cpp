#include "platform/win32/win32_network.h"

#include "platform/http_answer.h"
#include "platform/text_case.h"

#include <winsock2.h>

#include <chrono>
#include <cstring>

namespace platform {

namespace {

// A dead server must not freeze the window for the system's twenty-odd seconds.
constexpr long kConnectTimeoutSeconds = 4;

// Starts the sockets library (version 1.1) for the lifetime of one operation.
class SocketsSession {
  public:
    SocketsSession() {
        WSADATA data;
        started_ = WSAStartup(MAKEWORD(1, 1), &data) == 0;
    }
    ~SocketsSession() {
        if (started_) WSACleanup();
    }
    SocketsSession(const SocketsSession&) = delete;
    SocketsSession& operator=(const SocketsSession&) = delete;
    bool started() const { return started_; }

  private:
    bool started_ = false;
};

bool isIpv4(const hostent* entry) {
    return entry && entry->h_addrtype == AF_INET && entry->h_length == 4 && entry->h_addr_list;
}

using Clock = std::chrono::steady_clock;

enum class Ready { yes, failed, timedOut };

// Waits until the socket can be written (or read) or has failed, at most until the deadline.
// The wait is cut into slices; between them status, when given, keeps the window alive.
Ready waitFor(SOCKET s, bool write, Clock::time_point deadline, DownloadStatus* status) {
    for (;;) {
        fd_set ready, failed;
        FD_ZERO(&ready);
        FD_ZERO(&failed);
        FD_SET(s, &ready);
        FD_SET(s, &failed);
        timeval slice{0, 50000};
        const int n =
            select(0, write ? nullptr : &ready, write ? &ready : nullptr, &failed, &slice);
        if (n < 0) return Ready::failed;
        if (n > 0) return FD_ISSET(s, &failed) ? Ready::failed : Ready::yes;
        if (status) status->waiting();
        if (Clock::now() >= deadline) return Ready::timedOut;
    }
}

// Makes the socket non-blocking and connects it, waiting at most until the deadline.
bool connectBefore(SOCKET s, const sockaddr_in& target, Clock::time_point deadline,
                   DownloadStatus* status) {
    u_long nonBlocking = 1;
    if (ioctlsocket(s, FIONBIO, &nonBlocking) != 0) return false;
    if (connect(s, reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0) return true;
    if (WSAGetLastError() != WSAEWOULDBLOCK) return false;
    if (waitFor(s, true, deadline, status) != Ready::yes) return false;
    int error = 0;
    int size = sizeof error;
    if (getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) != 0) {
        return false;
    }
    return error == 0;
}

// Closes a socket when it goes out of scope.
struct SocketHandle {
    SOCKET s;
    ~SocketHandle() {
        if (s != INVALID_SOCKET) closesocket(s);
    }
};

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

bool Win32Network::connectTcp(const Ipv4Address& address, std::uint16_t port) {
    SocketsSession session;
    if (!session.started()) return false;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) return false;
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    std::memcpy(&target.sin_addr, address.data(), 4);
    const bool connected = connectBefore(
        s, target, Clock::now() + std::chrono::seconds(kConnectTimeoutSeconds), nullptr);
    closesocket(s);
    return connected;
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

namespace {

// Connect, send and receive of a request each give up after this; the request as a whole too.
const TransferLimits kRequestLimits{std::chrono::milliseconds(5000),
                                    std::chrono::milliseconds(5000),
                                    std::chrono::milliseconds(20000)};
// Only the status of a request's answer matters; this much of its body is read at most.
constexpr unsigned long kRequestReadLimit = 4096;
const char kAgent[] = "Mozilla/4.0 (compatible)";

Clock::time_point earlier(Clock::time_point a, Clock::time_point b) {
    return a < b ? a : b;
}

std::optional<sockaddr_in> targetOf(const HttpAddress& address) {
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(address.port);
    const unsigned long dotted = inet_addr(address.host.c_str());
    if (dotted != INADDR_NONE) {
        target.sin_addr.s_addr = dotted;
        return target;
    }
    hostent* entry = gethostbyname(address.host.c_str());
    if (!isIpv4(entry) || !entry->h_addr_list[0]) return std::nullopt;
    std::memcpy(&target.sin_addr, entry->h_addr_list[0], 4);
    return target;
}

// One GET over a connection of its own on the calling thread. Only the answer's status line is
// read; then the connection is closed at once, however much the server still sends (WinINet
// under Wine reads the rest of an announced body when its request is closed). Every wait is
// bounded and lets the window process its messages.
bool socketRequest(const HttpAddress& address, DownloadStatus* status) {
    const auto request = httpGetRequest(address, kAgent);
    if (!request) return false;
    SocketsSession session;
    if (!session.started()) return false;
    const auto start = Clock::now();
    const auto end = start + kRequestLimits.overall;
    const auto target = targetOf(address);
    if (!target) return false;
    SocketHandle s{socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)};
    if (s.s == INVALID_SOCKET) return false;
    if (!connectBefore(s.s, *target, earlier(start + kRequestLimits.connect, end), status)) {
        return false;
    }
    std::size_t sent = 0;
    while (sent < request->size()) {
        const int n =
            send(s.s, request->data() + sent, static_cast<int>(request->size() - sent), 0);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (WSAGetLastError() != WSAEWOULDBLOCK ||
                   waitFor(s.s, true, earlier(Clock::now() + kRequestLimits.quiet, end), status) !=
                       Ready::yes) {
            return false;
        }
    }
    std::string answer;
    char buffer[512];
    while (answerStatus(answer) == 0 && answer.size() < kRequestReadLimit) {
        if (waitFor(s.s, false, earlier(Clock::now() + kRequestLimits.quiet, end), status) !=
            Ready::yes) {
            return false;
        }
        const int n = recv(s.s, buffer, sizeof buffer, 0);
        if (n == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK) continue;
        if (n <= 0) break;
        answer.append(buffer, static_cast<std::size_t>(n));
    }
    const std::uint32_t code = answerStatus(answer);
    return code >= 200 && code < 300;
}

} // namespace

bool Win32Network::downloadToFile(const std::string& url, const std::string& file,
                                  DownloadStatus* status) {
    return inetDownload(url, file, status, downloadLimits_);
}

bool Win32Network::requestUrl(const std::string& url, DownloadStatus* status) {
    // A plain HTTP address goes over a connection of the program's own; others (HTTPS) through
    // the system.
    if (const auto address = parseHttpAddress(url)) return socketRequest(*address, status);
    // A plain HTTP address that cannot be made a request of (a user part, a bad port) is not
    // sent another way.
    if (lowerCase(url.substr(0, 7)) == "http://") return false;
    return inetRequest(url, status, kRequestLimits, kRequestReadLimit);
}

} // namespace platform
