// The one reading of a download or request address, and the request the program sends for it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// The parts of a "http://host[:port][/path][?query]" or "https://..." address.
struct HttpAddress {
    std::string host;
    std::uint16_t port = 80;
    std::string target = "/"; // path and query, as they stand
    bool secure = false;      // https
};

// Nothing for another scheme, a user or password part, an empty host, a port outside
// 1..65535, or an address too long to be a request (more than 4096 characters). A fragment
// ("#...") names a place in the answer and is never part of the target.
std::optional<HttpAddress> parseHttpAddress(const std::string& url);

// The bytes of a GET of the address that asks the server to close the connection after it.
// Nothing for a host or target with blanks or control characters, which would break the
// request line, or an agent with control characters.
std::optional<std::string> httpGetRequest(const HttpAddress& address, const std::string& agent);

} // namespace platform
