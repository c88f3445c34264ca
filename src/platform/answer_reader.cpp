#include "platform/answer_reader.h"

#include <algorithm>

namespace platform {

AnswerReader::AnswerReader(std::uint64_t bodyLimit) : limit_(bodyLimit) {}

AnswerReader::AnswerReader(std::string_view systemHead, std::uint64_t bodyLimit)
    : limit_(bodyLimit) {
    if (!parseAnswerHead(systemHead, head_)) {
        fail(AnswerFault::notHttp);
        return;
    }
    headArrived_ = true;
    judgeHead(true);
}

AnswerReader::State AnswerReader::fail(AnswerFault fault) {
    state_ = State::failed;
    fault_ = fault;
    return state_;
}

AnswerReader::State AnswerReader::judgeHead(bool systemDecoded) {
    if (!isSuccess(head_.status)) return fail(AnswerFault::notSuccess);
    switch (head_.framing) {
    case BodyFraming::none:
    case BodyFraming::invalid:
        return fail(AnswerFault::endUnknown);
    case BodyFraming::chunked:
        if (systemDecoded) return fail(AnswerFault::endUnknown);
        chunks_.emplace(limit_);
        break;
    case BodyFraming::length:
        if (head_.length > limit_) return fail(AnswerFault::tooLarge);
        break;
    }
    state_ =
        head_.framing == BodyFraming::length && head_.length == 0 ? State::complete : State::body;
    return state_;
}

AnswerReader::State AnswerReader::take(std::string_view bytes, std::string& body) {
    if (state_ == State::head) {
        const std::size_t before = headBytes_.size();
        headBytes_.append(
            bytes.substr(0, kAnswerHeadLimit + 1 - std::min(before, kAnswerHeadLimit)));
        const std::size_t size = answerHeadSize(headBytes_);
        if (size == 0) {
            return headBytes_.size() > kAnswerHeadLimit ? fail(AnswerFault::notHttp) : state_;
        }
        if (size > kAnswerHeadLimit ||
            !parseAnswerHead(std::string_view(headBytes_).substr(0, size), head_)) {
            return fail(AnswerFault::notHttp);
        }
        headArrived_ = true;
        headBytes_.clear();
        if (judgeHead(false) != State::body) return state_;
        // What followed the head in these bytes is the body's start.
        bytes = bytes.substr(size - before);
    }
    return state_ == State::body ? takeBody(bytes, body) : state_;
}

AnswerReader::State AnswerReader::takeBody(std::string_view bytes, std::string& body) {
    if (bytes.empty()) return state_;
    if (chunks_) {
        const std::size_t before = body.size();
        const auto state = chunks_->take(bytes, body);
        received_ += body.size() - before;
        if (state == ChunkedDecoder::State::failed) return fail(chunks_->fault());
        if (state == ChunkedDecoder::State::ended) state_ = State::complete;
        return state_;
    }
    // Bytes past the announced end are not part of the body and are never looked at.
    const auto n =
        static_cast<std::size_t>(std::min<std::uint64_t>(head_.length - received_, bytes.size()));
    body.append(bytes.substr(0, n));
    received_ += n;
    if (received_ == head_.length) state_ = State::complete;
    return state_;
}

AnswerReader::State AnswerReader::closed() {
    if (state_ == State::head)
        return fail(headBytes_.empty() ? AnswerFault::notHttp : AnswerFault::cut);
    if (state_ == State::body) return fail(AnswerFault::cut);
    return state_;
}

} // namespace platform
