#include "support/http_test_server.h"

#include <gtest/gtest.h>

#include "runtime/http_read.h"
#include "runtime/services.h"

namespace {

using Reply = HttpTestServer::Reply;

// Milliseconds the call takes.
template <typename F>
ULONGLONG Timed(F call) {
    ULONGLONG start = GetTickCount64();
    call();
    return GetTickCount64() - start;
}

std::string Binary(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
    return bytes;
}

TEST(HttpRead, StatusDecidesWhetherTheBodyComesBack) {
    const std::string manifest = "1.1【↑更新↑】真【↑更新↑】说明\r\n第二行【↑更新↑】http://example.com/";
    HttpTestServer server({
        {"/app/qzbwl/qzbwl.txt", Reply{200, manifest}},
        {"/big", Reply{200, Binary(3 * 1024 * 1024 + 17)}},
        {"/empty", Reply{200, ""}},
        {"/error", Reply{500, "server error page"}},
        {"/moved", Reply{301, "moved page"}},
    });
    ASSERT_TRUE(server.running());
    const struct {
        const char* path;
        bool ok;
        std::string body;
    } cases[] = {
        {"/app/qzbwl/qzbwl.txt", true, manifest},
        {"/big", true, Binary(3 * 1024 * 1024 + 17)},
        {"/empty", true, ""},
        {"/missing", false, "untouched"},
        {"/error", false, "untouched"},
        {"/moved", false, "untouched"},
    };
    for (const auto& c : cases) {
        std::string body = "untouched";
        EXPECT_EQ(rt::HttpReadFile(server.url(c.path), body), c.ok) << c.path;
        EXPECT_TRUE(body == c.body) << c.path << " gave " << body.size() << " bytes";
    }
}

TEST(HttpRead, EveryReadReachesTheServerAndAsksPastCaches) {
    HttpTestServer server({{"/a", Reply{200, "x"}}});
    std::string body;
    ASSERT_TRUE(rt::HttpReadFile(server.url("/a"), body));
    ASSERT_TRUE(rt::HttpReadFile(server.url("/a"), body));
    const std::vector<std::string> requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    for (const std::string& head : requests) {
        EXPECT_EQ(head.rfind("GET /a ", 0), 0u) << head;
        EXPECT_NE(head.find("no-cache"), std::string::npos) << head;
    }
}

TEST(HttpRead, AnAnswerWithinTheLimitIsWaitedFor) {
    HttpTestServer server({{"/slow", Reply{200, "late", 1500}}});
    std::string body;
    EXPECT_TRUE(rt::HttpReadFile(server.url("/slow"), body));
    EXPECT_EQ(body, "late");
}

TEST(HttpRead, RefusedConnectionFailsAtOnce) {
    std::string body = "untouched";
    const std::string url = "http://127.0.0.1:" + std::to_string(HttpTestServer::UnusedPort()) + "/a";
    ULONGLONG elapsed = Timed([&] { EXPECT_FALSE(rt::HttpReadFile(url, body)); });
    EXPECT_LT(elapsed, 2000u);
    EXPECT_EQ(body, "untouched");
}

TEST(HttpRead, OnlyWebAddressesAreRead) {
    for (const char* url : {"ftp://127.0.0.1/a", "file:///C:/windows/win.ini", "C:\\windows\\win.ini", ""}) {
        std::string body;
        EXPECT_FALSE(rt::HttpReadFile(url, body)) << url;
    }
}

TEST(HttpRead, ServerThatNeverAnswersIsAbandonedAfterTheTimeLimit) {
    HttpTestServer server({{"/silent", Reply{200, "never", HttpTestServer::kNeverAnswer}}});
    std::string body = "untouched";
    ULONGLONG elapsed = Timed([&] { EXPECT_FALSE(rt::HttpReadFile(server.url("/silent"), body)); });
    EXPECT_GE(elapsed, rt::kHttpTimeLimitMs - 500);
    EXPECT_LT(elapsed, rt::kHttpTimeLimitMs + 1500);
    EXPECT_EQ(body, "untouched");
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST(HttpRead, ShorterLimitIsKeptToo) {
    HttpTestServer server({{"/silent", Reply{200, "never", HttpTestServer::kNeverAnswer}}});
    std::string body;
    ULONGLONG elapsed = Timed([&] { EXPECT_FALSE(rt::HttpGet(server.url("/silent"), body, 1000)); });
    EXPECT_GE(elapsed, 900u);
    EXPECT_LT(elapsed, 2500u);
}

}  // namespace
