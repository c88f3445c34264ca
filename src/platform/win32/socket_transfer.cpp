#include "platform/win32/socket_transfer.h"

#include "platform/answer_reader.h"
#include "platform/win32/download_target.h"
#include "platform/win32/socket_steps.h"

#include <vector>

namespace platform {
namespace {

const char kAgent[] = "Mozilla/4.0 (compatible)";

// A connection over which the GET of an address has been sent.
class Exchange {
  public:
    Exchange(const HttpAddress& address, DownloadStatus* status, const TransferLimits& limits)
        : status_(status), limits_(limits), end_(SteadyClock::now() + limits.overall) {
        const auto request = httpGetRequest(address, kAgent);
        if (!request || !session_.started() || !socket_.valid()) return;
        const auto target = socketTarget(address.host, address.port);
        if (!target) return;
        const auto start = SteadyClock::now();
        sent_ =
            connectBefore(socket_.get(), *target, earlier(start + limits.connect, end_), status) &&
            sendAll(socket_.get(), *request, limits.quiet, end_, status);
        // The window gets its turn after every step, not only while a step waits.
        if (status) status->waiting();
    }

    bool sent() const { return sent_; }

    // Waits (at most the quiet limit, never past the overall one) for the next bytes of the
    // answer and hands them to the reader; false when nothing more can come.
    bool receive(AnswerReader& reader, std::string& body) {
        for (;;) {
            const auto deadline = earlier(SteadyClock::now() + limits_.quiet, end_);
            if (waitFor(socket_.get(), false, deadline, status_) != Ready::yes) return false;
            const int n = recv(socket_.get(), buffer_.data(), static_cast<int>(buffer_.size()), 0);
            if (n == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK) continue;
            if (n < 0) return false;
            if (n == 0) {
                reader.closed();
            } else {
                reader.take(std::string_view(buffer_.data(), static_cast<std::size_t>(n)), body);
            }
            if (status_) status_->waiting();
            return true;
        }
    }

  private:
    DownloadStatus* status_;
    TransferLimits limits_;
    SteadyClock::time_point end_;
    SocketsSession session_;
    Socket socket_;
    std::vector<char> buffer_ = std::vector<char>(64 * 1024);
    bool sent_ = false;
};

bool receiving(const AnswerReader& reader) {
    return reader.state() == AnswerReader::State::head ||
           reader.state() == AnswerReader::State::body;
}

} // namespace

bool socketDownload(const HttpAddress& address, const std::string& file, std::uint64_t maxBytes,
                    DownloadStatus* status, const TransferLimits& limits) {
    DownloadTarget out(file);
    if (!out.opened()) return false;
    reportDownload(status, 0, 0, bindstatus::connecting);
    Exchange exchange(address, status, limits);
    if (!exchange.sent()) return false;
    AnswerReader reader(maxBytes);
    std::string body;
    bool begun = false;
    while (receiving(reader)) {
        body.clear();
        if (!exchange.receive(reader, body)) return false;
        if (reader.state() == AnswerReader::State::failed) return false;
        if (!begun && reader.headArrived()) {
            reportDownload(status, 0, reader.total(), bindstatus::beginDownloadData);
            begun = true;
        }
        if (!out.write(body)) return false;
        if (!body.empty()) {
            reportDownload(status, reader.received(), reader.total(), bindstatus::downloadingData);
        }
    }
    if (reader.state() != AnswerReader::State::complete) return false;
    reportDownload(status, reader.received(), reader.received(), bindstatus::endDownloadData);
    return out.replaceTarget();
}

bool socketRequest(const HttpAddress& address, DownloadStatus* status,
                   const TransferLimits& limits) {
    Exchange exchange(address, status, limits);
    if (!exchange.sent()) return false;
    // Only the head matters; the body is never read.
    AnswerReader reader(0);
    std::string body;
    while (!reader.headArrived() && receiving(reader)) {
        if (!exchange.receive(reader, body)) return false;
    }
    return reader.headArrived() && isSuccess(reader.head().status);
}

} // namespace platform
