#include <gtest/gtest.h>

#include <algorithm>

#include "app/Cp932.h"
#include "official/basTotoSettings.h"
#include "official/clsTalvenmooreDownload.h"
#include "support/LoopbackServer.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

using test::LoopbackServer;

const char* const Folder = "/download/2021/";
const char* const NotFoundPage =
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 2.0//EN\">\n<html><head>\n"
    "<title>404 Not Found</title>\n</head><body>\n<h1>Not Found</h1>\n"
    "<p>The requested URL was not found on this server.</p>\n</body></html>\n";

std::string table(const std::string& version, const std::string& revision, bool end = true) {
    return cp932::fromUtf8("; 海外チーム名\r\nVersion = " + version + "\r\nRevision = " + revision +
                           "\r\nバルセロナ = FCバルセロナ\r\n" + (end ? "[End]\r\n" : ""));
}

std::string versionList(const std::string& entry) {
    return "// maker's versions\r\n; comment\r\n\r\n  " + entry +
           "  \r\nOther = \r\n[VersionEnd]\r\n";
}

struct MakerDownload : ::testing::Test {
    test::MessageRecorder boxes;
    test::DownloadProgressRecorder window;
    test::TempProgramFolder folder;
    LoopbackServer server;
    test::TrustingTransport transport;

    MakerDownload() {
        folder.copyShippedSysData();
        basTotoSettings::values().TalvenmooreDownloadUrl = server.url(Folder);
    }
    ~MakerDownload() override { basTotoSettings::SetTotoSettingsDefaults(); }

    void install(const std::string& bytes) { folder.write("SysData/TeamName2.dat", bytes); }
    std::string installed() const { return folder.read("SysData/TeamName2.dat"); }
    std::size_t fetches(const std::string& name) const {
        std::size_t n = 0;
        for (const auto& r : server.requests()) n += r.path == std::string(Folder) + name;
        return n;
    }
    void expectOneBox(MessageIcon icon, const std::string& text) const {
        ASSERT_EQ(boxes.boxes.size(), 1u) << text;
        EXPECT_EQ(boxes.boxes[0].icon, icon);
        EXPECT_EQ(boxes.boxes[0].title, " Talvenmoore");
        EXPECT_EQ(boxes.boxes[0].text, text);
    }
};

TEST_F(MakerDownload, NewerTableReplacesTheInstalledOne) {
    install(table("1", "9"));
    server.serve(std::string(Folder) + "version.dat", versionList("TeamName2.dat = 1.10"));
    // Bytes that a CP932 decode and encode would not give back (NEC row 13 ①, IBM 0xFA40).
    const std::string newer = table("1", "10") + "\x87\x40\xfa\x40\r\n";
    server.serve(std::string(Folder) + "TeamName2.dat", newer, "application/octet-stream");

    clsTalvenmooreDownload maker;
    EXPECT_TRUE(maker.DownloadTeamName2(nullptr, false));
    expectOneBox(MessageIcon::Information, "海外チーム名を最新版に更新しました。");
    EXPECT_EQ(installed(), newer);
    EXPECT_EQ(window.lines.front(), " ファイルバージョン取得中 (Talvenmoore)");
    EXPECT_NE(
        std::find(window.lines.begin(), window.lines.end(), " 海外チーム名取得中 (Talvenmoore)"),
        window.lines.end());
    EXPECT_EQ(maker.GetItem("teamname2.DAT", ""), "1.10");
    EXPECT_EQ(maker.GetItem("", "d"), "d");
    EXPECT_EQ(maker.GetItem("Other", "d"), "d");  // an empty value is no entry

    // The version list of the run is kept: the next check asks the site no more.
    boxes.boxes.clear();
    EXPECT_TRUE(maker.DownloadTeamName2(nullptr, false));
    expectOneBox(MessageIcon::Information, "海外チーム名の情報は最新です。");
    EXPECT_EQ(fetches("version.dat"), 1u);
    EXPECT_EQ(fetches("TeamName2.dat"), 1u);
}

