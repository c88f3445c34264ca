#include "platform/http_answer.h"

#include "platform/text_case.h"

#include <optional>

namespace platform {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<std::uint64_t> decimal(std::string_view text) {
    if (text.empty() || text.size() > 18) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

// "HTTP/1.0 200 OK", "HTTP/1.1 204": the status, or 0.
std::uint32_t statusOf(std::string_view line) {
    if (line.size() < 12 ||
        (line.substr(0, 9) != "HTTP/1.0 " && line.substr(0, 9) != "HTTP/1.1 ")) {
        return 0;
    }
    if (line.size() > 12 && line[12] != ' ') return 0;
    const auto code = decimal(line.substr(9, 3));
    return code && *code >= 100 ? static_cast<std::uint32_t>(*code) : 0;
}

bool isToken(std::string_view name) {
    if (name.empty()) return false;
    for (unsigned char c : name) {
        if (c <= 0x20 || c >= 0x7F || c == ':') return false;
    }
    return true;
}

} // namespace

std::size_t answerHeadSize(std::string_view received) {
    for (std::size_t at = received.find('\n'); at != std::string_view::npos;
         at = received.find('\n', at + 1)) {
        // An empty line: "\n\n" or "\n\r\n".
        if (at + 1 < received.size() && received[at + 1] == '\n') return at + 2;
        if (at + 2 < received.size() && received[at + 1] == '\r' && received[at + 2] == '\n') {
            return at + 3;
        }
    }
    return 0;
}

bool parseAnswerHead(std::string_view head, HttpAnswerHead& out) {
    out = {};
    std::optional<std::uint64_t> length;
    bool lengthsDiffer = false, chunked = false, otherCoding = false;
    bool first = true;
    while (!head.empty()) {
        std::size_t end = head.find('\n');
        std::string_view line = head.substr(0, end);
        head = end == std::string_view::npos ? std::string_view{} : head.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (first) {
            out.status = statusOf(line);
            if (out.status == 0) return false;
            first = false;
            continue;
        }
        if (line.empty()) break;
        const std::size_t colon = line.find(':');
        // A field folded over lines, or a name with blanks, is not read as some other field.
        if (colon == std::string_view::npos || !isToken(line.substr(0, colon))) return false;
        const std::string name = lowerCase(line.substr(0, colon));
        const std::string_view value = trimmed(line.substr(colon + 1));
        if (name == "content-length") {
            const auto number = decimal(value);
            if (!number || (length && *length != *number)) lengthsDiffer = true;
            if (number) length = number;
        } else if (name == "transfer-encoding") {
            if (chunked || !equalsIgnoreCase(value, "chunked")) otherCoding = true;
            chunked = true;
        }
    }
    if (first) return false;
    if (lengthsDiffer || otherCoding || (chunked && length)) {
        out.framing = BodyFraming::invalid;
    } else if (chunked) {
        out.framing = BodyFraming::chunked;
    } else if (length) {
        out.framing = BodyFraming::length;
        out.length = *length;
    } else if (out.status == 204 || out.status == 304) {
        // These answers have no body.
        out.framing = BodyFraming::length;
    }
    return true;
}

} // namespace platform
