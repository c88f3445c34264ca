#include "platform/win32/inet_transfer.h"

#include "platform/http_answer.h"

#include <windows.h>

#include <wininet.h>

#include <cstdint>
#include <vector>

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;

// Closes a WinINet handle when it goes out of scope.
struct InternetHandle {
    HINTERNET h = nullptr;
    InternetHandle() = default;
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    ~InternetHandle() {
        if (h) InternetCloseHandle(h);
    }
};

// Deletes a temporary file unless it was put in place.
struct TemporaryFile {
    std::string path;
    bool kept = false;
    ~TemporaryFile() {
        if (!path.empty() && !kept) DeleteFileA(path.c_str());
    }
};

struct FileHandle {
    HANDLE h;
    ~FileHandle() {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};

DWORD milliseconds(std::chrono::milliseconds limit) {
    return limit.count() <= 0 ? 1 : static_cast<DWORD>(limit.count());
}

void report(DownloadStatus* status, std::uint64_t progress, std::uint64_t total,
            std::uint32_t code) {
    if (!status) return;
    // The status hears 32-bit counts; a larger total is scaled down with the progress.
    while (total > 0xFFFFFFFFu) {
        total >>= 1;
        progress >>= 1;
    }
    status->onProgress(static_cast<std::uint32_t>(progress), static_cast<std::uint32_t>(total),
                       code, {});
    // Not every status processes the window's messages on a report; each does on waiting().
    status->waiting();
}

void keepAlive(DownloadStatus* status) {
    if (status) status->waiting();
}

// Gives every blocking step of the handle and of the handles made from it the limits.
void setLimits(HINTERNET handle, const TransferLimits& limits) {
    const struct {
        DWORD option, value;
    } settings[] = {
        {INTERNET_OPTION_CONNECT_TIMEOUT, milliseconds(limits.connect)},
        {INTERNET_OPTION_CONNECT_RETRIES, 1},
        {INTERNET_OPTION_SEND_TIMEOUT, milliseconds(limits.quiet)},
        {INTERNET_OPTION_RECEIVE_TIMEOUT, milliseconds(limits.quiet)},
        {INTERNET_OPTION_DATA_SEND_TIMEOUT, milliseconds(limits.quiet)},
        {INTERNET_OPTION_DATA_RECEIVE_TIMEOUT, milliseconds(limits.quiet)},
    };
    for (const auto& s : settings) {
        DWORD value = s.value;
        InternetSetOptionA(handle, s.option, &value, sizeof value);
    }
}

// The parts of an address that a request is made from.
struct Address {
    std::string host, path;
    INTERNET_PORT port = 0;
    bool secure = false;
};

bool crackAddress(const std::string& url, Address& out) {
    if (url.size() > 4096) return false;
    std::vector<char> host(url.size() + 1), path(url.size() + 1), extra(url.size() + 1);
    URL_COMPONENTSA parts{};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = host.data();
    parts.dwHostNameLength = static_cast<DWORD>(host.size());
    parts.lpszUrlPath = path.data();
    parts.dwUrlPathLength = static_cast<DWORD>(path.size());
    parts.lpszExtraInfo = extra.data();
    parts.dwExtraInfoLength = static_cast<DWORD>(extra.size());
    if (!InternetCrackUrlA(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts)) return false;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) {
        return false;
    }
    out.host.assign(host.data(), parts.dwHostNameLength);
    std::string target(path.data(), parts.dwUrlPathLength);
    target.append(extra.data(), parts.dwExtraInfoLength);
    // A fragment names a place in the answer and is never sent.
    target = target.substr(0, target.find('#'));
    out.path = target.empty() ? std::string(1, '/') : std::move(target);
    out.port = parts.nPort;
    out.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    return !out.host.empty();
}

// An open request whose answer's head has arrived. The limits are set on every handle, since
// the system copies a session's limits into the handles made from it when they are made.
struct OpenRequest {
    InternetHandle session, connection, request;
};

// Sends a GET of the address and waits for the answer's head. Nothing comes from or goes to
// the cache, so a list fetched before cannot stand in for the server's newest. The server is
// asked to close the connection afterwards: a connection kept for reuse is watched by a thread
// of the system's.
bool openAddress(const std::string& url, const TransferLimits& limits, OpenRequest& open) {
    Address address;
    if (!crackAddress(url, address)) return false;
    open.session.h = InternetOpenA("Mozilla/4.0 (compatible)", INTERNET_OPEN_TYPE_PRECONFIG,
                                   nullptr, nullptr, 0);
    if (!open.session.h) return false;
    setLimits(open.session.h, limits);
    open.connection.h = InternetConnectA(open.session.h, address.host.c_str(), address.port,
                                         nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0);
    if (!open.connection.h) return false;
    setLimits(open.connection.h, limits);
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                  INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_COOKIES;
    if (address.secure) flags |= INTERNET_FLAG_SECURE;
    open.request.h = HttpOpenRequestA(open.connection.h, "GET", address.path.c_str(), nullptr,
                                      nullptr, nullptr, flags, 0);
    if (!open.request.h) return false;
    setLimits(open.request.h, limits);
    static const char kHeaders[] = "Connection: close\r\n";
    return HttpSendRequestA(open.request.h, kHeaders, sizeof kHeaders - 1, nullptr, 0) != FALSE;
}