TEST_F(MakerDownload, VersionChecksThatStopTheUpdate) {
    struct Case {
        const char* installedVersion;
        const char* installedRevision;
        const char* entry;
        MessageIcon icon;
        const char* text;
        bool result;
    };
    const Case cases[] = {
        {"2", "0", "TeamName2.dat = 2.0", MessageIcon::Information,
         "海外チーム名の情報は最新です。", true},
        {"2", "0", "TeamName2.dat = 1.99", MessageIcon::Warning,
         "海外チーム名のバージョンが異常です。", false},
        {"2", "0", "OtherFile.dat = 3.0", MessageIcon::Warning,
         "海外チーム名のバージョン取得に失敗しました。", false},
        {"2", "0", "TeamName2.dat = 3", MessageIcon::Warning,
         "海外チーム名のバージョン取得に失敗しました。", false},
        {"", "", "TeamName2.dat = 3.0", MessageIcon::Warning,
         "海外チーム名のバージョンが不明です。", false},
    };
    server.serve(std::string(Folder) + "TeamName2.dat", table("9", "9"));
    for (const Case& c : cases) {
        boxes.boxes.clear();
        const std::string before = table(c.installedVersion, c.installedRevision);
        install(before);
        server.serve(std::string(Folder) + "version.dat", versionList(c.entry));
        clsTalvenmooreDownload maker;
        EXPECT_EQ(maker.DownloadTeamName2(nullptr, false), c.result) << c.entry;
        expectOneBox(c.icon, c.text);
        EXPECT_EQ(installed(), before) << c.entry;
    }
    EXPECT_EQ(fetches("TeamName2.dat"), 0u);
}

TEST_F(MakerDownload, DownloadFailuresNameTheirCause) {
    const std::string fail = "インターネットよりダウンロードに失敗しました。\r\n";
    struct Case {
        std::string versionDat;
        int status;
        std::string teamName2;
        std::string text;
    };
    const Case cases[] = {
        {NotFoundPage, 404, "", fail + "原因：アドレスが見つかりません"},
        {"", 200, "", fail + "原因：サイトが見つかりません"},
        {"TeamName2.dat = 1.10\r\n", 200, "",
         fail + "原因：ダウンロード内容(version.dat)が異常です"},
        {versionList("TeamName2.dat = 1.10"), 200, table("1", "10", false),
         fail + "原因：TeamName2.dat が異常です"},
        {versionList("TeamName2.dat = 1.10"), 200, NotFoundPage,
         fail + "原因：アドレスが見つかりません"},
        {versionList("TeamName2.dat = 1.10"), 200, "", fail + "原因：サイトが見つかりません"},
    };
    const std::string before = table("1", "9");
    for (const Case& c : cases) {
        boxes.boxes.clear();
        install(before);
        server.serve(std::string(Folder) + "version.dat", c.versionDat, "text/html", c.status);
        server.serve(std::string(Folder) + "TeamName2.dat", c.teamName2);
        clsTalvenmooreDownload maker;
        EXPECT_FALSE(maker.DownloadTeamName2(nullptr, false)) << c.text;
        expectOneBox(MessageIcon::Warning, c.text);
        EXPECT_EQ(installed(), before) << c.text;
    }
}

TEST_F(MakerDownload, NoSiteAtAllAndTheQuestion) {
    install(table("1", "9"));
    basTotoSettings::values().TalvenmooreDownloadUrl = "http://127.0.0.1:1/download/2021/";
    clsTalvenmooreDownload maker;
    EXPECT_FALSE(maker.DownloadTeamName2(nullptr, true));  // answered No
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_TRUE(boxes.boxes[0].question);
    EXPECT_EQ(boxes.boxes[0].title, "  Talvenmoore");
    EXPECT_EQ(boxes.boxes[0].text,
              "Talvenmooreより 海外チーム名 をダウンロードします。よろしいですか？");
    EXPECT_TRUE(window.lines.empty());

    boxes.boxes.clear();
    boxes.answer(true);
    EXPECT_FALSE(maker.DownloadTeamName2(nullptr, true));
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[1].text,
              "インターネットよりダウンロードに失敗しました。\r\n原因：サイトが見つかりません");
}

TEST(MakerVersions, NumbersAndListRules) {
    struct Case {
        const char* text;
        int64_t number;
    };
    const Case cases[] = {{"1.10", 1010}, {"1.9", 1009}, {"2.0", 2000},    {"2026.1", 2026001},
                          {"3", 0},       {".", 0},      {"1.", 0},        {".5", 0},
                          {"a.b", 0},     {"", 0},       {" 1 . 2 ", 1002}};
    for (const Case& c : cases)
        EXPECT_EQ(clsTalvenmooreDownload::VersionNumber(c.text), c.number) << c.text;

    std::vector<std::pair<std::string, std::string>> items;
    EXPECT_FALSE(clsTalvenmooreDownload::ParseVersionList("A = 1.0\r\n", items));
    EXPECT_TRUE(clsTalvenmooreDownload::ParseVersionList(
        " A = 1.0 \r\n//B = 2.0\r\n;C = 3.0\r\n = 4.0\r\nD = x = y\nE=5.0\r\n[VersionEnd]", items));
    const std::vector<std::pair<std::string, std::string>> expected{
        {"A", "1.0"}, {"D", "x = y"}, {"E", "5.0"}};
    EXPECT_EQ(items, expected);
}

}  // namespace
}  // namespace brenvik
