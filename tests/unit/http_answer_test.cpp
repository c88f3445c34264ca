// Whether a download got its whole body, judged by the head of the server's answer.
#include "platform/http_answer.h"

#include <gtest/gtest.h>

namespace {

TEST(HttpAnswer, ATransferCountsOnlyWithSuccessAndItsWholeKnownBody) {
    const std::string sized = "HTTP/1.1 200 OK\r\nContent-Type: x\r\ncontent-length:  5051805 \r\n";
    const std::string chunked = "HTTP/1.1 200 OK\nTransfer-Encoding: Chunked\n";
    const std::string open = "HTTP/1.0 200 OK\r\nServer: x\r\n";
    const struct {
        const char* what;
        std::uint32_t status;
        std::string headers;
        std::uint64_t received;
        bool complete;
    } cases[] = {
        {"whole", 200, sized, 5051805, true},
        {"cut", 200, sized, 1000000, false},
        {"longer than announced", 200, sized, 5051806, false},
        {"no length, closed early or not", 200, open, 1000000, false},
        {"chunks the system ended", 200, chunked, 17, true},
        {"other success", 206, sized, 5051805, true},
        {"not found", 404, sized, 5051805, false},
        {"server error", 500, chunked, 3, false},
        {"no answer heard", 0, "", 0, false},
        {"length not a number", 200, "Content-Length: 12x\r\n", 12, false},
        {"empty body", 204, "Content-Length: 0\r\n", 0, true},
    };
    for (const auto& k : cases) {
        const auto head = platform::parseAnswerHead(k.status, k.headers);
        EXPECT_EQ(platform::transferComplete(head, k.received), k.complete) << k.what;
    }
}

} // namespace
