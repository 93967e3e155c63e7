#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/Cp932.h"
#include "multi_support.h"
#include "official/HttpTransport.h"
#include "official/basTotoSettings.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

using test::cellsOf;
using test::EventLog;
using test::MatchCells;
using test::setCells;

std::string fixture(const std::string& folder) {
    std::ifstream in(
        std::string(BRENVIK_TEST_DATA_DIR) + "/official/pages/" + folder + "/input.html",
        std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Answers every GET with one body (or fails every one when the body is empty).
class PageTransport final : public HttpTransport {
  public:
    explicit PageTransport(std::string body) : body_(std::move(body)) { setHttpTransport(this); }
    ~PageTransport() override { setHttpTransport(nullptr); }
    bool connectionAvailable() override { return true; }
    HttpResponse get(const HttpRequest& request) override {
        urls.push_back(request.url);
        HttpResponse r;
        r.completed = !body_.empty();
        r.status = 200;
        r.body = body_;
        return r;
    }
    std::vector<std::string> urls;

  private:
    std::string body_;
};

class ResultMulti : public ::testing::Test {
  protected:
    ResultMulti() {
        folder.copyShippedSysData();
        multi.SelectMode(1);
        basTotoSettings::values().totoOfficialResultUrl = "http://127.0.0.1:9/result?holdCntId=";
        CurrentRound() = 1201;
    }
    ~ResultMulti() override { basTotoSettings::values() = saved_; }

    void cacheOfficialResult() {
        PageTransport page(fixture("result_normal"));
        multi.cMulti_DloadClick();
        ASSERT_TRUE(folder.exists("SysData/toto_Result/toto_result_1201.xml"));
    }

    test::SettingsScope settings;
    test::MessageRecorder boxes;
    test::TempProgramFolder folder;
    test::FixedClock clock{DateTime::fromFields(2026, 3, 9, 12, 0, 0)};
    clsMulti multi;
    const std::string file = "SysData/Temp/Brenvik_Result_1201.dat";

  private:
    TotoSettings saved_ = basTotoSettings::values();
};

TEST_F(ResultMulti, HandMarksAreKeptPerRoundUntilTheOfficialResultIsCached) {
    MultiMarks marks{};
    setCells(marks, 1, {0, 2, 0});
    setCells(marks, 13, {4, 0, 0});
    multi.SetMarks(marks);
    EXPECT_TRUE(multi.SaveResultUser());
    std::string expected;
    for (int m = 1; m <= 13; ++m)
        expected += m == 1 ? "0,2,0\r\n" : m == 13 ? "4,0,0\r\n" : "0,0,0\r\n";
    EXPECT_EQ(folder.read(file), expected);

    // Nothing marked: the kept file stays.
    multi.Clear();
    EXPECT_TRUE(multi.SaveResultUser());
    EXPECT_EQ(folder.read(file), expected);

    EventLog log(multi);
    EXPECT_TRUE(multi.LoadResultUser());
    EXPECT_EQ(multi.GetMarks(), marks);
    EXPECT_EQ(log.take(), test::kChanged);

    // Another round has no kept marks: the sheet is cleared.
    CurrentRound() = 5;
    EXPECT_TRUE(multi.LoadResultUser());
    EXPECT_EQ(multi.GetMarks(), MultiMarks{});
    EXPECT_EQ(clsMulti::ResultUserFileName(5), "Brenvik_Result_005.dat");
    EXPECT_EQ(clsMulti::ResultUserFileName(1234), "Brenvik_Result_1234.dat");

    // Once the official result is cached the hand marks are neither written nor read.
    CurrentRound() = 1201;
    cacheOfficialResult();
    multi.SetMarks(marks);
    folder.write(file, "x");
    EXPECT_FALSE(multi.SaveResultUser());
    EXPECT_EQ(folder.read(file), "x");
    log.take();
    EXPECT_FALSE(multi.LoadResultUser());
    EXPECT_EQ(multi.GetMarks(), marks);
    EXPECT_TRUE(log.take().empty());
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ResultMulti, AnUnreadableFileIsReportedAndLeavesTheMarks) {
    MultiMarks marks{};
    setCells(marks, 2, {2, 0, 0});
    multi.SetMarks(marks);
    for (const char* text : {"0,2,0\r\n",
                             "0,9,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n"
                             "0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n"
                             "0,0,0\r\n"}) {
        boxes.boxes.clear();
        folder.write(file, text);
        EXPECT_FALSE(multi.LoadResultUser());
        EXPECT_EQ(multi.GetMarks(), marks);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].title, "Brenvik / clsMulti / LoadResultUser");
        EXPECT_EQ(boxes.boxes[0].text, "Brenvik_Result_1201.dat\r\nファイルの読込に失敗しました。");
    }
    // A folder in the file's place cannot be replaced.
    std::filesystem::remove(folder.path() / file);
    folder.write(file + "/x", "");
    boxes.boxes.clear();
    EXPECT_FALSE(multi.SaveResultUser());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, "Brenvik / clsMulti / SaveResultUser");
    EXPECT_EQ(boxes.boxes[0].text, "Brenvik_Result_1201.dat\r\nファイルの保存に失敗しました。");
}

