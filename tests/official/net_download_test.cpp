#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "app/RuntimeError.h"
#include "official/clsHtmlGet.h"
#include "official/clsWinInet.h"
#include "support/LoopbackServer.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

using test::DownloadProgressRecorder;
using test::FakeOwner;
using test::LoopbackServer;
using test::MessageRecorder;
using test::TestCertificate;
using test::TrustingTransport;

struct NetFixture : ::testing::Test {
    MessageRecorder boxes;
    DownloadProgressRecorder window;
    test::BusyRecorder busy;
};

using Download = NetFixture;

TEST_F(Download, PlainHttpBringsTheBodyWithTheHeadersAndProgressLines) {
    LoopbackServer server;
    const std::string body(40000, 'x');  // more than one buffer step of the classic client
    server.serve("/page", body, "text/plain");
    TrustingTransport transport;
    FakeOwner owner;
    owner.topmost = true;

    clsWinInet net;
    net.ProgressDialogMessage("第1回 開催情報取得中 (オフィシャル)");
    std::string bytes;
    const std::string url = server.url("/page");
    EXPECT_EQ(net.GetHttpData(url, bytes, "", &owner), 40000);
    EXPECT_EQ(bytes, body);
    EXPECT_EQ(net.LastStatus(), 200);
    EXPECT_TRUE(net.LastError().empty());

    const auto seen = server.requests();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].agent, "Talvenmoore WinInet");
    EXPECT_EQ(seen[0].acceptLanguage, "ja-JP");
    EXPECT_EQ(seen[0].cacheControl, "no-cache");
    EXPECT_EQ(seen[0].pragma, "no-cache");

    ASSERT_EQ(window.lines.size(), 5u);
    EXPECT_EQ(window.lines[0], " 第1回 開催情報取得中 (オフィシャル)");
    EXPECT_EQ(window.lines[1], " [コネクション開始]");
    EXPECT_EQ(window.lines[2], " " + url);
    EXPECT_EQ(window.lines[3].rfind(" 受信中 .", 0), 0u);
    EXPECT_EQ(window.lines[3], " 受信中 " + std::string(40000 / 1024 + 1, '.'));
    EXPECT_EQ(window.lines[4], " [コネクション終了]");
    EXPECT_EQ(window.openCount, 1);
    EXPECT_TRUE(window.topmost);
    EXPECT_FALSE(window.opened);
    EXPECT_EQ(owner.repaints, 1);
    EXPECT_EQ(busy.begun, 1);
    EXPECT_EQ(busy.depth, 0);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Download, EmptyAddressAndHiddenWindow) {
    LoopbackServer server;
    server.serve("/page", "abc");
    TrustingTransport transport;
    clsWinInet net;
    std::string bytes = "old";
    EXPECT_EQ(net.GetHttpData("", bytes, "", nullptr), 0);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(window.openCount, 0);
    EXPECT_TRUE(server.requests().empty());

    net.ProgressOpen(false);
    EXPECT_EQ(net.GetHttpData(server.url("/page"), bytes, "", nullptr), 3);
    EXPECT_EQ(window.openCount, 0);
    EXPECT_TRUE(window.lines.empty());
    EXPECT_EQ(window.ticks, 0);
}

TEST_F(Download, ProgressCloseFalseKeepsTheWindowUntilSetTrue) {
    LoopbackServer server;
    server.serve("/a", "1");
    TrustingTransport transport;
    clsWinInet net;
    net.ProgressClose(false);
    std::string bytes;
    net.GetHttpData(server.url("/a"), bytes, "", nullptr);
    net.GetHttpData(server.url("/a"), bytes, "", nullptr);
    EXPECT_TRUE(window.opened);
    EXPECT_EQ(window.lines.size(), 8u);  // both downloads' lines stay
    net.ProgressClose(true);
    EXPECT_FALSE(window.opened);
}

TEST_F(Download, ErrorPagesAndEmptyBodiesAreData) {
    LoopbackServer server;
    server.serve("/empty", "");
    TrustingTransport transport;
    clsWinInet net;
    std::string bytes;
    EXPECT_EQ(net.GetHttpData(server.url("/missing"), bytes, "", nullptr), 9);
    EXPECT_EQ(bytes, "not found");
    EXPECT_EQ(net.LastStatus(), 404);

    EXPECT_EQ(net.GetHttpData(server.url("/empty"), bytes, "", nullptr), 0);
    EXPECT_TRUE(bytes.empty());
    EXPECT_TRUE(net.LastError().empty());
    EXPECT_EQ(net.GetHttpDataString(server.url("/empty"), "", nullptr, 8), "");
    EXPECT_EQ(net.GetHttpDataStringUTF8(server.url("/empty"), "", nullptr), "");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Download, DecodingByCode) {
    LoopbackServer server;
    server.serve("/sjis", std::string("\x93\xfa\x96\x7b", 4), "text/plain");  // 日本 in CP932
    server.serve("/utf8", "日本\xff", "text/plain");
    TrustingTransport transport;
    clsWinInet net;
    EXPECT_EQ(net.GetHttpDataString(server.url("/sjis"), "", nullptr, 0), "日本");
    // An invalid byte becomes U+FFFD, as the platform's conversion does.
    EXPECT_EQ(net.GetHttpDataString(server.url("/utf8"), "", nullptr, 8), "日本\xEF\xBF\xBD");
    EXPECT_EQ(net.GetHttpDataStringUTF8(server.url("/utf8"), "", nullptr), "日本\xEF\xBF\xBD");
    EXPECT_TRUE(boxes.boxes.empty());

    EXPECT_EQ(net.GetHttpDataString(server.url("/utf8"), "", nullptr, 5), "");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::Warning);
    EXPECT_EQ(boxes.boxes[0].title, "Brenvik / clsWinInet / GetHttpDataString");
    EXPECT_EQ(boxes.boxes[0].text, "コード番号が異常です（5）");
}

