// The portable half of the HTTP client: the address it reads, the request it sends, the head it
// reads back, the chunks it decodes and the rule by which a body counts as whole.
#include "platform/answer_reader.h"
#include "platform/chunked_body.h"
#include "platform/http_address.h"
#include "platform/http_answer.h"

#include <gtest/gtest.h>

namespace {

using platform::AnswerFault;
using platform::AnswerReader;
using platform::BodyFraming;
using platform::ChunkedDecoder;

TEST(HttpAddress, OnlyAnHttpOrHttpsAddressBecomesARequestLineThatCannotBeBroken) {
    const struct {
        std::string url;
        const char* request; // nullptr: no request
        std::uint16_t port = 80;
        bool secure = false;
    } cases[] = {
        {"http://127.0.0.1/formmailer_brelkp.php?sendername=a%20b&x=1",
         "GET /formmailer_brelkp.php?sendername=a%20b&x=1 HTTP/1.1\r\nHost: 127.0.0.1\r\n"},
        {"HTTP://Server.example:8080", "GET / HTTP/1.1\r\nHost: Server.example:8080\r\n", 8080},
        {"http://host?q=1#teil", "GET /?q=1 HTTP/1.1\r\nHost: host\r\n"},
        {"http://host#teil", "GET / HTTP/1.1\r\nHost: host\r\n"},
        {"http://host:80/a", "GET /a HTTP/1.1\r\nHost: host\r\n"},
        {"https://host/a", "GET /a HTTP/1.1\r\nHost: host\r\n", 443, true},
        {"HTTPS://host:8443/a", "GET /a HTTP/1.1\r\nHost: host:8443\r\n", 8443, true},
        {"https://host:80/a", "GET /a HTTP/1.1\r\nHost: host:80\r\n", 80, true},
        {"http://" + std::string(4089, 'h') + "/a", nullptr}, // 4097 characters
        {"ftp://host/a", nullptr},
        {"httpx://host/a", nullptr},
        {"http:/host/a", nullptr},
        {"http:///a", nullptr},
        {"http://:80/a", nullptr},
        {"http://user:pw@host/a", nullptr},
        {"http://host:0/a", nullptr},
        {"http://host:65536/a", nullptr},
        {"http://host:99999999999/a", nullptr},
        {"http://host:/a", nullptr},
        {"http://host:8o/a", nullptr},
        {"http://host:-80/a", nullptr},
        {"http://ho st/a", nullptr},
        {"http://host/a b", nullptr},
        {"http://host/a\r\nX-Injected: 1", nullptr},
        {"http://host/a\x7f", nullptr},
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
        EXPECT_EQ(address->port, k.port) << k.url;
        EXPECT_EQ(address->secure, k.secure) << k.url;
        EXPECT_EQ(request->substr(0, std::string(k.request).size()), k.request) << k.url;
        EXPECT_NE(request->find("\r\nConnection: close\r\n\r\n"), std::string::npos) << k.url;
    }
    EXPECT_FALSE(platform::httpGetRequest({"host", 80, "/", false}, "Agent\r\nX: 1"));
}

TEST(HttpAnswerHead, TheHeadSaysHowTheBodyEndsOrThatItCannotBeTold) {
    const struct {
        const char* what;
        std::string head;
        bool parsed;
        std::uint32_t status = 0;
        BodyFraming framing = BodyFraming::none;
        std::uint64_t length = 0;
    } cases[] = {
        {"length", "HTTP/1.1 200 OK\r\nContent-Type: x\r\ncontent-length:  5051805 \r\n\r\n", true,
         200, BodyFraming::length, 5051805},
        {"bare line feeds", "HTTP/1.0 200 OK\nContent-Length: 3\n\n", true, 200,
         BodyFraming::length, 3},
        {"chunks", "HTTP/1.1 200 OK\r\nTransfer-Encoding: Chunked\r\n\r\n", true, 200,
         BodyFraming::chunked},
        {"neither", "HTTP/1.0 200 OK\r\nServer: x\r\n\r\n", true, 200, BodyFraming::none},
        {"no reason", "HTTP/1.1 204\r\n\r\n", true, 204, BodyFraming::length, 0},
        {"not modified", "HTTP/1.1 304 Not Modified\r\n\r\n", true, 304, BodyFraming::length, 0},
        {"error with length", "HTTP/1.1 500 Internal\r\nContent-Length: 300000000\r\n\r\n", true,
         500, BodyFraming::length, 300000000},
        {"length and chunks",
         "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nTransfer-Encoding: chunked\r\n\r\n", true, 200,
         BodyFraming::invalid},
        {"another coding", "HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip, chunked\r\n\r\n", true, 200,
         BodyFraming::invalid},
        {"chunks twice",
         "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nTransfer-Encoding: chunked\r\n\r\n",
         true, 200, BodyFraming::invalid},
        {"negative length", "HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\n", true, 200,
         BodyFraming::invalid},
        {"garbage length", "HTTP/1.1 200 OK\r\nContent-Length: 12x\r\n\r\n", true, 200,
         BodyFraming::invalid},
        {"empty length", "HTTP/1.1 200 OK\r\nContent-Length:\r\n\r\n", true, 200,
         BodyFraming::invalid},
        {"overflowing length", "HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999\r\n\r\n",
         true, 200, BodyFraming::invalid},
        {"lengths that differ", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nContent-Length: 6\r\n\r\n",
         true, 200, BodyFraming::invalid},
        {"equal lengths", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nContent-Length: 5\r\n\r\n", true,
         200, BodyFraming::length, 5},
        {"length list", "HTTP/1.1 200 OK\r\nContent-Length: 5, 5\r\n\r\n", true, 200,
         BodyFraming::invalid},
        {"folded field", "HTTP/1.1 200 OK\r\nX: a\r\n b\r\nContent-Length: 1\r\n\r\n", false},
        {"blank before colon", "HTTP/1.1 200 OK\r\nContent-Length : 1\r\n\r\n", false},
        {"line without colon", "HTTP/1.1 200 OK\r\nnonsense\r\n\r\n", false},
        {"not http", "<html>200</html>\r\n\r\n", false},
        {"http 2", "HTTP/2 200\r\n\r\n", false},
        {"four-digit status", "HTTP/1.1 2000 OK\r\n\r\n", false},
        {"two-digit status", "HTTP/1.1 20 OK\r\n\r\n", false},
        {"status below 100", "HTTP/1.1 099 x\r\n\r\n", false},
        {"empty", "", false},
    };
    for (const auto& k : cases) {
        platform::HttpAnswerHead head;
        ASSERT_EQ(platform::parseAnswerHead(k.head, head), k.parsed) << k.what;
        if (!k.parsed) continue;
        EXPECT_EQ(head.status, k.status) << k.what;
        EXPECT_EQ(head.framing, k.framing) << k.what;
        EXPECT_EQ(head.length, k.length) << k.what;
        EXPECT_EQ(platform::answerHeadSize(k.head + "body"), k.head.size()) << k.what;
    }
    EXPECT_EQ(platform::answerHeadSize("HTTP/1.1 200 OK\r\nContent-Length: 3\r\n"), 0u);
    EXPECT_EQ(platform::answerHeadSize("HTTP/1.1 200 OK\r\n\r"), 0u);
}

// Each body is decoded whole and again one byte at a time: where the bytes are split must not
// change the result.
TEST(ChunkedBody, OnlyTheTerminatingChunkEndsTheBody) {
    using State = ChunkedDecoder::State;
    const struct {
        const char* what;
        std::string body;
        State state;
        std::string data = {};
        AnswerFault fault = AnswerFault::none;
        std::uint64_t limit = 1000;
    } cases[] = {
        {"whole", "5\r\nHallo\r\n6\r\n, Welt\r\n0\r\n\r\n", State::ended, "Hallo, Welt"},
        {"extensions", "5;name=wert\r\nHallo\r\n0;x\r\n\r\n", State::ended, "Hallo"},
        {"blank before extension", "5 ;x\r\nHallo\r\n0\r\n\r\n", State::ended, "Hallo"},
        {"upper and lower hex", "A\r\n0123456789\r\nb\r\n0123456789a\r\n0\r\n\r\n", State::ended,
         "01234567890123456789a"},
        {"leading zeros", "0005\r\nHallo\r\n000\r\n\r\n", State::ended, "Hallo"},
        {"trailers", "5\r\nHallo\r\n0\r\nX-Pruef: 1\r\nY: 2\r\n\r\n", State::ended, "Hallo"},
        {"bytes after the end are not read", "1\r\na\r\n0\r\n\r\nGARBAGE", State::ended, "a"},
        {"cut on a chunk boundary", "5\r\nHallo\r\n", State::more, "Hallo"},
        {"cut inside a chunk", "5\r\nHal", State::more, "Hal"},
        {"cut inside a size line", "5\r\nHallo\r\n1", State::more, "Hallo"},
        {"cut before the trailer's end", "5\r\nHallo\r\n0\r\n", State::more, "Hallo"},
        {"cut inside a trailer", "0\r\nX: 1", State::more},
        {"no size", "\r\nHallo\r\n0\r\n\r\n", State::failed, "", AnswerFault::badChunk},
        {"extension without size", ";x\r\n", State::failed, "", AnswerFault::badChunk},
        {"not hex", "5g\r\nHallo\r\n", State::failed, "", AnswerFault::badChunk},
        {"sign", "+5\r\nHallo\r\n", State::failed, "", AnswerFault::badChunk},
        {"size line ends with a bare line feed", "5\nHallo\r\n0\r\n\r\n", State::failed, "",
         AnswerFault::badChunk},
        {"data not followed by CR LF", "5\r\nHallo!\r\n0\r\n\r\n", State::failed, "Hallo",
         AnswerFault::badChunk},
        {"data followed by a bare line feed", "5\r\nHallo\n0\r\n\r\n", State::failed, "Hallo",
         AnswerFault::badChunk},
        {"last line a bare line feed", "0\r\n\n", State::failed, "", AnswerFault::badChunk},
        {"control character in an extension", "5;\x01\r\nHallo\r\n", State::failed, "",
         AnswerFault::badChunk},
        {"size line too long", "5;" + std::string(2000, 'x') + "\r\n", State::failed, "",
         AnswerFault::badChunk},
        {"endless zeros", std::string(2000, '0'), State::failed, "", AnswerFault::badChunk},
        {"trailer too long", "0\r\n" + std::string(20000, 'x'), State::failed, "",
         AnswerFault::badChunk},
        {"chunk above the limit", "3E9\r\n", State::failed, "", AnswerFault::tooLarge},
        {"chunks above the limit together", "3E8\r\n" + std::string(1000, 'x') + "\r\n1\r\n",
         State::failed, std::string(1000, 'x'), AnswerFault::tooLarge},
        {"exactly the limit", "3E8\r\n" + std::string(1000, 'x') + "\r\n0\r\n\r\n", State::ended,
         std::string(1000, 'x')},
        {"overflowing size", "FFFFFFFFFFFFFFFFFFFF\r\n", State::failed, "", AnswerFault::tooLarge,
         ~std::uint64_t{0}},
        {"size at the largest limit", "FFFFFFFFFFFFFFF\r\n", State::more, "", AnswerFault::none,
         ~std::uint64_t{0}},
    };
    for (const auto& k : cases) {
        ChunkedDecoder whole(k.limit), bytewise(k.limit);
        std::string data, dataBytewise;
        EXPECT_EQ(whole.take(k.body, data), k.state) << k.what;
        for (char c : k.body)
            bytewise.take(std::string_view(&c, 1), dataBytewise);
        EXPECT_EQ(bytewise.state(), k.state) << k.what;
        EXPECT_EQ(data, k.data) << k.what;
        EXPECT_EQ(dataBytewise, k.data) << k.what;
        EXPECT_EQ(whole.fault(), k.fault) << k.what;
        EXPECT_EQ(whole.decoded(), k.data.size()) << k.what;
    }
}

// The one rule of every download, over whole answers as they come from a connection: how far
// the reader gets, and whether the connection's end then makes the body whole.
TEST(AnswerReader, ABodyCountsOnlyWhenItsEndArrivedWithinTheLimit) {
    using State = AnswerReader::State;
    const std::string ok = "HTTP/1.1 200 OK\r\n";
    const struct {
        const char* what;
        std::string answer;
        State beforeClose; // after all bytes arrived
        State afterClose;  // and the connection ended
        AnswerFault fault;
        std::string body = {};
        std::uint64_t limit = 100;
    } cases[] = {
        {"whole length", ok + "Content-Length: 5\r\n\r\nHallo", State::complete, State::complete,
         AnswerFault::none, "Hallo"},
        {"length cut", ok + "Content-Length: 5\r\n\r\nHal", State::body, State::failed,
         AnswerFault::cut, "Hal"},
        {"bytes past the announced end", ok + "Content-Length: 5\r\n\r\nHallo!", State::complete,
         State::complete, AnswerFault::none, "Hallo"},
        {"empty body", "HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", State::complete,
         State::complete, AnswerFault::none},
        {"no content", "HTTP/1.1 204 No Content\r\n\r\n", State::complete, State::complete,
         AnswerFault::none},
        {"whole chunks", ok + "Transfer-Encoding: chunked\r\n\r\n5\r\nHallo\r\n0\r\n\r\n",
         State::complete, State::complete, AnswerFault::none, "Hallo"},
        {"chunks cut on a boundary", ok + "Transfer-Encoding: chunked\r\n\r\n5\r\nHallo\r\n",
         State::body, State::failed, AnswerFault::cut, "Hallo"},
        {"chunks cut inside a chunk", ok + "Transfer-Encoding: chunked\r\n\r\n5\r\nHa", State::body,
         State::failed, AnswerFault::cut, "Ha"},
        {"chunks endless",
         ok + "Transfer-Encoding: chunked\r\n\r\n" +
             std::string(30, 'x').insert(0, "1E\r\n").append("\r\n") +
             std::string(30, 'x').insert(0, "1E\r\n").append("\r\n") +
             std::string(30, 'x').insert(0, "1E\r\n").append("\r\n") +
             std::string(30, 'x').insert(0, "1E\r\n"),
         State::failed, State::failed, AnswerFault::tooLarge, std::string(90, 'x')},
        {"broken chunks", ok + "Transfer-Encoding: chunked\r\n\r\nzz\r\n", State::failed,
         State::failed, AnswerFault::badChunk},
        {"length and chunks", ok + "Content-Length: 5\r\nTransfer-Encoding: chunked\r\n\r\n",
         State::failed, State::failed, AnswerFault::endUnknown},
        {"no length, no chunks", ok + "Server: x\r\n\r\nendless...", State::failed, State::failed,
         AnswerFault::endUnknown},
        {"garbage length", ok + "Content-Length: zwei\r\n\r\nab", State::failed, State::failed,
         AnswerFault::endUnknown},
        {"announced above the limit", ok + "Content-Length: 101\r\n\r\n", State::failed,
         State::failed, AnswerFault::tooLarge},
        {"error announcing a huge body",
         "HTTP/1.1 500 Internal Server Error\r\nContent-Length: 300000000\r\n\r\nxxxx",
         State::failed, State::failed, AnswerFault::notSuccess},
        {"not found announcing a huge body",
         "HTTP/1.0 404 Not Found\r\nContent-Length: 300000000\r\n\r\n", State::failed,
         State::failed, AnswerFault::notSuccess},
        {"moved", "HTTP/1.1 301 Moved\r\nLocation: /x\r\nContent-Length: 0\r\n\r\n", State::failed,
         State::failed, AnswerFault::notSuccess},
        {"head cut", ok + "Content-Length: 5\r\n", State::head, State::failed, AnswerFault::cut},
        {"nothing", "", State::head, State::failed, AnswerFault::notHttp},
        {"not http", "Hallo\r\n\r\n", State::failed, State::failed, AnswerFault::notHttp},
        {"endless head", ok + std::string(20000, 'X'), State::failed, State::failed,
         AnswerFault::notHttp},
    };
    for (const auto& k : cases) {
        for (std::size_t piece : {k.answer.size() + 1, std::size_t{1}, std::size_t{7}}) {
            AnswerReader reader(k.limit);
            std::string body;
            for (std::size_t at = 0; at < k.answer.size() && reader.state() != State::failed;
                 at += piece) {
                reader.take(std::string_view(k.answer).substr(at, piece), body);
            }
            EXPECT_EQ(reader.state(), k.beforeClose) << k.what << ", pieces of " << piece;
            EXPECT_EQ(reader.closed(), k.afterClose) << k.what << ", pieces of " << piece;
            EXPECT_EQ(reader.fault(), k.fault) << k.what << ", pieces of " << piece;
            if (k.fault != AnswerFault::tooLarge) {
                EXPECT_EQ(body, k.body) << k.what << ", pieces of " << piece;
            }
            EXPECT_LE(body.size(), k.limit) << k.what;
            EXPECT_EQ(reader.received(), body.size()) << k.what;
        }
    }
}

// A body the system has already taken out of its framing (HTTPS through WinINet): the system
// hides where chunks end, so such an answer never counts.
TEST(AnswerReader, ABodyTheSystemDecodedCountsOnlyWithItsAnnouncedLength) {
    using State = AnswerReader::State;
    const struct {
        const char* what;
        std::string head;
        std::string body;
        State afterClose;
    } cases[] = {
        {"length reached", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\n", "Hallo",
         State::complete},
        {"length cut", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\n", "Hal", State::failed},
        {"chunks", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n", "Hallo", State::failed},
        {"no length", "HTTP/1.1 200 OK\r\n\r\n", "Hallo", State::failed},
        {"error", "HTTP/1.1 500 x\r\nContent-Length: 5\r\n\r\n", "Hallo", State::failed},
        {"no head", "", "Hallo", State::failed},
    };
    for (const auto& k : cases) {
        AnswerReader reader(k.head, 100);
        std::string body;
        reader.take(k.body, body);
        EXPECT_EQ(reader.closed(), k.afterClose) << k.what;
    }
}

} // namespace
