#include "platform/win32/win32_network.h"

#include "platform/win32/bind_status_callback.h"

#include <winsock2.h>

#include <urlmon.h>
#include <wininet.h>

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

// Connects without blocking and waits at most the time-out for the connection to complete.
bool connectWithTimeout(SOCKET s, const sockaddr_in& target) {
    u_long nonBlocking = 1;
    if (ioctlsocket(s, FIONBIO, &nonBlocking) != 0) return false;
    if (connect(s, reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0) return true;
    if (WSAGetLastError() != WSAEWOULDBLOCK) return false;
    fd_set writable, failed;
    FD_ZERO(&writable);
    FD_ZERO(&failed);
    FD_SET(s, &writable);
    FD_SET(s, &failed);
    timeval limit{kConnectTimeoutSeconds, 0};
    if (select(0, nullptr, &writable, &failed, &limit) <= 0) return false;
    if (FD_ISSET(s, &failed)) return false;
    int error = 0;
    int size = sizeof error;
    if (getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) != 0) {
        return false;
    }
    return error == 0 && FD_ISSET(s, &writable);
}

// Closes a WinINet handle when it goes out of scope.
struct InternetHandle {
    HINTERNET h;
    ~InternetHandle() {
        if (h) InternetCloseHandle(h);
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
    const bool connected = connectWithTimeout(s, target);
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

bool Win32Network::downloadToFile(const std::string& url, const std::string& file,
                                  DownloadStatus* status) {
    // A list fetched before must not come back from the cache instead of the server's newest.
    DeleteUrlCacheEntryA(url.c_str());
    BindStatusCallback callback(status);
    if (URLDownloadToFileA(nullptr, url.c_str(), file.c_str(), 0, &callback) != S_OK) return false;
    if (callback.complete()) return true;
    // An error page or a broken transfer must not stay behind as the file asked for.
    DeleteFileA(file.c_str());
    return false;
}

bool Win32Network::requestUrl(const std::string& url) {
    InternetHandle session{InternetOpenA("Mozilla/4.0 (compatible)", INTERNET_OPEN_TYPE_PRECONFIG,
                                         nullptr, nullptr, 0)};
    if (!session.h) return false;
    InternetHandle request{InternetOpenUrlA(
        session.h, url.c_str(), nullptr, 0,
        INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_UI, 0)};
    if (!request.h) return false;
    DWORD code = 0;
    DWORD size = sizeof code;
    if (!HttpQueryInfoA(request.h, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &code, &size,
                        nullptr)) {
        return false;
    }
    char buffer[4096];
    DWORD read = 0;
    while (InternetReadFile(request.h, buffer, sizeof buffer, &read) && read > 0) {
    }
    return code >= 200 && code < 300;
}

} // namespace platform
