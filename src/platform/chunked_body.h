// A strict reader of a chunked HTTP body: hex chunk sizes (extensions allowed and ignored),
// each line and each chunk's data ended by CR LF, the body ended only by the zero-size chunk
// and the trailer's empty line. Anything else is a broken body, never a shorter one.
#pragma once

#include "platform/http_answer.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

class ChunkedDecoder {
  public:
    enum class State { more, ended, failed };

    // The data of all chunks together may not exceed limit bytes.
    explicit ChunkedDecoder(std::uint64_t limit) : limit_(limit) {}

    // Decodes the next received bytes and appends their data to body. After the end, or a
    // failure, the rest of the bytes is not looked at.
    State take(std::string_view bytes, std::string& body);

    State state() const { return state_; }
    // tooLarge or badChunk after a failure.
    AnswerFault fault() const { return fault_; }
    std::uint64_t decoded() const { return decoded_; }

  private:
    enum class Step {
        size,
        sizeBlank,
        extension,
        sizeEnd,
        data,
        dataCr,
        dataLf,
        trailerStart,
        trailer,
        trailerEnd,
        lastEnd
    };
    bool fail(AnswerFault fault);
    bool step(char c);

    std::uint64_t limit_;
    std::uint64_t decoded_ = 0;
    std::uint64_t chunkLeft_ = 0;
    std::size_t lineBytes_ = 0;
    std::size_t trailerBytes_ = 0;
    bool sizeDigits_ = false;
    Step step_ = Step::size;
    State state_ = State::more;
    AnswerFault fault_ = AnswerFault::none;
};

} // namespace platform
