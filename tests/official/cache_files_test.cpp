#include <gtest/gtest.h>

#include "app/Cp932.h"
#include "official/XmlText.h"
#include "official/clsResult.h"
#include "official/clsSchedule.h"
#include "official/clsVote.h"
#include "official/clsXmlResult.h"
#include "official/clsXmlSchedule.h"
#include "official/clsXmlVote.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

Values readAll(const std::string& text, const std::string& root, bool* ok = nullptr) {
    Values v;
    const bool r = xmltext::read(text, root, [&](std::string_view k, std::string_view x) {
        v.emplace_back(std::string(k), std::string(x));
    });
    if (ok) *ok = r;
    return v;
}

TEST(CacheText, SplitsAtTagsTrimsAndKeysByTheOpenTags) {
    // Indented, LF-only, two elements on one line, a stray root: all as the files of
    // earlier versions and other tools may hold them.
    const std::string text =
        "<?xml version=\"1.0\"?>\n<toto>\n  <開催><開催回> 7 </開催回>\n"
        "<指定試合><番号>1</番号><ホーム>a&b</ホーム></指定試合>\n<空></空>\n"
        "</開催>\n<別>\n<開催回>9</開催回>\n</別>\n</toto>";
    bool ok = false;
    EXPECT_EQ(
        readAll(text, "開催", &ok),
        (Values{{"<開催回>", "7"}, {"<指定試合><番号>", "1"}, {"<指定試合><ホーム>", "a&b"}}));
    EXPECT_TRUE(ok);
}

TEST(CacheText, AClosingTagMustMatchTheOpenOne) {
    bool ok = true;
    readAll("<toto><開催><開催回>1</組></開催></toto>", "開催", &ok);
    EXPECT_FALSE(ok);
    readAll("</toto>", "開催", &ok);
    EXPECT_FALSE(ok);
    // The root stays open: closing it twice is no fault.
    readAll("<toto></toto></toto>", "開催", &ok);
    EXPECT_TRUE(ok);
}

TEST(CacheText, DeepNestingCostsNothingPerValue) {
    std::string text = "<toto><開催>";
    for (int i = 0; i < 200000; ++i) text += "<a>x";
    std::size_t values = 0;
    std::size_t lastKey = 0;
    EXPECT_TRUE(xmltext::read(text, "開催", [&](std::string_view k, std::string_view) {
        ++values;
        lastKey = k.size();
    }));
    EXPECT_EQ(values, 200000u);
    EXPECT_EQ(lastKey, 3u * 200000u);
}

TEST(CacheText, DateTimesInTheirThreeForms) {
    EXPECT_EQ(xmltext::dateTimeText(DateTime()), "0:00:00");
    EXPECT_EQ(xmltext::dateTimeText(DateTime::fromDate(2009, 3, 7)), "2009/03/07");
    EXPECT_EQ(xmltext::dateTimeText(DateTime::fromTime(9, 5, 0)), "9:05:00");
    EXPECT_EQ(xmltext::dateTimeText(DateTime::fromFields(2009, 3, 7, 13, 50, 0)),
              "2009/03/07 13:50:00");
    for (const char* t : {"0:00:00", "2009/03/07", "9:05:00", "2009/03/07 13:50:00"})
        EXPECT_EQ(xmltext::dateTimeText(xmltext::toDateTime(t)), t);
}

class CacheFiles : public ::testing::Test {
  protected:
    test::MessageRecorder boxes;
    test::TempProgramFolder folder;
};

TEST_F(CacheFiles, NamesHaveAtLeastThreeDigitsAndTheGroup) {
    clsXmlSchedule s;
    clsXmlVote v;
    clsXmlResult r;
    EXPECT_EQ(s.GetFileName(7, ""), folder.str() + "/SysData/toto_Schedule/toto_schedule_007.xml");
    EXPECT_EQ(s.GetFileName(1234, "A"),
              folder.str() + "/SysData/toto_Schedule/toto_schedule_1234_A.xml");
    EXPECT_EQ(v.GetFileName(123, ""), folder.str() + "/SysData/toto_Vote/toto_vote_123.xml");
    EXPECT_EQ(r.GetFileName(45, ""), folder.str() + "/SysData/toto_Result/toto_result_045.xml");
}