TEST_F(ResultMulti, DownloadButtonPlacesTheResultIntoTheMarks) {
    EventLog log(multi);
    bool asked = false;
    multi.DloadClickBefore.subscribe([&](bool& q) { asked = !q; });
    {
        PageTransport page(fixture("result_void_match"));
        multi.cMulti_DloadClick();
        EXPECT_EQ(page.urls, std::vector<std::string>{"http://127.0.0.1:9/result?holdCntId=1201"});
    }
    EXPECT_TRUE(asked);
    const MultiMarks marks = multi.GetMarks();
    EXPECT_EQ(cellsOf(marks, 1), (MatchCells{1, 0, 0}));  // 2-1
    EXPECT_EQ(cellsOf(marks, 2), (MatchCells{0, 1, 0}));  // 0-0
    EXPECT_EQ(cellsOf(marks, 3), (MatchCells{0, 0, 1}));  // 1-3
    EXPECT_EQ(cellsOf(marks, 6), (MatchCells{1, 1, 1}));  // void
    EXPECT_EQ(log.take(), (std::vector<std::string>{"DloadClickBefore", "Redraw", "SelectChange",
                                                    "DloadClick"}));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ResultMulti, DownloadButtonFailures) {
    struct Case {
        const char* page;
        bool question;
        MessageIcon icon;
        const char* text;
    };
    EventLog log(multi);
    for (const Case& c :
         {Case{"result_unpublished", false, MessageIcon::Information,
               "現在、この開催回のくじ結果は発表されていません。"},
          Case{"", false, MessageIcon::Warning, "インターネットよりダウンロードに失敗しました。"},
          Case{"result_14th_match", false, MessageIcon::Warning,
               "インターネットよりダウンロードに失敗しました。"},
          Case{"result_normal", true, MessageIcon::Information, nullptr}}) {
        SCOPED_TRACE(c.page);
        boxes.boxes.clear();
        PageTransport page(*c.page ? fixture(c.page) : std::string());
        const auto token = multi.DloadClickBefore.subscribe([&](bool& q) { q = c.question; });
        multi.cMulti_DloadClick();
        multi.DloadClickBefore.unsubscribe(token);
        EXPECT_EQ(multi.GetMarks(), MultiMarks{});
        if (c.text) {
            ASSERT_EQ(boxes.boxes.size(), 1u);
            EXPECT_EQ(boxes.boxes[0].icon, c.icon);
            EXPECT_EQ(boxes.boxes[0].title, " 結果情報");
            EXPECT_EQ(boxes.boxes[0].text, c.text);
        } else {
            // Declined: only the question was shown.
            ASSERT_EQ(boxes.boxes.size(), 1u);
            EXPECT_TRUE(boxes.boxes[0].question);
            EXPECT_TRUE(page.urls.empty());
        }
        EXPECT_EQ(log.take(), std::vector<std::string>{"DloadClickBefore"});
    }
}

}  // namespace
}  // namespace brenvik
