#include "platform/win32/inet_transfer.h"

#include "platform/answer_reader.h"
#include "platform/win32/download_target.h"

#include <windows.h>

#include <wininet.h>

#include <chrono>
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

DWORD milliseconds(std::chrono::milliseconds limit) {
    return limit.count() <= 0 ? 1 : static_cast<DWORD>(limit.count());
}

void keepAlive(DownloadStatus* status) {
    if (status) status->waiting();
}

bool cancelled(DownloadStatus* status) {
    return status && status->cancelled();
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

// An open request whose answer's head has arrived. The limits are set on every handle, since
// the system copies a session's limits into the handles made from it when they are made.
struct OpenRequest {
    InternetHandle session, connection, request;
};

// Sends a GET of the address and waits for the answer's head. Nothing comes from or goes to
// the cache, so a list fetched before cannot stand in for the server's newest. The server is
// asked to close the connection afterwards: a connection kept for reuse is watched by a thread
// of the system's.
bool openAddress(const HttpAddress& address, const TransferLimits& limits, OpenRequest& open) {
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
    open.request.h = HttpOpenRequestA(open.connection.h, "GET", address.target.c_str(), nullptr,
                                      nullptr, nullptr, flags, 0);
    if (!open.request.h) return false;
    setLimits(open.request.h, limits);
    static const char kHeaders[] = "Connection: close\r\n";
    return HttpSendRequestA(open.request.h, kHeaders, sizeof kHeaders - 1, nullptr, 0) != FALSE;
}

// The head as the system received it: status line and fields.
std::string rawHead(HINTERNET request) {
    DWORD size = 0;
    HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, nullptr, &size, nullptr);
    if (size == 0 || size > kAnswerHeadLimit) return {};
    std::vector<char> buffer(size + 1, '\0');
    if (!HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, buffer.data(), &size, nullptr)) {
        return {};
    }
    return std::string(buffer.data(), size);
}

// Reads the body into the target until the reader has all of it or the system has no more;
// false on a read or write error or the overall limit.
bool receiveBody(HINTERNET request, DownloadTarget& out, AnswerReader& reader,
                 Clock::time_point start, const TransferLimits& limits, DownloadStatus* status) {
    std::vector<char> buffer(64 * 1024);
    std::string body;
    while (reader.state() == AnswerReader::State::body) {
        if (Clock::now() - start > limits.overall || cancelled(status)) return false;
        // Waits (at most the quiet limit) until some of the body is there or it has ended, so
        // that the read after it returns at once and the window gets its turn after every piece.
        DWORD available = 0;
        if (!InternetQueryDataAvailable(request, &available, 0, 0)) return false;
        DWORD got = 0;
        const DWORD want =
            available < buffer.size() ? available : static_cast<DWORD>(buffer.size());
        if (available > 0 && !InternetReadFile(request, buffer.data(), want, &got)) return false;
        body.clear();
        if (got == 0) {
            reader.closed();
        } else {
            reader.take(std::string_view(buffer.data(), got), body);
        }
        if (!out.write(body)) return false;
        reportDownload(status, reader.received(), reader.total(), bindstatus::downloadingData);
    }
    return reader.state() == AnswerReader::State::complete;
}

} // namespace

bool inetDownload(const HttpAddress& address, const std::string& file, std::uint64_t maxBytes,
                  DownloadStatus* status, const TransferLimits& limits) {
    const auto start = Clock::now();
    DownloadTarget out(file);
    if (!out.opened()) return false;
    reportDownload(status, 0, 0, bindstatus::connecting);
    OpenRequest open;
    if (!openAddress(address, limits, open) || cancelled(status)) return false;
    AnswerReader reader(rawHead(open.request.h), maxBytes);
    if (reader.state() == AnswerReader::State::failed) return false;
    reportDownload(status, 0, reader.total(), bindstatus::beginDownloadData);
    if (!receiveBody(open.request.h, out, reader, start, limits, status)) return false;
    reportDownload(status, reader.received(), reader.received(), bindstatus::endDownloadData);
    return out.replaceTarget();
}

bool inetRequest(const HttpAddress& address, DownloadStatus* status, const TransferLimits& limits) {
    keepAlive(status);
    OpenRequest open;
    const bool opened = openAddress(address, limits, open);
    keepAlive(status);
    if (!opened) return false;
    AnswerReader reader(rawHead(open.request.h), 0);
    return reader.headArrived() && isSuccess(reader.head().status);
}

} // namespace platform