TEST_F(Download, HttpsIsVerified) {
    const TestCertificate& cert = TestCertificate::get();
    LoopbackServer good(cert);
    good.serve("/p", "secure");
    LoopbackServer bad(TestCertificate::untrusted());
    bad.serve("/p", "forged");
    std::string bytes;
    clsWinInet net;
    {
        TrustingTransport transport(&cert);
        EXPECT_EQ(net.GetHttpData(good.url("/p"), bytes, "", nullptr), 6);
        EXPECT_EQ(bytes, "secure");
        // A certificate the client does not trust is a failed download.
        EXPECT_EQ(net.GetHttpData(bad.url("/p"), bytes, "", nullptr), 0);
        EXPECT_TRUE(bytes.empty());
        EXPECT_FALSE(net.LastError().empty());
        // The progress lines written so far stay; no box.
        EXPECT_EQ(window.lines.back(), " " + bad.url("/p"));
    }
    {
        TrustingTransport systemStore;
        EXPECT_EQ(net.GetHttpData(good.url("/p"), bytes, "", nullptr), 0);
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Download, RedirectsUpToFiveAndNeverDownToHttp) {
    const TestCertificate& cert = TestCertificate::get();
    LoopbackServer plain;
    LoopbackServer secure(cert);
    TrustingTransport transport(&cert);
    plain.serve("/final", "plain");
    secure.serve("/final", "secure");
    for (int i = 1; i <= 6; ++i)
        plain.redirect("/hop" + std::to_string(i),
                       plain.url(i == 1 ? "/final" : "/hop" + std::to_string(i - 1)));
    secure.redirect("/up", plain.url("/final"));
    plain.redirect("/tls", secure.url("/final"));

    clsWinInet net;
    std::string bytes;
    EXPECT_EQ(net.GetHttpData(plain.url("/hop5"), bytes, "", nullptr), 5);
    EXPECT_EQ(bytes, "plain");
    EXPECT_EQ(net.GetHttpData(plain.url("/hop6"), bytes, "", nullptr), 0);
    EXPECT_EQ(net.GetHttpData(plain.url("/tls"), bytes, "", nullptr), 6);
    EXPECT_EQ(bytes, "secure");
    EXPECT_EQ(net.GetHttpData(secure.url("/up"), bytes, "", nullptr), 0);
    EXPECT_TRUE(bytes.empty());
    // hop5: six fetches; hop6: six before the sixth redirect is refused; tls: one; the
    // refused way down from https was never fetched.
    EXPECT_EQ(plain.requests().size(), 6u + 6u + 1u);
}

TEST_F(Download, OnlyHttpAndHttpsAddresses) {
    TrustingTransport transport;
    clsWinInet net;
    std::string bytes;
    for (const char* url : {"file:///etc/hostname", "ftp://127.0.0.1/x", "gopher://127.0.0.1/"}) {
        EXPECT_EQ(net.GetHttpData(url, bytes, "", nullptr), 0) << url;
        EXPECT_FALSE(net.LastError().empty()) << url;
    }
}

TEST_F(Download, BodyAboveTheCapIsAFailedDownload) {
    LoopbackServer server;
    const std::size_t cap = HttpTransport::MaxBodyBytes;
    server.serve("/cap", std::string(cap, 'a'), "application/octet-stream");
    // Without a length up front, so that the cap bites while the body streams in.
    server.handle("/over", [cap](const httplib::Request&, httplib::Response& res) {
        res.set_chunked_content_provider("application/octet-stream",
                                         [cap](size_t offset, httplib::DataSink& sink) {
                                             if (offset > cap) return false;
                                             const std::string piece(1 << 20, 'b');
                                             return sink.write(piece.data(), piece.size());
                                         });
    });
    TrustingTransport transport;
    clsWinInet net;
    net.ProgressOpen(false);
    std::string bytes;
    EXPECT_EQ(net.GetHttpData(server.url("/cap"), bytes, "", nullptr), static_cast<int32_t>(cap));
    EXPECT_EQ(net.GetHttpData(server.url("/over"), bytes, "", nullptr), 0);
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(net.LastError().empty());
}

TEST_F(Download, SlowServerTimesOutWhileTheWindowStaysAlive) {
    LoopbackServer server;
    server.handle("/slow", [](const httplib::Request&, httplib::Response& res) {
        res.set_chunked_content_provider("text/plain", [](size_t offset, httplib::DataSink& sink) {
            if (offset > 0) {
                // Then nothing for longer than the receive time-out.
                std::this_thread::sleep_for(std::chrono::milliseconds(2500));
                sink.done();
                return true;
            }
            return sink.write("first", 5);
        });
    });
    TrustingTransport transport;
    clsWinInet net;
    net.ReceiveTimeout(1);
    std::string bytes;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(net.GetHttpData(server.url("/slow"), bytes, "", nullptr), 0);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, std::chrono::milliseconds(2400));
    EXPECT_TRUE(bytes.empty());  // a partial page is no page
    EXPECT_FALSE(net.LastError().empty());
    // The window was repainted while nothing arrived.
    EXPECT_GE(window.ticks, 3);
    EXPECT_EQ(window.lines.back(), " [コネクション終了]");
}

