// What the head of an HTTP answer says about its body, and whether a transfer got all of it:
// the system's transfer functions end a body cut short when the server sent no length or broke
// the connection as if it were whole, so a transfer is judged by the answer's own head. And the
// few pieces of a plain HTTP request that the program sends over a connection of its own.
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

// The parts of a plain "http://host[:port][/path][?query]" address; nothing for another scheme,
// a user or password part, an empty host or a port outside 1..65535.
struct HttpAddress {
    std::string host;
    std::uint16_t port = 80;
    std::string target = "/"; // path and query, as they stand
};
std::optional<HttpAddress> parseHttpAddress(const std::string& url);

// The bytes of a GET of the address that asks the server to close the connection after it.
// Nothing for a target with blanks or control characters, which would break the request line.
std::optional<std::string> httpGetRequest(const HttpAddress& address, const std::string& agent);

// The status of an answer whose start is given ("HTTP/1.1 200 OK\r\n..."); 0 while its first
// line is incomplete or when it is not an HTTP status line.
std::uint32_t answerStatus(const std::string& start);

} // namespace platform
