#include "platform/chunked_body.h"

#include <algorithm>

namespace platform {
namespace {

// A size line (digits and extensions) and the trailer may each be this long at most.
constexpr std::size_t kSizeLineLimit = 1024;
constexpr std::size_t kTrailerLimit = 16 * 1024;

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool isLineText(unsigned char c) {
    return c == '\t' || (c >= 0x20 && c != 0x7F);
}

} // namespace

bool ChunkedDecoder::fail(AnswerFault fault) {
    state_ = State::failed;
    fault_ = fault;
    return false;
}

// One byte of framing (everything but a chunk's data); false when the body is broken.
bool ChunkedDecoder::step(char c) {
    const auto u = static_cast<unsigned char>(c);
    switch (step_) {
    case Step::size:
    case Step::sizeBlank:
    case Step::extension:
        if (++lineBytes_ > kSizeLineLimit) return fail(AnswerFault::badChunk);
        if (step_ == Step::size && hexValue(c) >= 0) {
            // Checked before it grows: a size beyond the limit fails, whatever its digits.
            const std::uint64_t room = limit_ - decoded_;
            if (chunkLeft_ > (room >> 4)) return fail(AnswerFault::tooLarge);
            chunkLeft_ = chunkLeft_ * 16 + static_cast<std::uint64_t>(hexValue(c));
            if (chunkLeft_ > room) return fail(AnswerFault::tooLarge);
            sizeDigits_ = true;
            return true;
        }
        if (!sizeDigits_) return fail(AnswerFault::badChunk);
        if (c == '\r') {
            step_ = Step::sizeEnd;
        } else if (step_ == Step::extension) {
            if (!isLineText(u)) return fail(AnswerFault::badChunk);
        } else if (c == ';') {
            step_ = Step::extension;
        } else if (c == ' ' || c == '\t') {
            step_ = Step::sizeBlank;
        } else {
            return fail(AnswerFault::badChunk);
        }
        return true;
    case Step::sizeEnd:
        if (c != '\n') return fail(AnswerFault::badChunk);
        step_ = chunkLeft_ == 0 ? Step::trailerStart : Step::data;
        return true;
    case Step::dataCr:
        if (c != '\r') return fail(AnswerFault::badChunk);
        step_ = Step::dataLf;
        return true;
    case Step::dataLf:
        if (c != '\n') return fail(AnswerFault::badChunk);
        step_ = Step::size;
        lineBytes_ = 0;
        sizeDigits_ = false;
        return true;
    case Step::trailerStart:
    case Step::trailer:
        if (++trailerBytes_ > kTrailerLimit) return fail(AnswerFault::badChunk);
        if (c == '\r') {
            step_ = step_ == Step::trailerStart ? Step::lastEnd : Step::trailerEnd;
        } else if (!isLineText(u)) {
            return fail(AnswerFault::badChunk);
        } else {
            step_ = Step::trailer;
        }
        return true;
    case Step::trailerEnd:
        if (c != '\n') return fail(AnswerFault::badChunk);
        step_ = Step::trailerStart;
        return true;
    case Step::lastEnd:
        if (c != '\n') return fail(AnswerFault::badChunk);
        state_ = State::ended;
        return true;
    case Step::data:
        break;
    }
    return fail(AnswerFault::badChunk);
}

ChunkedDecoder::State ChunkedDecoder::take(std::string_view bytes, std::string& body) {
    std::size_t at = 0;
    while (state_ == State::more && at < bytes.size()) {
        if (step_ == Step::data) {
            const auto n =
                static_cast<std::size_t>(std::min<std::uint64_t>(chunkLeft_, bytes.size() - at));
            body.append(bytes.substr(at, n));
            at += n;
            chunkLeft_ -= n;
            decoded_ += n;
            if (chunkLeft_ == 0) step_ = Step::dataCr;
            continue;
        }
        step(bytes[at++]);
    }
    return state_;
}

} // namespace platform