std::uint32_t statusCode(HINTERNET request) {
    DWORD code = 0;
    DWORD size = sizeof code;
    if (!HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &code, &size,
                        nullptr)) {
        return 0;
    }
    return code;
}

HttpAnswerHead answerHead(HINTERNET request) {
    const std::uint32_t code = statusCode(request);
    DWORD size = 0;
    HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, nullptr, &size, nullptr);
    std::string raw;
    if (size > 0 && size < 1u << 20) {
        std::vector<char> buffer(size + 1, '\0');
        if (HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, buffer.data(), &size, nullptr)) {
            raw.assign(buffer.data(), size);
        }
    }
    return parseAnswerHead(code, raw);
}

std::string folderOf(const std::string& file) {
    const std::size_t sep = file.find_last_of("\\/");
    return sep == std::string::npos ? std::string(".") : file.substr(0, sep);
}

// Reads the body into the open file until the server ends it; false on a read or write error,
// a body longer than announced, or the overall limit.
bool receiveBody(HINTERNET request, HANDLE out, const HttpAnswerHead& head, Clock::time_point start,
                 const TransferLimits& limits, DownloadStatus* status, std::uint64_t& received) {
    const std::uint64_t total = head.length.value_or(0);
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        if (Clock::now() - start > limits.overall) return false;
        // Waits (at most the quiet limit) until some of the body is there or it has ended, so
        // that the read after it returns at once and the window gets its turn after every piece.
        DWORD available = 0;
        if (!InternetQueryDataAvailable(request, &available, 0, 0)) return false;
        if (available == 0) return true;
        DWORD got = 0;
        const DWORD want =
            available < buffer.size() ? available : static_cast<DWORD>(buffer.size());
        if (!InternetReadFile(request, buffer.data(), want, &got)) return false;
        if (got == 0) return true;
        DWORD written = 0;
        if (!WriteFile(out, buffer.data(), got, &written, nullptr) || written != got) return false;
        received += got;
        if (head.length && received > *head.length) return false;
        report(status, received, total, bindstatus::downloadingData);
    }
}

} // namespace

bool inetDownload(const std::string& url, const std::string& file, DownloadStatus* status,
                  const TransferLimits& limits) {
    const auto start = Clock::now();
    char tempName[MAX_PATH] = {};
    if (GetTempFileNameA(folderOf(file).c_str(), "dl", 0, tempName) == 0) return false;
    TemporaryFile temp{tempName};

    report(status, 0, 0, bindstatus::connecting);
    OpenRequest open;
    if (!openAddress(url, limits, open)) return false;
    const HINTERNET request = open.request.h;
    const HttpAnswerHead head = answerHead(request);
    if (head.status < 200 || head.status > 299) return false;
    report(status, 0, head.length.value_or(0), bindstatus::beginDownloadData);

    std::uint64_t received = 0;
    {
        FileHandle out{CreateFileA(temp.path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr)};
        if (out.h == INVALID_HANDLE_VALUE) return false;
        if (!receiveBody(request, out.h, head, start, limits, status, received)) return false;
    }
    if (!transferComplete(head, received)) return false;
    report(status, received, head.length.value_or(received), bindstatus::endDownloadData);
    temp.kept = MoveFileExA(temp.path.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    return temp.kept;
}

bool inetRequest(const std::string& url, DownloadStatus* status, const TransferLimits& limits,
                 unsigned long readLimit) {
    keepAlive(status);
    OpenRequest open;
    const bool opened = openAddress(url, limits, open);
    keepAlive(status);
    if (!opened) return false;
    const HINTERNET request = open.request.h;
    const std::uint32_t code = statusCode(request);
    // A little of the body, so the server sees its answer taken; an endless or huge answer is
    // cut off here.
    // Only what is there already: a blocking read waits until its whole buffer is filled.
    DWORD available = 0;
    if (readLimit > 0 && InternetQueryDataAvailable(request, &available, 0, 0) && available > 0) {
        std::vector<char> buffer(available < readLimit ? available : readLimit);
        DWORD got = 0;
        InternetReadFile(request, buffer.data(), static_cast<DWORD>(buffer.size()), &got);
    }
    keepAlive(status);
    return code >= 200 && code < 300;
}

} // namespace platform
