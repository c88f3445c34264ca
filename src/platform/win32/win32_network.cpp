#include "platform/win32/win32_network.h"

#include <winsock2.h>

#include <cstring>

namespace platform {

namespace {

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

} // namespace

std::optional<Ipv4Address> Win32Network::resolveHost(const std::string& host) {
    SocketsSession session;
    if (!session.started()) return std::nullopt;
    hostent* entry = gethostbyname(host.c_str());
    if (!entry || entry->h_addrtype != AF_INET || entry->h_length != 4 || !entry->h_addr_list ||
        !entry->h_addr_list[0])
        return std::nullopt;
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
    bool connected = connect(s, reinterpret_cast<sockaddr*>(&target), sizeof target) == 0;
    closesocket(s);
    return connected;
}

} // namespace platform