TEST_F(Download, ClosedPortFailsWithoutReceivingLines) {
    int port = 0;
    {
        LoopbackServer gone;
        port = gone.port();
    }
    TrustingTransport transport;
    clsWinInet net;
    std::string bytes;
    const std::string url = "http://127.0.0.1:" + std::to_string(port) + "/";
    EXPECT_EQ(net.GetHttpData(url, bytes, "", nullptr), 0);
    ASSERT_EQ(window.lines.size(), 2u);
    EXPECT_EQ(window.lines[1], " " + url);
    EXPECT_FALSE(window.opened);
}

TEST_F(Download, ProxyGivenOrFromTheEnvironment) {
    LoopbackServer proxy;
    proxy.handle("http://brenvik-proxy-test.invalid/page",
                 [](const httplib::Request&, httplib::Response& res) {
                     res.set_content("via proxy", "text/plain");
                 });
    TrustingTransport transport;
    clsWinInet net;
    std::string bytes;
    EXPECT_EQ(
        net.GetHttpData("http://brenvik-proxy-test.invalid/page", bytes, proxy.base(), nullptr), 9);
    EXPECT_EQ(bytes, "via proxy");

    // An empty proxy takes the system's settings.
    ::setenv("http_proxy", proxy.base().c_str(), 1);
    ::unsetenv("no_proxy");
    ::unsetenv("NO_PROXY");
    const int32_t got =
        net.GetHttpData("http://brenvik-proxy-test.invalid/page", bytes, "", nullptr);
    ::unsetenv("http_proxy");
    EXPECT_EQ(got, 9);
    EXPECT_EQ(proxy.requests().size(), 2u);
}

TEST(DownloadSettings, TimeOutsInSecondsKeptInMilliseconds) {
    clsWinInet net;
    EXPECT_EQ(net.ConnectTimeout(), 15000);
    EXPECT_EQ(net.ReceiveTimeout(), 30000);
    EXPECT_EQ(net.SendTimeout(), 0);
    EXPECT_EQ(net.ConnectRetries(), 0);
    net.SendTimeout(2147483);
    EXPECT_EQ(net.SendTimeout(), 2147483000);
    try {
        net.ConnectTimeout(2147484);
        FAIL() << "no overflow";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::Overflow);
    }
    EXPECT_EQ(net.ConnectTimeout(), 15000);
}

TEST(DownloadQuestionBox, AsksWithTheSubjectAndGivesTheAnswer) {
    MessageRecorder boxes;
    EXPECT_TRUE(DownloadQuestion("開催情報", false));
    EXPECT_TRUE(boxes.boxes.empty());
    boxes.answer(true);
    EXPECT_TRUE(DownloadQuestion("投票状況", true));
    EXPECT_FALSE(DownloadQuestion("くじ結果", true));  // no answer left: No
    EXPECT_FALSE(DownloadQuestion("海外チーム名", true, true));
    ASSERT_EQ(boxes.boxes.size(), 3u);
    EXPECT_TRUE(boxes.boxes[0].question);
    EXPECT_EQ(boxes.boxes[0].title, " 投票状況");
    EXPECT_EQ(boxes.boxes[0].text,
              "インターネットより 投票状況 をダウンロードします。よろしいですか？");
    EXPECT_EQ(boxes.boxes[1].title, " くじ結果");
    EXPECT_EQ(boxes.boxes[2].title, "  Talvenmoore");
    EXPECT_EQ(boxes.boxes[2].text,
              "Talvenmooreより 海外チーム名 をダウンロードします。よろしいですか？");
}

}  // namespace
}  // namespace brenvik
