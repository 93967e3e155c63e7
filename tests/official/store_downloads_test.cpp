#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/Cp932.h"
#include "official/basTotoSettings.h"
#include "official/clsResult.h"
#include "official/clsSchedule.h"
#include "official/clsVote.h"
#include "support/LoopbackServer.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

std::string fixture(const std::string& folder, const std::string& file) {
    std::ifstream in(std::string(BRENVIK_TEST_DATA_DIR) + "/official/pages/" + folder + "/" + file,
                     std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A program folder with the shipped data, the site settings pointed at a loopback server
// and a fixed clock.
class Stores : public ::testing::Test {
  protected:
    Stores() {
        folder.copyShippedSysData();
        pointAt(server.base());
    }
    ~Stores() override { basTotoSettings::values() = saved_; }

    void pointAt(const std::string& base) {
        TotoSettings& s = basTotoSettings::values();
        s.totoOfficialScheduleUrl = base + "/schedule?holdCntId=";
        s.totoOfficialVoteUrl = base + "/vote?holdCntId=";
        s.totoOfficialTotoUrl = "&commodityId=01";
        s.totoOfficialResultUrl = base + "/result?holdCntId=";
    }

    test::MessageRecorder boxes;
    test::DownloadProgressRecorder window;
    test::TempProgramFolder folder;
    test::FixedClock clock{DateTime::fromFields(2026, 3, 5, 12, 0, 0)};
    test::LoopbackServer server;
    test::TrustingTransport transport;

  private:
    TotoSettings saved_ = basTotoSettings::values();
};

TEST_F(Stores, ScheduleIsCachedOnceAndNeverOverwritten) {
    server.serve("/schedule?holdCntId=1201", fixture("schedule_normal", "input.html"));
    clsSchedule store;
    store.Initialize(nullptr);
    ASSERT_TRUE(store.GetSchedule(1201, "", 2, false));
    const std::string file = "SysData/toto_Schedule/toto_schedule_1201.xml";
    EXPECT_EQ(folder.read(file), fixture("schedule_normal", "expected.xml"));
    EXPECT_EQ(window.lines.front(), " 第1201回 開催情報取得中 (オフィシャル)");
    EXPECT_EQ(server.requests().back().path, "/schedule?holdCntId=1201");

    // A not-held mark in its place stays; the download still becomes the current record.
    const std::string mark = cp932::fromUtf8(
        "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<toto>\r\n<開催>\r\n"
        "<開催回>1201</開催回>\r\n<開催状態>1</開催状態>\r\n</開催>\r\n</toto>\r\n");
    folder.write(file, mark);
    ASSERT_TRUE(store.GetSchedule(1201, "", 2, false));
    EXPECT_EQ(store.Schedule().Matches[13].Away, "琉球");
    EXPECT_EQ(folder.read(file), mark);

    // From the cache alone the mark is what counts.
    EXPECT_FALSE(store.GetSchedule(1201, "", 1, false));
    EXPECT_TRUE(store.NoGame());
    EXPECT_EQ(store.Schedule().Kaisaikai, 1201);
    EXPECT_EQ(server.requests().size(), 2u);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Stores, AMalformedCacheIsReportedAndADownloadMayFollow) {
    folder.write("SysData/toto_Schedule/toto_schedule_1201.xml",
                 "<toto>\r\n<開催>\r\n<開催回>1201</組>\r\n</開催>\r\n</toto>\r\n");
    server.serve("/schedule?holdCntId=1201", fixture("schedule_normal", "input.html"));
    clsSchedule store;
    store.Initialize(nullptr);
    EXPECT_FALSE(store.GetSchedule(1201, "", 1, false));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::Warning);
    EXPECT_EQ(boxes.boxes[0].title, "Brenvik / clsXmlSchedule / XmlLoad");
    EXPECT_EQ(boxes.boxes[0].text, "XMLデータが異常です。");
    EXPECT_TRUE(store.GetSchedule(1201, "", 1 | 2, false));
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(Stores, DeclinedDownloadsCancelSilently) {
    clsSchedule schedule;
    clsVote vote;
    clsResult result;
    schedule.Initialize(nullptr);
    vote.Initialize(nullptr);
    result.Initialize(nullptr);
    EXPECT_FALSE(schedule.GetSchedule(1201, "", 2, true));
    EXPECT_FALSE(vote.GetVote(1201, "", 2, true));
    EXPECT_FALSE(result.GetResult(1201, "", 2, true));
    EXPECT_TRUE(schedule.Cancel());
    EXPECT_TRUE(vote.Cancel());
    EXPECT_TRUE(result.Cancel());
    ASSERT_EQ(boxes.boxes.size(), 3u);
    EXPECT_TRUE(boxes.boxes[0].question);
    EXPECT_EQ(boxes.boxes[0].title, " 開催情報");
    EXPECT_EQ(boxes.boxes[0].text,
              "インターネットより 開催情報 をダウンロードします。よろしいですか？");
    EXPECT_EQ(boxes.boxes[1].title, " 投票状況");
    EXPECT_EQ(boxes.boxes[2].title, " くじ結果");
    schedule.FalseDialog(1201);
    vote.FalseDialog(1201);
    result.FalseDialog(1201);
    EXPECT_EQ(boxes.boxes.size(), 3u);
    EXPECT_TRUE(server.requests().empty());
}

// Each store's failures as FalseDialog tells them.
struct Failure {
    const char* name;
    const char* page;  // fixture folder served, or nullptr for none
    bool unreachable;
    MessageIcon icon;
    const char* text;
};

class StoreFailures : public Stores, public ::testing::WithParamInterface<Failure> {};

TEST_P(StoreFailures, ShowTheirMessage) {
    const Failure& f = GetParam();
    if (f.unreachable) pointAt("http://127.0.0.1:1");
    const std::string name = f.name;
    const std::string kind = name.substr(0, name.find('_'));
    const std::string product = kind == "vote" ? "&commodityId=01" : "";
    if (f.page)
        server.serve("/" + kind + "?holdCntId=1201" + product, fixture(f.page, "input.html"));

    clsSchedule schedule;
    clsVote vote;
    clsResult result;
    std::string title;
    if (kind == "schedule") {
        schedule.Initialize(nullptr);
        EXPECT_FALSE(schedule.GetSchedule(1201, "", 2, false));
        EXPECT_FALSE(schedule.Cancel());
        schedule.FalseDialog(1201);
        title = " 開催情報";
    } else if (kind == "vote") {
        vote.Initialize(nullptr);
        EXPECT_FALSE(vote.GetVote(1201, "", 2, false));
        vote.FalseDialog(1201);
        title = " 投票状況";
    } else {
        result.Initialize(nullptr);
        EXPECT_FALSE(result.GetResult(1201, "", 2, false));
        result.FalseDialog(1201);
        title = " くじ結果";
    }
    ASSERT_FALSE(boxes.boxes.empty());
    const test::RecordedMessage& box = boxes.boxes.back();
    EXPECT_EQ(box.icon, f.icon);
    EXPECT_EQ(box.title, title);
    EXPECT_EQ(box.text, f.text);
    EXPECT_FALSE(folder.exists("SysData/toto_Schedule/toto_schedule_1201.xml"));
    EXPECT_FALSE(folder.exists("SysData/toto_Vote/toto_vote_1201.xml"));
    EXPECT_FALSE(folder.exists("SysData/toto_Result/toto_result_1201.xml"));
}

const char* const Failed = "インターネットよりダウンロードに失敗しました。";

INSTANTIATE_TEST_SUITE_P(
    Stores, StoreFailures,
    ::testing::Values(
        Failure{"schedule_unreachable", nullptr, true, MessageIcon::Warning, Failed},
        // The server's bare "not found" body has no items at all: a failed download.
        Failure{"schedule_not_found_page", nullptr, false, MessageIcon::Warning, Failed},
        // A page without the heading is a round not yet published.
        Failure{"schedule_other_page", "vote_final", false, MessageIcon::Information,
                "第1201回 開催情報は発表されていません。"},
        Failure{"schedule_not_shown", "schedule_unpublished", false, MessageIcon::Information,
                "第1201回 開催情報は発表されていません。"},
        Failure{"schedule_14th_match", "schedule_14th_match", false, MessageIcon::Warning, Failed},
        Failure{"vote_unreachable", nullptr, true, MessageIcon::Warning, Failed},
        Failure{"vote_no_as_of_note", "vote_unpublished", false, MessageIcon::Information,
                "第1201回 投票状況は発表されていません。"},
        Failure{"vote_ratios_99_99", "vote_ratios_99_99", false, MessageIcon::Warning, Failed},
        Failure{"vote_sales_not_100x", "vote_sales_not_100x", false, MessageIcon::Warning, Failed},
        Failure{"result_unreachable", nullptr, true, MessageIcon::Warning, Failed},
        Failure{"result_not_shown", "result_unpublished", false, MessageIcon::Information,
                "第1201回 くじ結果は発表されていません。"},
        Failure{"result_14th_match", "result_14th_match", false, MessageIcon::Warning, Failed}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(Stores, VoteFiguresAreCachedOnlyWhenFinal) {
    server.serve("/vote?holdCntId=1201&commodityId=01", fixture("vote_interim", "input.html"));
    clsVote store;
    store.Initialize(nullptr);
    ASSERT_TRUE(store.GetVote(1201, "", 2, false));
    EXPECT_EQ(store.Vote().AsOf, DateTime::fromFields(2026, 3, 6, 18, 0, 0));
    EXPECT_FALSE(store.CheckVoteFile(1201, ""));
    EXPECT_EQ(window.lines.front(), " 第1201回 投票状況情報取得中 (オフィシャル)");
    EXPECT_EQ(server.requests().back().path, "/vote?holdCntId=1201&commodityId=01");

    server.serve("/vote?holdCntId=1201&commodityId=01", fixture("vote_final", "input.html"));
    ASSERT_TRUE(store.GetVote(1201, "", 2, false));
    const std::string file = "SysData/toto_Vote/toto_vote_1201.xml";
    EXPECT_EQ(folder.read(file), fixture("vote_final", "expected.xml"));
    EXPECT_EQ(store.Vote().AsOf, store.Vote().SaleEnd);

    // Written once: later final figures leave the file alone.
    folder.write(file, fixture("vote_final", "expected.xml") + "\r\n");
    ASSERT_TRUE(store.GetVote(1201, "", 2, false));
    EXPECT_EQ(folder.read(file), fixture("vote_final", "expected.xml") + "\r\n");
    ASSERT_TRUE(store.GetVote(1201, "", 1, false));
    EXPECT_EQ(server.requests().size(), 3u);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Stores, ResultIsCachedOnceByTheFirstValidDownload) {
    server.serve("/result?holdCntId=1201", fixture("result_void_match", "input.html"));
    clsResult store;
    store.Initialize(nullptr);
    ASSERT_TRUE(store.GetResult(1201, "", 2, false));
    EXPECT_TRUE(store.CheckResultFile(1201, ""));
    const std::string file = "SysData/toto_Result/toto_result_1201.xml";
    EXPECT_EQ(folder.read(file), fixture("result_void_match", "expected.xml"));
    EXPECT_EQ(window.lines.front(), " 第1201回 結果情報取得中 (オフィシャル)");

    server.serve("/result?holdCntId=1201", fixture("result_normal", "input.html"));
    ASSERT_TRUE(store.GetResult(1201, "", 2, false));
    EXPECT_EQ(store.Result().Matches[6].LotResult, 1);
    EXPECT_EQ(folder.read(file), fixture("result_void_match", "expected.xml"));
    ASSERT_TRUE(store.GetResult(1201, "", 1, false));
    EXPECT_EQ(store.Result().Matches[6].LotResult, 3);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Stores, AreReportedWhenUsedBeforeInitialize) {
    clsSchedule schedule;
    clsVote vote;
    clsResult result;
    EXPECT_FALSE(schedule.GetSchedule(1201, "", 1, false));
    EXPECT_FALSE(schedule.NoGame());
    EXPECT_EQ(schedule.Schedule(), ScheduleRecord{});
    EXPECT_FALSE(vote.Unpublished());
    EXPECT_EQ(vote.Vote(), VoteRecord{});
    EXPECT_FALSE(result.Cancel());
    EXPECT_FALSE(result.GetResult(1201, "", 1, false));
    std::vector<std::string> titles;
    for (const auto& b : boxes.boxes) {
        EXPECT_EQ(b.text, "Initialize Err");
        titles.push_back(b.title);
    }
    EXPECT_EQ(titles, (std::vector<std::string>{
                          "Brenvik / clsSchedule / GetSchedule", "Brenvik / clsSchedule / NoGame",
                          "Brenvik / clsSchedule / Schedule", "Brenvik / clsVote / Unpublished",
                          "Brenvik / clsVote / Vote", "Brenvik / clsResult / Cancel",
                          "Brenvik / clsResult / GetResult"}));
}

}  // namespace
}  // namespace brenvik
