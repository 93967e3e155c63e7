#include <gtest/gtest.h>

#include "official/clsHtmlGet.h"
#include "support/LoopbackServer.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

using test::DownloadProgressRecorder;
using test::LoopbackServer;
using test::MessageRecorder;
using test::TrustingTransport;

const char* const Page =
    "<html><head><title>第1234回 toto</title></head>"
    "<BODY><table><tr><td>第1234回totoくじ情報</td><td>販売開始日</td>"
    "<td>2009年 3月 7日（土）</td></tr></table></Body></html>";

class OfflineTransport final : public HttpTransport {
  public:
    OfflineTransport() { setHttpTransport(this); }
    ~OfflineTransport() override { setHttpTransport(nullptr); }
    bool connectionAvailable() override { return false; }
    HttpResponse get(const HttpRequest&) override {
        ++calls;
        return {};
    }
    int calls = 0;
};

TEST(HtmlGet, FetchesTokenizesAndGivesTheCells) {
    MessageRecorder boxes;
    DownloadProgressRecorder window;
    LoopbackServer server;
    server.serve("/info", Page);
    TrustingTransport transport;

    clsHtmlGet page;
    page.ProgressDialogMessage("第1234回 開催情報取得中 (オフィシャル)");
    const int32_t count = page.GetHttp(server.url("/info"), "", nullptr, 8);
    EXPECT_EQ(count, page.Count());
    EXPECT_EQ(count, 22);
    EXPECT_EQ(page.Url(), server.url("/info"));
    EXPECT_EQ(page.PageText(), Page);
    std::vector<std::string> cells;
    ASSERT_EQ(page.GetTextData(cells), 3);
    EXPECT_EQ(cells[0], "第1234回totoくじ情報");
    EXPECT_EQ(cells[2], "2009年3月7日（土）");  // blanks gone from names only
    EXPECT_EQ(page.GetHtmlTitle(), "第1234回 toto");
    EXPECT_EQ(page.Item(1).Name, "html");
    EXPECT_EQ(page.Item(count).Name, "html");
    EXPECT_TRUE(page.Item(count).IsEndTag);
    EXPECT_EQ(page.Item(0).Text, "");
    EXPECT_EQ(page.Item(count + 1).Text, "");
    EXPECT_EQ(window.lines.front(), " 第1234回 開催情報取得中 (オフィシャル)");

    // A failed fetch leaves nothing of the last page.
    EXPECT_EQ(page.GetHttp(server.url("/gone").replace(0, 4, "ftp"), "", nullptr, 8), 0);
    EXPECT_EQ(page.Count(), 0);
    EXPECT_EQ(page.PageText(), "");
    EXPECT_EQ(page.GetTextData(cells), 0);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(HtmlGet, NoConnectionReturnsAtOnce) {
    DownloadProgressRecorder window;
    OfflineTransport offline;
    clsHtmlGet page;
    page.SetPage(Page);
    EXPECT_EQ(page.GetHttp("https://127.0.0.1/x", "", nullptr, 8), 0);
    EXPECT_EQ(page.Count(), 0);
    EXPECT_EQ(offline.calls, 0);
    EXPECT_EQ(window.openCount, 0);
}

TEST(HtmlGet, FilesAndImages) {
    MessageRecorder boxes;
    DownloadProgressRecorder window;
    test::TempProgramFolder folder;
    LoopbackServer server;
    const std::string image("\x89PNG\r\n\x1a\n\0\xff", 10);
    server.serve("/logo.png", image, "image/png");
    server.serve("/empty.png", "", "image/png");
    TrustingTransport transport;

    clsHtmlGet page;
    EXPECT_TRUE(page.SaveToImage("logo.png", server.url("/logo.png"), "", nullptr));
    EXPECT_EQ(folder.read("logo.png"), image);
    EXPECT_FALSE(page.SaveToImage("empty.png", server.url("/empty.png"), "", nullptr));
    EXPECT_FALSE(folder.exists("empty.png"));

    page.SetPage(Page);
    EXPECT_TRUE(page.SaveToFile("page.html"));
    clsHtmlGet again;
    EXPECT_EQ(again.GetFile("page.html"), page.Count());
    EXPECT_EQ(again.PageText(), Page);
    EXPECT_EQ(again.GetFile("missing.html"), 0);
    EXPECT_TRUE(boxes.boxes.size() <= 1u);  // the missing file's own report, if any
}

TEST(HtmlGet, JoinsRelativeAddresses) {
    struct Case {
        const char* base;
        const char* relative;
        const char* joined;
    };
    const Case cases[] = {
        {"http://host/b/c.html", "../d.html", "http://host/d.html"},
        {"http://host/b/c.html", "/x.html", "http://host/x.html"},
        {"http://host/b/c.html", "e.html", "http://host/b/e.html"},
        {"http://host/b/c/d.html", "../../e/f.html", "http://host/e/f.html"},
        {"http://host/b/c.html", "../../../x.html", "http://host/x.html"},
        {"host/b/c.html", "x/y.html", "http://host/b/x/y.html"},
        {"https://host/b/c.html", "../d.html", "https://host/d.html"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(clsHtmlGet::GetPlusAddrees(c.base, c.relative), c.joined)
            << c.base << " + " << c.relative;
}

}  // namespace
}  // namespace brenvik
