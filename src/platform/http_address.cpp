#include "platform/http_address.h"

#include "platform/text_case.h"

namespace platform {
namespace {

constexpr std::size_t kAddressLimit = 4096;

std::optional<std::uint32_t> port(const std::string& text) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return value;
}

} // namespace

std::optional<HttpAddress> parseHttpAddress(const std::string& url) {
    if (url.size() > kAddressLimit) return std::nullopt;
    HttpAddress address;
    std::size_t hostStart = 0;
    const std::string scheme = lowerCase(url.substr(0, 8));
    if (scheme.compare(0, 7, "http://") == 0) {
        hostStart = 7;
    } else if (scheme == "https://") {
        hostStart = 8;
        address.secure = true;
        address.port = 443;
    } else {
        return std::nullopt;
    }
    const std::size_t hostEnd = url.find_first_of("/?#", hostStart);
    const std::string authority = url.substr(hostStart, hostEnd - hostStart);
    if (authority.find('@') != std::string::npos) return std::nullopt;
    const std::size_t colon = authority.find(':');
    address.host = authority.substr(0, colon);
    if (address.host.empty()) return std::nullopt;
    if (colon != std::string::npos) {
        const auto number = port(authority.substr(colon + 1));
        if (!number || *number < 1 || *number > 65535) return std::nullopt;
        address.port = static_cast<std::uint16_t>(*number);
    }
    if (hostEnd != std::string::npos) {
        const std::size_t fragment = url.find('#', hostEnd);
        const std::string rest = url.substr(hostEnd, fragment - hostEnd);
        // "http://host?x" asks for "/?x".
        address.target = std::string(rest.empty() || rest[0] != '/' ? 1 : 0, '/').append(rest);
    }
    return address;
}

std::optional<std::string> httpGetRequest(const HttpAddress& address, const std::string& agent) {
    for (const std::string* part : {&address.host, &address.target, &agent}) {
        for (unsigned char c : *part) {
            if (c < 0x20 || c == 0x7F || (c == ' ' && part != &agent)) return std::nullopt;
        }
    }
    const std::uint16_t standardPort = address.secure ? 443 : 80;
    std::string request = "GET ";
    request.append(address.target).append(" HTTP/1.1\r\nHost: ").append(address.host);
    if (address.port != standardPort) request.append(1, ':').append(std::to_string(address.port));
    request.append("\r\nUser-Agent: ").append(agent);
    request.append("\r\nAccept: */*\r\nAccept-Encoding: identity\r\nConnection: close\r\n\r\n");
    return request;
}

} // namespace platform
