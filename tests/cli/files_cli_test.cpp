#include <gtest/gtest.h>

#include <sstream>

#include "app/Cp932.h"
#include "app/clsFileStream.h"
#include "cli/Cli.h"
#include "official/clsXmlSchedule.h"
#include "official/clsXmlVote.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

struct Outcome {
    int code;
    std::string out, err;
};

Outcome run(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = cli::run(args, out, err);
    return {code, out.str(), err.str()};
}

std::string fixture(const std::string& name) {
    return std::string(BRENVIK_TEST_DATA_DIR) + "/files/" + name;
}

const std::string QelHead =
    "Kaisaikai=1201\nMulti01=120\nMulti02=002\nMulti03=123\nMulti04=200\nMulti05=020\n"
    "Multi06=002\nMulti07=200\nMulti08=020\nMulti09=002\nMulti10=200\nMulti11=020\n"
    "Multi12=002\nMulti13=210\nPatternID=20199001\n";
const char* const QelMulti = "120,002,123,200,020,002,200,020,002,200,020,002,210";

class FilesCli : public ::testing::Test {
  protected:
    void SetUp() override { dir.copyShippedSysData(); }
    std::string path(const std::string& name) const { return (dir.path() / name).string(); }
    test::TempProgramFolder dir;
};

TEST_F(FilesCli, OpenAMultiFileMakesItsSinglesAgain) {
    const Outcome r = run({"open", fixture("prediction.qel")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, QelHead.size()), QelHead);
    // The plain multi of two doubles and a triple: 12 singles, the first from the favourites.
    const std::string singles = r.out.substr(QelHead.size());
    EXPECT_EQ(std::count(singles.begin(), singles.end(), '\n'), 12);
    EXPECT_EQ(singles.substr(0, 26), "1,2,1,1,0,2,1,0,2,1,0,2,0\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(FilesCli, OpenACsvFileShowsItsSinglesAsRead) {
    dir.write("Qel-123.csv", "1,0,2,1,1,0,2,2,1,0,1,2,0\r\n2,2,2,2,2,2,2,2,2,2,2,2,2\r\n");
    const Outcome r = run({"open", path("Qel-123.csv")});
    ASSERT_EQ(r.code, 0) << r.err;
    std::string expected = "Kaisaikai=123\n";
    for (int m = 1; m <= 13; ++m)
        expected += (m < 10 ? "Multi0" : "Multi") + std::to_string(m) + "=000\n";
    expected += "PatternID=0\n1,0,2,1,1,0,2,2,1,0,1,2,0\n2,2,2,2,2,2,2,2,2,2,2,2,2\n";
    EXPECT_EQ(r.out, expected);

    dir.write("singles.CSV", "1,0,2\r\n");
    const Outcome bad = run({"open", path("singles.CSV")});
    EXPECT_EQ(bad.code, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "ファイルの読込に失敗しました。\n" + path("singles.CSV") + "\n");
}

TEST_F(FilesCli, OpenReportsAsTheProgramDoes) {
    dir.write("a.txt", "not a data file\r\n");
    Outcome r = run({"open", path("a.txt")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err,
              "ファイルにこれ以上データがありません。 ( 62 )\nBrenvikのファイルではありません。\n");

    r = run({"open", path("absent.kvr")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "ファイルが見つかりません。\n" + path("absent.kvr") + "\n");

    for (const auto& args :
         std::vector<std::vector<std::string>>{{"open"},
                                               {"open", "a", "b"},
                                               {"clip"},
                                               {"save-kvr", QelMulti, "1", "2"},
                                               {"save-kvr", "120", "1", "2", "o"},
                                               {"save-kvr", QelMulti, "x", "2", "o"}}) {
        const Outcome u = run(args);
        EXPECT_EQ(u.code, 2) << ::testing::PrintToString(args);
        EXPECT_NE(u.err.find("usage: brenvik-cli"), std::string::npos);
    }
}

TEST_F(FilesCli, SaveKvrWritesWhatOpenReadsBack) {
    VoteRecord vote;
    vote.Kaisaikai = 1201;
    vote.Matches[1].Home = "札幌";
    clsXmlVote xml;
    xml.Vote(vote);
    ASSERT_TRUE(xml.XmlSave(path("vote.xml")));

    const Outcome saved =
        run({"save-kvr", QelMulti, "20199001", "1201", path("pred"), path("vote.xml")});
    ASSERT_EQ(saved.code, 0) << saved.err;
    EXPECT_EQ(saved.out, path("pred.kvr") + "\n");
    const std::string text = cp932::toUtf8(clsFileStream::ReadWholeFile(path("pred.kvr")));
    EXPECT_NE(text.find("\r\nSingleCount = 12\r\n"), std::string::npos);
    EXPECT_NE(text.find("<ホーム>札幌</ホーム>"), std::string::npos);

    const Outcome opened = run({"open", path("pred.kvr")});
    ASSERT_EQ(opened.code, 0) << opened.err;
    EXPECT_EQ(opened.out, run({"open", fixture("prediction.qel")}).out);

    const Outcome missing = run({"save-kvr", QelMulti, "123", "1201", path("x.kvr")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "パターンID：123 はこのマルチのパターンリストにありません。\n");
    EXPECT_EQ(run({"save-kvr", QelMulti, "20199001", "1", path("x.kvr"), path("none.xml")}).code,
              1);
}

TEST_F(FilesCli, ClipUsesTheSettingsAndTheCachedSchedule) {
    ScheduleRecord schedule;
    schedule.Kaisaikai = 123;
    schedule.Matches[1].Home = "鹿島";
    schedule.Matches[1].Away = "浦和";
    clsXmlSchedule xml;
    xml.Schedule(schedule);
    ASSERT_TRUE(xml.XmlSave(xml.GetFileName(123, "")));
    dir.write("Qel-123.csv", "1,0,2,1,1,0,2,2,1,0,1,2,0\r\n1,2,2,2,2,2,2,2,2,2,2,2,2\r\n");

    Outcome r = run({"clip", path("Qel-123.csv")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find("\n02")),
              "第123回 SINGLE:2 \\:200\n                    [1]  [0]  [2]\n"
              "01 鹿島　 Vs 浦和　 100%   0%   0%  11");

    dir.write("SysData/Brenvik.ini", "CopyHeader = 0\r\nCopyMark = 0\r\n");
    r = run({"clip", fixture("prediction.qel")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find("\n04")),
              "01 　　　 Vs 　　　 ■■□ [◎○　] \n02 　　　 Vs 　　　 □□■ [　　○] \n"
              "03 　　　 Vs 　　　 ■■■ [◎○▲] ");
    EXPECT_EQ(r.out.find("マーク"), std::string::npos);
}

}  // namespace
}  // namespace brenvik
