// Reads one HTTP answer as it arrives and holds the one rule of every download: it counts only
// when the answer is a success (2xx), the end of its body can be told (an announced length or
// chunks), the body stays within the caller's limit, and that end arrived. An answer that
// cannot count fails as soon as its head says so, so that nothing more of it is read.
#pragma once

#include "platform/chunked_body.h"
#include "platform/http_answer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class AnswerReader {
  public:
    enum class State { head, body, complete, failed };

    // Reads the answer's bytes as they come from the connection, head first.
    explicit AnswerReader(std::uint64_t bodyLimit);
    // Reads a body that the system has already freed of its framing, behind the head the system
    // received. The system hides where chunks end, so a chunked answer fails at once.
    AnswerReader(std::string_view systemHead, std::uint64_t bodyLimit);

    // Takes the next received bytes; the body's bytes are appended to body.
    State take(std::string_view bytes, std::string& body);
    // The connection ended (or the system has no more data).
    State closed();

    State state() const { return state_; }
    AnswerFault fault() const { return fault_; }
    bool headArrived() const { return headArrived_; }
    const HttpAnswerHead& head() const { return head_; }
    std::uint64_t received() const { return received_; }
    // The announced body length; 0 when unknown.
    std::uint64_t total() const { return head_.framing == BodyFraming::length ? head_.length : 0; }

  private:
    State fail(AnswerFault fault);
    State judgeHead(bool systemDecoded);
    State takeBody(std::string_view bytes, std::string& body);

    std::uint64_t limit_;
    std::string headBytes_;
    HttpAnswerHead head_;
    std::optional<ChunkedDecoder> chunks_;
    std::uint64_t received_ = 0;
    bool headArrived_ = false;
    State state_ = State::head;
    AnswerFault fault_ = AnswerFault::none;
};

} // namespace platform
