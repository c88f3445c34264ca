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

} // namespace platform
