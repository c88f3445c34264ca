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

namespace {

// The bug report's own request: which addresses it can make a request of, and what it sends.
TEST(HttpRequest, OnlyAPlainHttpAddressBecomesARequestLineThatCannotBeBroken) {
    const struct {
        const char* url;
        const char* request; // nullptr: no request
    } cases[] = {
        {"http://127.0.0.1/formmailer_brelkp.php?sendername=a%20b&x=1",
         "GET /formmailer_brelkp.php?sendername=a%20b&x=1 HTTP/1.0\r\nHost: 127.0.0.1\r\n"},
        {"HTTP://Server.example:8080", "GET / HTTP/1.0\r\nHost: Server.example:8080\r\n"},
        {"http://host?q=1#teil", "GET /?q=1 HTTP/1.0\r\nHost: host\r\n"},
        {"http://host:80/a", "GET /a HTTP/1.0\r\nHost: host\r\n"},
        {"https://host/a", nullptr},
        {"ftp://host/a", nullptr},
        {"http:///a", nullptr},
        {"http://user:pw@host/a", nullptr},
        {"http://host:0/a", nullptr},
        {"http://host:65536/a", nullptr},
        {"http://host:8o/a", nullptr},
        {"http://host/a b", nullptr},
        {"http://host/a\r\nX-Injected: 1", nullptr},
    };
    for (const auto& k : cases) {
        const auto address = platform::parseHttpAddress(k.url);
        const auto request =
            address ? platform::httpGetRequest(*address, "Agent") : std::optional<std::string>{};
        if (!k.request) {
            EXPECT_FALSE(request) << k.url;
            continue;
        }
        ASSERT_TRUE(request) << k.url;
        EXPECT_EQ(request->substr(0, std::string(k.request).size()), k.request) << k.url;
        EXPECT_NE(request->find("\r\nConnection: close\r\n\r\n"), std::string::npos) << k.url;
    }
}

TEST(HttpRequest, TheStatusIsReadOnlyFromAWholeStatusLine) {
    const struct {
        std::string start;
        std::uint32_t status;
    } cases[] = {
        {"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n", 200},
        {"HTTP/1.0 404 Not Found\r\n", 404},
        {"HTTP/1.1 204\r\n", 204},
        {"HTTP/1.1 200 OK", 0}, // the line has not ended yet
        {"", 0},
        {"<html>200</html>\r\n", 0},
        {"HTTP/1.1 2000 OK\r\n", 0},
        {"HTTP/1.1 20 OK\r\n", 0},
        {"HTTP/1.1 099 x\r\n", 0},
        {"HTTP/2 200\r\n", 0},
    };
    for (const auto& k : cases) {
        EXPECT_EQ(platform::answerStatus(k.start), k.status) << k.start;
    }
}

} // namespace
