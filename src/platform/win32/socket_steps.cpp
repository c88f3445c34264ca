#include "platform/win32/socket_steps.h"

#include <cstring>

namespace platform {

SocketsSession::SocketsSession() {
    WSADATA data;
    started_ = WSAStartup(MAKEWORD(1, 1), &data) == 0;
}

SocketsSession::~SocketsSession() {
    if (started_) WSACleanup();
}

Socket::Socket() : s_(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)) {}

Socket::~Socket() {
    if (s_ != INVALID_SOCKET) closesocket(s_);
}

SteadyClock::time_point earlier(SteadyClock::time_point a, SteadyClock::time_point b) {
    return a < b ? a : b;
}

Ready waitFor(SOCKET s, bool write, SteadyClock::time_point deadline, DownloadStatus* status) {
    for (;;) {
        if (status && status->cancelled()) return Ready::cancelled;
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
        if (SteadyClock::now() >= deadline) return Ready::timedOut;
    }
}

bool connectBefore(SOCKET s, const sockaddr_in& target, SteadyClock::time_point deadline,
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

std::optional<sockaddr_in> socketTarget(const std::string& host, std::uint16_t port) {
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    const unsigned long dotted = inet_addr(host.c_str());
    if (dotted != INADDR_NONE) {
        target.sin_addr.s_addr = dotted;
        return target;
    }
    hostent* entry = gethostbyname(host.c_str());
    if (!entry || entry->h_addrtype != AF_INET || entry->h_length != 4 || !entry->h_addr_list ||
        !entry->h_addr_list[0]) {
        return std::nullopt;
    }
    std::memcpy(&target.sin_addr, entry->h_addr_list[0], 4);
    return target;
}

bool sendAll(SOCKET s, const std::string& bytes, std::chrono::milliseconds quiet,
             SteadyClock::time_point deadline, DownloadStatus* status) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const int n = send(s, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (WSAGetLastError() != WSAEWOULDBLOCK ||
                   waitFor(s, true, earlier(SteadyClock::now() + quiet, deadline), status) !=
                       Ready::yes) {
            return false;
        }
    }
    return true;
}

} // namespace platform