TEST_F(CacheFiles, OlderScheduleFilesReadBack) {
    // Written by an earlier version: 結果速報発表日, no 組, a time without seconds.
    const std::string text =
        "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<toto>\r\n<開催>\r\n"
        "<開催回>412</開催回>\r\n<指定試合>\r\n<番号>2</番号>\r\n<ホーム>鹿島</ホーム>\r\n"
        "<試合開始予定時間>19:30</試合開始予定時間>\r\n<競技場></競技場>\r\n</指定試合>\r\n"
        "<販売開始日>2009/3/1</販売開始日>\r\n<結果速報発表日>2009/03/09</結果速報発表日>\r\n"
        "<開催状態>中止</開催状態>\r\n</開催>\r\n</toto>\r\n";
    folder.write("old.xml", cp932::fromUtf8(text));
    clsXmlSchedule xml;
    ASSERT_TRUE(xml.XmlLoad(folder.str() + "/old.xml"));
    const ScheduleRecord& r = xml.Schedule();
    EXPECT_EQ(r.Kaisaikai, 412);
    EXPECT_EQ(r.Matches[2].Home, "鹿島");
    EXPECT_EQ(r.Matches[2].StartTime, DateTime::fromTime(19, 30, 0));
    EXPECT_EQ(r.Matches[2].Stadium, "");
    EXPECT_EQ(r.SaleStart, DateTime::fromDate(2009, 3, 1));
    EXPECT_EQ(r.ResultDate, DateTime::fromDate(2009, 3, 9));
    EXPECT_EQ(r.HoldState, 2);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(CacheFiles, BadValuesAreRunTimeErrorsUnderXmlLoad) {
    struct Bad {
        const char* inner;
        int number;
    };
    for (const Bad& b :
         {Bad{"<販売開始日>3月頃</販売開始日>", 13}, Bad{"<開催回>99999999999</開催回>", 6},
          Bad{"<指定試合><番号>14</番号></指定試合>", 9},
          Bad{"<指定試合><ホーム>鹿島</ホーム></指定試合>", 9}}) {
        SCOPED_TRACE(b.inner);
        boxes.boxes.clear();
        folder.write("bad.xml",
                     cp932::fromUtf8(std::string("<toto><開催>") + b.inner + "</開催></toto>"));
        clsXmlSchedule xml;
        ScheduleRecord kept;
        kept.Kaisaikai = 77;
        xml.Schedule(kept);
        EXPECT_FALSE(xml.XmlLoad(folder.str() + "/bad.xml"));
        EXPECT_EQ(xml.Schedule().Kaisaikai, 77);  // the kept record stays
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::Error);
        EXPECT_NE(boxes.boxes[0].title.find("/ clsXmlSchedule / XmlLoad"), std::string::npos);
        EXPECT_NE(boxes.boxes[0].text.find("( " + std::to_string(b.number) + " )"),
                  std::string::npos);
    }
}

TEST_F(CacheFiles, AbsentFilesAreFalseWithoutAMessage) {
    clsXmlSchedule s;
    clsXmlVote v;
    clsXmlResult r;
    EXPECT_FALSE(s.XmlLoad(""));
    EXPECT_FALSE(s.XmlLoad(s.GetFileName(1, "")));
    EXPECT_FALSE(v.XmlLoad(v.GetFileName(1, "")));
    EXPECT_FALSE(r.XmlLoad(r.GetFileName(1, "")));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(CacheFiles, AFailedWriteIsReportedAndKeepsTheOldFile) {
    // A folder where the file should be: the write cannot replace it.
    folder.write("SysData/toto_Result/toto_result_005.xml/x", "x");
    clsXmlResult xml;
    EXPECT_FALSE(xml.XmlSave(xml.GetFileName(5, "")));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, "Brenvik / clsXmlResult / XmlSave");
    EXPECT_EQ(boxes.boxes[0].text, "ファイルの保存に失敗しました。\r\n" + xml.GetFileName(5, ""));
    EXPECT_TRUE(folder.exists("SysData/toto_Result/toto_result_005.xml/x"));
}

