#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include "app/Cp932.h"
#include "cli/Cli.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

std::string fixturePath(const std::string& folder, const std::string& file) {
    return std::string(BRENVIK_TEST_DATA_DIR) + "/official/pages/" + folder + "/" + file;
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The expected cache file as the command prints it: UTF-8 with LF line ends.
std::string expectedText(const std::string& folder) {
    std::string t = cp932::toUtf8(slurp(fixturePath(folder, "expected.xml")));
    std::string o;
    for (char c : t)
        if (c != '\r') o += c;
    return o;
}

struct Outcome {
    int code;
    std::string out, err;
};

Outcome run(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = cli::run(args, out, err);
    return {code, out.str(), err.str()};
}

// A plain HTTP server on 127.0.0.1 answering fixed bodies by request target (404 otherwise),
// one connection at a time, for the test's lifetime.
class TinyServer {
  public:
    TinyServer() {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        if (::bind(fd_, reinterpret_cast<sockaddr*>(&a), len) != 0 || ::listen(fd_, 8) != 0)
            throw std::runtime_error("no server socket");
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
        thread_ = std::thread([this] { loop(); });
    }
    ~TinyServer() {
        stop_ = true;
        ::shutdown(fd_, SHUT_RDWR);
        ::close(fd_);
        thread_.join();
    }
    std::string base() const { return "http://127.0.0.1:" + std::to_string(port_); }
    void serve(const std::string& target, const std::string& body) { bodies_[target] = body; }

  private:
    void loop() {
        while (!stop_) {
            const int c = ::accept(fd_, nullptr, nullptr);
            if (c < 0) continue;
            std::string request;
            char buf[4096];
            while (request.find("\r\n\r\n") == std::string::npos) {
                const ssize_t n = ::recv(c, buf, sizeof buf, 0);
                if (n <= 0) break;
                request.append(buf, static_cast<std::size_t>(n));
            }
            const std::size_t sp = request.find(' ');
            const std::string target =
                sp == std::string::npos
                    ? ""
                    : request.substr(sp + 1, request.find(' ', sp + 1) - sp - 1);
            const auto it = bodies_.find(target);
            const std::string body = it == bodies_.end() ? "not found" : it->second;
            const std::string reply =
                std::string("HTTP/1.1 ") + (it == bodies_.end() ? "404 Not Found" : "200 OK") +
                "\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
                std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
            std::size_t sent = 0;
            while (sent < reply.size()) {
                const ssize_t n = ::send(c, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
                if (n <= 0) break;
                sent += static_cast<std::size_t>(n);
            }
            ::close(c);
        }
    }

    int fd_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::map<std::string, std::string> bodies_;  // set before the requests come
    std::thread thread_;
};

class OfficialCli : public ::testing::Test {
  protected:
    void SetUp() override { dir.copyShippedSysData(); }
    // The test's own site settings, pointing at the server.
    void writeSettings(const std::string& base) {
        dir.write("SysData/totoSettings.ini",
                  "Version = 1\r\n"
                  "totoOfficialScheduleUrl = " +
                      base +
                      "/schedule?holdCntId=\r\n"
                      "totoOfficialVoteUrl = " +
                      base +
                      "/vote?holdCntId=\r\n"
                      "totoOfficialResultUrl = " +
                      base +
                      "/result?holdCntId=\r\n"
                      "totoOfficialTotoUrl = &commodityId=01\r\n");
    }
    test::TempProgramFolder dir;
};

TEST_F(OfficialCli, PagePrintsTheCacheFileItWouldWrite) {
    test::FixedClock clock(DateTime::fromFields(2026, 3, 5, 12, 0, 0));
    for (const auto& [kind, folder] :
         std::vector<std::pair<std::string, std::string>>{{"schedule", "schedule_cancelled"},
                                                          {"vote", "vote_final"},
                                                          {"result", "result_called_off"}}) {
        SCOPED_TRACE(folder);
        const Outcome r = run({"page", kind, fixturePath(folder, "input.html"), "1202"});
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.out, expectedText(folder));
        EXPECT_EQ(r.err, "");
    }
    // Nothing is cached by reading a page.
    EXPECT_FALSE(dir.exists("SysData/toto_Schedule/toto_schedule_1202.xml"));

    const Outcome interim =
        run({"page", "vote", fixturePath("vote_interim", "input.html"), "1201"});
    EXPECT_EQ(interim.code, 0);
    EXPECT_EQ(interim.out, expectedText("vote_interim"));
    EXPECT_EQ(interim.err, "note: interim figures; the program writes no cache file for them\n");
}

TEST_F(OfficialCli, PageFailuresPrintTheStoresMessage) {
    test::FixedClock clock(DateTime::fromFields(2026, 3, 5, 12, 0, 0));
    struct Case {
        const char* kind;
        const char* folder;
        const char* err;
    };
    for (const Case& c :
         {Case{"schedule", "schedule_unpublished", "第77回 開催情報は発表されていません。\n"},
          Case{"vote", "vote_ratios_99_99", "インターネットよりダウンロードに失敗しました。\n"},
          Case{"result", "result_unpublished", "第77回 くじ結果は発表されていません。\n"}}) {
        SCOPED_TRACE(c.folder);
        const Outcome r = run({"page", c.kind, fixturePath(c.folder, "input.html"), "77"});
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.err);
    }
    EXPECT_EQ(run({"page", "odds", fixturePath("vote_final", "input.html"), "1"}).code, 2);
    EXPECT_EQ(run({"page", "vote", fixturePath("vote_final", "input.html"), "x"}).code, 2);
    EXPECT_EQ(run({"page", "vote", "/nonexistent/page.html", "1"}).code, 1);
}

TEST_F(OfficialCli, FetchDownloadsThroughTheSiteSettingsAndCaches) {
    test::FixedClock clock(DateTime::fromFields(2026, 3, 9, 12, 0, 0));
    TinyServer server;
    server.serve("/result?holdCntId=1201", slurp(fixturePath("result_normal", "input.html")));
    server.serve("/vote?holdCntId=1201&commodityId=01",
                 slurp(fixturePath("vote_final", "input.html")));
    writeSettings(server.base());

    Outcome r = run({"fetch", "result", "1201"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, expectedText("result_normal"));
    EXPECT_EQ(dir.read("SysData/toto_Result/toto_result_1201.xml"),
              slurp(fixturePath("result_normal", "expected.xml")));

    r = run({"fetch", "vote", "1201"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, expectedText("vote_final"));
    EXPECT_TRUE(dir.exists("SysData/toto_Vote/toto_vote_1201.xml"));

    // The server's bare "not found" answer is a failed download.
    r = run({"fetch", "schedule", "1201"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "インターネットよりダウンロードに失敗しました。\n");
}

}  // namespace
}  // namespace brenvik
