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

namespace {

// Connect, send and receive of a request each give up after this.
constexpr DWORD kRequestStepLimitMs = 5000;
// Only the status of a request's answer matters; this much of its body is read at most.
constexpr DWORD kRequestReadLimit = 4096;
const TransferLimits kRequestLimits{std::chrono::milliseconds(20000),
                                    std::chrono::milliseconds(20000)};

std::string folderOf(const std::string& file) {
    const std::size_t sep = file.find_last_of("\\/");
    return sep == std::string::npos ? std::string(".") : file.substr(0, sep);
}

std::uint64_t fileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// Downloads into a new temporary file beside the target and puts it in the target's place
// only when the whole body of a success answer arrived, so a failure leaves the target alone.
void downloadWork(TransferJob& job, const std::string& url, const std::string& file) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    char temp[MAX_PATH] = {};
    if (GetTempFileNameA(folderOf(file).c_str(), "dl", 0, temp) == 0) {
        job.finish([] { return false; });
        if (SUCCEEDED(com)) CoUninitialize();
        return;
    }
    // A list fetched before must not come back from the cache instead of the server's newest.
    DeleteUrlCacheEntryA(url.c_str());
    bool complete = false;
    {
        BindStatusCallback callback(job);
        const HRESULT result = URLDownloadToFileA(nullptr, url.c_str(), temp, 0, &callback);
        complete = result == S_OK && transferComplete(callback.answer(), fileSize(temp));
    }
    job.finish([&] {
        return complete && MoveFileExA(temp, file.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    });
    if (!job.result()) DeleteFileA(temp);
    if (SUCCEEDED(com)) CoUninitialize();
}

void setStepLimits(HINTERNET handle) {
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                         INTERNET_OPTION_RECEIVE_TIMEOUT, INTERNET_OPTION_DATA_SEND_TIMEOUT,
                         INTERNET_OPTION_DATA_RECEIVE_TIMEOUT}) {
        DWORD limit = kRequestStepLimitMs;
        InternetSetOptionA(handle, option, &limit, sizeof limit);
    }
}

// Ends the job with the answer's verdict while the handles are still open: closing a request
// whose answer goes on may take the system a long time.
void requestWork(TransferJob& job, const std::string& url) {
    InternetHandle session{InternetOpenA("Mozilla/4.0 (compatible)", INTERNET_OPEN_TYPE_PRECONFIG,
                                         nullptr, nullptr, 0)};
    if (!session.h) return;
    setStepLimits(session.h);
    InternetHandle request{InternetOpenUrlA(session.h, url.c_str(), nullptr, 0,
                                            INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                                                INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_NO_UI,
                                            0)};
    if (!request.h || job.cancelled()) return;
    DWORD code = 0;
    DWORD size = sizeof code;
    if (!HttpQueryInfoA(request.h, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &code, &size,
                        nullptr)) {
        return;
    }
    // A little of the body, so the server sees its answer taken; an endless or huge answer
    // is cut off here.
    char buffer[kRequestReadLimit];
    DWORD read = 0;
    InternetReadFile(request.h, buffer, sizeof buffer, &read);
    job.finish([code] { return code >= 200 && code < 300; });
}

} // namespace

bool Win32Network::downloadToFile(const std::string& url, const std::string& file,
                                  DownloadStatus* status) {
    return runTransfer([url, file](TransferJob& job) { downloadWork(job, url, file); }, status,
                       downloadLimits_);
}

bool Win32Network::requestUrl(const std::string& url, DownloadStatus* status) {
    return runTransfer([url](TransferJob& job) { requestWork(job, url); }, status, kRequestLimits);
}

} // namespace platform
