// Feeds arbitrary bytes, as a server's answer, to the reader of HTTP answers: whole, and again
// in pieces whose sizes the first byte picks. The body never exceeds the limit, the reader
// counts what it handed out, and where the bytes are split never changes the verdict.
#include "platform/answer_reader.h"

#include <cstdlib>
#include <string>

namespace {

struct Verdict {
    platform::AnswerReader::State state;
    platform::AnswerFault fault;
    std::string body;
};

Verdict read(std::string_view answer, std::size_t piece, std::uint64_t limit) {
    platform::AnswerReader reader(limit);
    std::string body;
    for (std::size_t at = 0; at < answer.size(); at += piece) {
        if (reader.state() == platform::AnswerReader::State::failed) break;
        reader.take(answer.substr(at, piece), body);
    }
    if (body.size() > limit || reader.received() != body.size()) std::abort();
    reader.closed();
    return {reader.state(), reader.fault(), body};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string_view answer(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::uint64_t limit = 4096;
    const Verdict whole = read(answer, answer.size() + 1, limit);
    const Verdict split = read(answer, static_cast<std::size_t>(data[0] % 16) + 1, limit);
    if (whole.state != split.state || whole.fault != split.fault) std::abort();
    if (whole.fault != platform::AnswerFault::tooLarge && whole.body != split.body) std::abort();
    return 0;
}
