// What the head of an HTTP answer says about its body, and whether a transfer got all of it.
// The system's download function reports success for a body cut short when the server sent no
// length or broke the connection, so a transfer is judged by the answer's own head.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

struct HttpAnswerHead {
    std::uint32_t status = 0; // 0: no answer was heard
    std::optional<std::uint64_t> length;
    bool chunked = false;
};

// Reads the status line and the Content-Length and Transfer-Encoding fields of raw answer
// headers (lines ended by CR LF or LF; field names without regard to case). A length that is
// not a plain decimal number counts as unknown.
HttpAnswerHead parseAnswerHead(std::uint32_t status, const std::string& rawHeaders);

// True when the answer was a success (2xx) and its body arrived whole: its length was known
// and reached exactly, or it came in chunks that the system ended without error. A body
// without length that ends where the connection ends cannot be told from a cut one.
bool transferComplete(const HttpAnswerHead& head, std::uint64_t received);

} // namespace platform