TEST_F(CacheFiles, VoteBlockOfTheDataFileRoundTripsExceptTheGroup) {
    VoteRecord r;
    r.Kaisaikai = 123;
    r.Group = "A";
    r.AsOf = DateTime::fromFields(2009, 3, 7, 13, 50, 0);
    r.Matches[4].Home = "鹿島";
    r.Matches[4].Outcomes[0] = {Currency::parse("1234"), Currency::parse("45.67")};
    r.Matches[13].StartTime = DateTime::fromTime(19, 0, 0);
    r.TicketCount.Single = Currency::parse("0.0001");
    clsXmlVote xml;
    xml.Vote(r);
    const std::string block = xml.GetXmlString(false);
    EXPECT_EQ(block.rfind("<投票状況>\r\n<開催回>123</開催回>\r\n<組>A</組>\r\n", 0), 0u);
    EXPECT_EQ(block.find("<toto>"), std::string::npos);
    EXPECT_NE(block.find("<その他>\r\n<投票口数>1234</投票口数>\r\n<投票率>45.67</投票率>\r\n"),
              std::string::npos);
    clsXmlVote back;
    ASSERT_TRUE(back.SetXmlString(block, false));
    r.Group.clear();
    EXPECT_EQ(back.Vote(), r);
}

TEST_F(CacheFiles, NotHeldMarkLayout) {
    EXPECT_EQ(clsXmlSchedule::NoGameXmlString(5),
              "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
              "<?xml-stylesheet type=\"text/xsl\" href=\"style.xsl\"?>\r\n<toto>\r\n<開催>\r\n"
              "<開催回>5</開催回>\r\n<開催状態>1</開催状態>\r\n</開催>\r\n</toto>\r\n");
}

// The validity rules at their edges, one change from a valid record each.
TEST(StoreRules, ResultValidityAtItsEdges) {
    ResultRecord r;
    r.Kaisaikai = 1201;
    for (std::size_t m = 1; m <= 13; ++m) r.Matches[m] = {DateTime(), 1, "S", "H", "A", 30, 0};
    r.SaleStart = r.SaleEnd = r.ResultDate = r.PayoutStart = r.PayoutDeadline =
        DateTime::fromDate(2026, 3, 1);
    EXPECT_TRUE(clsResult::IsValid(r));
    ResultRecord x = r;
    x.Matches[3].HomeScore = 31;
    EXPECT_FALSE(clsResult::IsValid(x));
    x = r;
    x.Matches[3].LotResult = 4;
    EXPECT_FALSE(clsResult::IsValid(x));
    x = r;
    x.Prize[3] = Currency::parse("-1");
    EXPECT_FALSE(clsResult::IsValid(x));
    x.Kaisaikai = 230;  // two grades: the third is not checked
    EXPECT_TRUE(clsResult::IsValid(x));
    x = r;
    x.PayoutDeadline = DateTime();
    EXPECT_FALSE(clsResult::IsValid(x));
    x.CalledOff = true;  // refunds need no dates
    EXPECT_TRUE(clsResult::IsValid(x));
}

TEST(StoreRules, ScheduleCompletenessDependsOnTheHoldState) {
    ScheduleRecord r;
    r.Kaisaikai = 1;
    for (std::size_t m = 1; m <= 13; ++m)
        r.Matches[m] = {"H", "A", DateTime::fromDate(2026, 3, 7), DateTime(), "S", ""};
    EXPECT_FALSE(clsSchedule::IsComplete(r));  // no sale dates
    r.HoldState = 2;
    EXPECT_TRUE(clsSchedule::IsComplete(r));
    r.Matches[13].Stadium.clear();
    EXPECT_FALSE(clsSchedule::IsComplete(r));
}

}  // namespace
}  // namespace brenvik
