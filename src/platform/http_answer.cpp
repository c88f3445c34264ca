#include "platform/http_answer.h"

#include "platform/text_case.h"

namespace platform {
namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::optional<std::uint64_t> decimal(const std::string& text) {
    if (text.empty() || text.size() > 18) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

} // namespace

HttpAnswerHead parseAnswerHead(std::uint32_t status, const std::string& rawHeaders) {
    HttpAnswerHead head;
    head.status = status;
    std::size_t start = 0;
    while (start < rawHeaders.size()) {
        std::size_t end = rawHeaders.find('\n', start);
        if (end == std::string::npos) end = rawHeaders.size();
        const std::string line = rawHeaders.substr(start, end - start);
        start = end + 1;
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        const std::string name = lowerCase(trimmed(line.substr(0, colon)));
        const std::string value = trimmed(line.substr(colon + 1));
        if (name == "content-length") {
            head.length = decimal(value);
        } else if (name == "transfer-encoding") {
            head.chunked = lowerCase(value).find("chunked") != std::string::npos;
        }
    }
    return head;
}

bool transferComplete(const HttpAnswerHead& head, std::uint64_t received) {
    if (head.status < 200 || head.status > 299) return false;
    if (head.chunked) return true;
    return head.length && *head.length == received;
}

std::optional<HttpAddress> parseHttpAddress(const std::string& url) {
    static const std::string kScheme = "http://";
    if (lowerCase(url.substr(0, kScheme.size())) != kScheme) return std::nullopt;
    const std::size_t hostStart = kScheme.size();
    const std::size_t hostEnd = url.find_first_of("/?#", hostStart);
    const std::string authority = url.substr(hostStart, hostEnd - hostStart);
    if (authority.find('@') != std::string::npos) return std::nullopt;
    HttpAddress address;
    const std::size_t colon = authority.find(':');
    address.host = authority.substr(0, colon);
    if (address.host.empty()) return std::nullopt;
    if (colon != std::string::npos) {
        const auto port = decimal(authority.substr(colon + 1));
        if (!port || *port < 1 || *port > 65535) return std::nullopt;
        address.port = static_cast<std::uint16_t>(*port);
    }
    if (hostEnd != std::string::npos) {
        // A fragment names a place in the answer and is never sent.
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
    std::string request = "GET ";
    request.append(address.target).append(" HTTP/1.0\r\nHost: ").append(address.host);
    if (address.port != 80) request.append(1, ':').append(std::to_string(address.port));
    request.append("\r\nUser-Agent: ").append(agent);
    request.append("\r\nAccept: */*\r\nConnection: close\r\n\r\n");
    return request;
}

std::uint32_t answerStatus(const std::string& start) {
    const std::size_t lineEnd = start.find('\n');
    if (lineEnd == std::string::npos) return 0;
    const std::string line = start.substr(0, lineEnd);
    if (line.compare(0, 7, "HTTP/1.") != 0 || line.size() < 12 || line[8] != ' ') return 0;
    const auto code = decimal(line.substr(9, 3));
    if (!code || *code < 100 || (line.size() > 12 && line[12] != ' ' && line[12] != '\r')) {
        return 0;
    }
    return static_cast<std::uint32_t>(*code);
}

} // namespace platform
