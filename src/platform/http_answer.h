// What the head of an HTTP answer says about its body. A transfer is judged by the answer's own
// head: a body counts as whole only when its announced length arrived exactly or its chunks
// ended with the terminating chunk; a body whose end cannot be told counts as cut.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace platform {

// How the end of the body is told.
enum class BodyFraming {
    none,    // neither length nor chunks: the end of the connection, which a cut looks like too
    length,  // Content-Length
    chunked, // Transfer-Encoding: chunked
    invalid, // a length that is no number, lengths that differ, another transfer coding, or a
             // length beside chunks: the end cannot be trusted
};

struct HttpAnswerHead {
    std::uint32_t status = 0;
    BodyFraming framing = BodyFraming::none;
    std::uint64_t length = 0; // with BodyFraming::length
};

// The longest head the program reads; a longer one is no answer of a server it talks to.
constexpr std::size_t kAnswerHeadLimit = 16 * 1024;

// The size of the head at the start of the received bytes, its closing empty line included;
// 0 while the empty line has not arrived. Lines end with CR LF or LF.
std::size_t answerHeadSize(std::string_view received);

// Reads a whole head: the status line ("HTTP/1.x NNN reason") and the fields that frame the
// body (names without regard to case). False when it is not an HTTP answer's head.
bool parseAnswerHead(std::string_view head, HttpAnswerHead& out);

inline bool isSuccess(std::uint32_t status) {
    return status >= 200 && status <= 299;
}

// Why a transfer did not bring a whole body.
enum class AnswerFault {
    none,
    notHttp,    // no HTTP head, or a head longer than kAnswerHeadLimit
    notSuccess, // a status other than 2xx
    endUnknown, // BodyFraming::none or ::invalid
    tooLarge,   // the body is, or announces to be, larger than the caller's limit
    badChunk,   // the chunk framing is broken
    cut,        // the connection ended before the body did
};

} // namespace platform
