#include <gtest/gtest.h>

#include <filesystem>

#include "FilesSupport.h"
#include "app/basStandard.h"
#include "engine/PatternSelection.h"
#include "files/clsTFileKVR.h"
#include "lottery/clsTotoNo.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

using test::marksOf;
using test::singleOf;

// The record of the golden file prediction.kvr.
KvrData goldenRecord() {
    KvrData d;
    d.Kaisaikai = 1201;
    const MultiMarks marks = marksOf("120,002,123,200,020,002,200,020,002,200,020,002,210");
    for (std::size_t i = 1; i <= 13; ++i) {
        d.Multi(1, i - 1) = marks[i];
        d.Multi(0, i - 1) = marks[13 + i];
        d.Multi(2, i - 1) = marks[26 + i];
    }
    d.PatternID = 20199001;
    d.SingleCount = 3;
    d.Singles = {0, 255, 1594322};
    d.Vote.Kaisaikai = 1201;
    d.Vote.AsOf = DateTime::fromFields(2026, 3, 7, 12, 50, 0);
    d.Vote.Matches[1].Home = "札幌";
    d.Vote.Matches[1].Away = "仙台";
    d.Vote.Matches[1].MatchDate = DateTime::fromDate(2026, 3, 7);
    d.Vote.Matches[1].Outcomes[1] = {Currency::parse("123456"), Currency::parse("45.67")};
    d.Vote.SalesAmount.Total = Currency::parse("1000000");
    return d;
}

// The golden file with the running version in its SoftVersion line.
std::string goldenBytes() {
    std::string bytes = test::readBytes(test::fixturePath("prediction.kvr"));
    const std::string token = "@VERSION@";
    bytes.replace(bytes.find(token), token.size(), basStandard::AppVersionText());
    return bytes;
}

class KvrFile : public ::testing::Test {
  protected:
    std::string path(const std::string& name) const { return (dir.path() / name).string(); }
    // Writes text (UTF-8, converted to CP932) and loads it.
    bool load(const std::string& text, KvrData& d) {
        dir.write("t.kvr", cp932::fromUtf8(text));
        return kvr.Load(path("t.kvr"), d);
    }

    test::TempProgramFolder dir;
    test::MessageRecorder boxes;
    test::ProgressRecorder progress;
    test::BusyRecorder busy;
    clsTFileKVR kvr;
};

const std::string Header =
    ";Talvenmoore Data File (.kvr)\r\n;x\r\n\r\nSoftware    = Brenvik\r\nSoftVersion = 1\r\n"
    "DataType    = toto\r\nDataVersion = 1\r\n\r\n";

TEST_F(KvrFile, SavesTheLayoutByteForByte) {
    ASSERT_TRUE(kvr.Save(path("p.kvr"), goldenRecord(), true));
    EXPECT_EQ(test::readBytes(path("p.kvr")), goldenBytes());
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(progress.titles, std::vector<std::string>{"KVRファイルに保存中"});
    EXPECT_FALSE(progress.opened);
    EXPECT_EQ(progress.steps.back(), (std::pair<long long, long long>(3, 3)));
    EXPECT_EQ(busy.begun, 1);
    EXPECT_EQ(busy.depth, 0);
}

TEST_F(KvrFile, LoadsTheGoldenFile) {
    KvrData d;
    ASSERT_TRUE(kvr.Load(test::fixturePath("prediction.kvr"), d));
    EXPECT_EQ(d, goldenRecord());
    EXPECT_EQ(progress.titles, std::vector<std::string>{"KVRファイルの読込中"});
    EXPECT_EQ(progress.steps.front(), (std::pair<long long, long long>(0, 1)));
    EXPECT_EQ(progress.steps.back(), (std::pair<long long, long long>(3, 3)));
    EXPECT_FALSE(progress.opened);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(KvrFile, NoSinglesGiveAnEmptyBlock) {
    KvrData d;
    ASSERT_TRUE(kvr.Save(path("p.kvr"), d, true));
    const std::string bytes = test::readBytes(path("p.kvr"));
    EXPECT_NE(bytes.find("\r\nMulti = 0:0:0:0:0:0:0:0:0:0:0:0:0,0:0:0:0:0:0:0:0:0:0:0:0:0,"
                         "0:0:0:0:0:0:0:0:0:0:0:0:0\r\n\r\nPatternID = 0\r\n\r\nSingleCount = 0\r\n"
                         "\r\n<SingleData>\r\n</SingleData>\r\n\r\n"),
              std::string::npos);
    KvrData back;
    ASSERT_TRUE(kvr.Load(path("p.kvr"), back));
    EXPECT_EQ(back, d);
}

TEST_F(KvrFile, AFailedSaveKeepsThePreviousFile) {
    ASSERT_TRUE(kvr.Save(path("p.kvr"), goldenRecord(), true));
    KvrData broken = goldenRecord();
    broken.SingleCount = 4;  // more than the list holds
    EXPECT_FALSE(kvr.Save(path("p.kvr"), broken, true));
    EXPECT_EQ(test::readBytes(path("p.kvr")), goldenBytes());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(boxes.boxes[0].title, "Brenvik / clsTFileKVR / Save");
    EXPECT_EQ(boxes.boxes[0].text, "インデックスが有効範囲にありません。 ( 9 )");
    EXPECT_FALSE(progress.opened);

    EXPECT_FALSE(kvr.Save(path("none/p.kvr"), goldenRecord(), false));  // errors not shown
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(KvrFile, TypeCheck) {
    struct {
        const char* name;
        std::string text;
        bool ok;
        int32_t version;
    } const cases[] = {
        {"the program's header", Header, true, 1},
        {"another version",
         ";\r\nSoftware=Brenvik\r\nDataType=toto\r\nDataVersion = 2\r\n\r\n\r\n\r\n\r\n", true, 2},
        {"letter case counts",
         ";\r\n\r\n\r\nSoftware    = brenvik\r\nSoftVersion = 1\r\n"
         "DataType    = toto\r\nDataVersion = 1\r\n\r\n",
         false, 1},
        {"only the first 8 lines count",
         ";\r\n\r\n\r\n\r\n\r\n\r\n\r\nDataType = toto\r\nSoftware = Brenvik\r\n", false, 0},
        {"commented out", ";Software = Brenvik\r\nDataType = toto\r\n\r\n\r\n\r\n\r\n\r\n\r\n",
         false, 0},
    };
    for (const auto& c : cases) {
        dir.write("t.kvr", c.text);
        int32_t version = 0;
        EXPECT_EQ(kvr.DataTypeCheck(path("t.kvr"), version), c.ok) << c.name;
        EXPECT_EQ(version, c.version) << c.name;
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(KvrFile, TypeCheckErrors) {
    struct {
        const char* name;
        std::string text;
        std::string report;
    } const cases[] = {
        {"7 lines", "Software = Brenvik\r\nDataType = toto\r\n\r\n\r\n\r\n\r\n\r\n",
         "ファイルにこれ以上データがありません。 ( 62 )"},
        {"a version that is no number", Header.substr(0, Header.size() - 5) + "x\r\n\r\n",
         "型が一致しません。 ( 13 )"},
    };
    for (const auto& c : cases) {
        test::MessageRecorder box;
        dir.write("t.kvr", c.text);
        int32_t version = 0;
        EXPECT_FALSE(kvr.DataTypeCheck(path("t.kvr"), version)) << c.name;
        ASSERT_EQ(box.boxes.size(), 1u) << c.name;
        EXPECT_EQ(box.boxes[0].title, "Brenvik / clsTFileKVR / DataTypeCheck");
        EXPECT_EQ(box.boxes[0].text, c.report) << c.name;
    }
    test::MessageRecorder box;
    int32_t version = 0;
    EXPECT_FALSE(kvr.DataTypeCheck(path("absent.kvr"), version));
    ASSERT_EQ(box.boxes.size(), 1u);
    EXPECT_EQ(box.boxes[0].text, "ファイルが見つかりません。 ( 53 )");
}

TEST_F(KvrFile, ReadingRules) {
    KvrData d;
    ASSERT_TRUE(load(
        Header + "Kaisaikai = 5\r\nSingleCount = 2\r\n<SingleData>\r\nff\r\n</SingleData>\r\n", d));
    EXPECT_EQ(d.Kaisaikai, 5);
    EXPECT_EQ(d.Singles, (std::vector<int32_t>{255, 0}));  // a short block leaves the rest 0
    EXPECT_EQ(d.Vote, VoteRecord{});                       // no vote block: an empty vote

    // Unknown keys, comments, a short Multi (the rest stays 0), blank lines in the vote block.
    ASSERT_TRUE(
        load("Foo = bar\r\n;Kaisaikai = 9\r\nMulti = 1:2,3\r\nPatternID = 77\r\n"
             "<投票状況>\r\n\r\n<開催回>44</開催回>\r\n   \r\n</投票状況>\r\n",
             d));
    EXPECT_EQ(d.Kaisaikai, 0);
    EXPECT_EQ(d.Multi(0, 0), 1);
    EXPECT_EQ(d.Multi(0, 1), 2);
    EXPECT_EQ(d.Multi(1, 0), 3);
    EXPECT_EQ(d.Multi(2, 12), 0);
    EXPECT_EQ(d.PatternID, 77);
    EXPECT_EQ(d.SingleCount, 0);
    EXPECT_EQ(d.Vote.Kaisaikai, 44);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(KvrFile, ReadErrors) {
    const std::string block = "<SingleData>\r\n1\r\n2\r\n3\r\n</SingleData>\r\n";
    struct {
        const char* name;
        std::string text;
        std::string report;
    } const cases[] = {
        {"more lines than the count", "SingleCount = 2\r\n" + block,
         "インデックスが有効範囲にありません。 ( 9 )"},
        {"a block before the count", block + "SingleCount = 3\r\n",
         "インデックスが有効範囲にありません。 ( 9 )"},
        {"a block past the end", "SingleCount = 3\r\n<SingleData>\r\n1\r\n",
         "ファイルにこれ以上データがありません。 ( 62 )"},
        {"a vote block past the end", "<投票状況>\r\n<開催回>1</開催回>\r\n",
         "ファイルにこれ以上データがありません。 ( 62 )"},
        {"no number", "Kaisaikai = x\r\n", "型が一致しません。 ( 13 )"},
        {"no hex number", "SingleCount = 1\r\n<SingleData>\r\nG\r\n</SingleData>\r\n",
         "型が一致しません。 ( 13 )"},
        {"an empty Multi piece", "Multi = 1::3\r\n", "型が一致しません。 ( 13 )"},
        {"a negative count", "SingleCount = -1\r\n", "インデックスが有効範囲にありません。 ( 9 )"},
        {"more singles than exist", "SingleCount = 1594324\r\n",
         "インデックスが有効範囲にありません。 ( 9 )"},
        {"a mark state above 3", "Multi = 0:4\r\n", "オーバーフローしました。 ( 6 )"},
        {"a negative mark state", "Multi = 0,0,-1\r\n", "オーバーフローしました。 ( 6 )"},
    };
    for (const auto& c : cases) {
        test::MessageRecorder box;
        KvrData d;
        d.Kaisaikai = 99;
        EXPECT_FALSE(load(Header + c.text, d)) << c.name;
        EXPECT_EQ(d.Kaisaikai, 99) << "left as it was: " << c.name;
        ASSERT_EQ(box.boxes.size(), 1u) << c.name;
        EXPECT_EQ(box.boxes[0].title, "Brenvik / clsTFileKVR / Load") << c.name;
        EXPECT_EQ(box.boxes[0].text, c.report) << c.name;
        EXPECT_FALSE(progress.opened) << c.name;
    }
}

TEST_F(KvrFile, TheLargestCountLoads) {
    KvrData d;
    ASSERT_TRUE(
        load(Header + "SingleCount = 1594323\r\n<SingleData>\r\n7\r\n</SingleData>\r\n", d));
    EXPECT_EQ(d.Singles.size(), 1594323u);
    EXPECT_EQ(d.Singles[0], 7);
}

TEST_F(KvrFile, FileLoadKVRWarnsInTheProgramsWords) {
    LoadedPrediction loaded;
    loaded.Kaisaikai = 99;
    dir.write("a.txt", "no data file\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_FALSE(kvr.FileLoadKVR(path("a.txt"), loaded));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::Warning);
    EXPECT_EQ(boxes.boxes[0].title, "ファイルタイプ警告");
    EXPECT_EQ(boxes.boxes[0].text, "Brenvikのファイルではありません。");

    boxes.boxes.clear();
    dir.write("b.kvr", Header + "Kaisaikai = z\r\n");
    EXPECT_FALSE(kvr.FileLoadKVR(path("b.kvr"), loaded));
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].title, "Brenvik / clsTFileKVR / Load");
    EXPECT_EQ(boxes.boxes[1].title, "Brenvik");
    EXPECT_EQ(boxes.boxes[1].text, "ファイルの読込に失敗しました。");
    EXPECT_EQ(loaded.Kaisaikai, 99);

    boxes.boxes.clear();
    ASSERT_TRUE(kvr.FileLoadKVR(test::fixturePath("prediction.kvr"), loaded));
    EXPECT_EQ(loaded.Kaisaikai, 1201);
    EXPECT_EQ(loaded.Marks, marksOf("120,002,123,200,020,002,200,020,002,200,020,002,210"));
    EXPECT_EQ(loaded.PatternID, 20199001);
    EXPECT_EQ(loaded.Vote, goldenRecord().Vote);
    EXPECT_TRUE(boxes.boxes.empty());
}

// A library with the plain multi and one reduced pattern for one double and one triple.
PatternLibrary smallLibrary() {
    auto pattern = [](int32_t id, int32_t kind, std::vector<std::string> codes) {
        PatternRecord p;
        p.ID = id;
        p.Listed = 1;
        p.Doubles = 1;
        p.Triples = 1;
        p.ListText = "テスト";
        p.Kind = kind;
        p.Codes = std::move(codes);
        return p;
    };
    return PatternLibrary({pattern(500, KindPlain, {}), pattern(501, 0, {"00", "11", "12"})});
}

TEST_F(KvrFile, SavedPredictionOpensAgain) {
    const PatternLibrary library = smallLibrary();
    const MultiMarks marks = marksOf("120,123,200,020,002,200,020,002,200,020,002,200,020");
    PatternSelection selection(library);
    selection.ShowMultiHelp(marks);
    ASSERT_TRUE(selection.SelectPatternID(501));
    VoteRecord vote;
    vote.Kaisaikai = 321;
    ASSERT_TRUE(kvr.FileSaveKVR(path("p.kvr"), 321, marks, selection, vote));

    KvrData saved;
    ASSERT_TRUE(kvr.Load(path("p.kvr"), saved));
    EXPECT_EQ(saved.Kaisaikai, 321);
    EXPECT_EQ(saved.PatternID, 501);
    ASSERT_EQ(saved.SingleCount, 3);
    const clsTotoNo numbers;
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(saved.Singles[i], numbers.GetByteNo(selection.Singles()[i].Outcome));
    EXPECT_EQ(saved.Vote, vote);

    LoadedPrediction loaded;
    ASSERT_TRUE(kvr.FileLoadKVR(path("p.kvr"), loaded));
    EXPECT_EQ(loaded.Marks, marks);
    PatternSelection reopened(library);
    reopened.SingleMode(true);
    clsTFileKVR::ApplyToSelection(reopened, loaded.Marks, loaded.PatternID);
    EXPECT_FALSE(reopened.SingleMode());
    EXPECT_EQ(reopened.GetPatternID(), 501);
    EXPECT_EQ(reopened.Singles(), selection.Singles());
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(KvrFile, AMissingPatternIsWarnedAboutOnlyAboveZero) {
    const PatternLibrary library = smallLibrary();
    const MultiMarks marks = marksOf("120,123,200,020,002,200,020,002,200,020,002,200,020");
    PatternSelection selection(library);
    clsTFileKVR::ApplyToSelection(selection, marks, 9999);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, " パターン読込エラー");
    EXPECT_EQ(boxes.boxes[0].text,
              "パターンID：9999 が見つかりません。\r\nパターンファイルを確認して下さい。");

    clsTFileKVR::ApplyToSelection(selection, marks, 0);
    EXPECT_EQ(boxes.boxes.size(), 1u);

    // Without a selected row (no list for an incomplete multi) the record names no pattern.
    const MultiMarks incomplete = marksOf("120,123,000,020,002,200,020,002,200,020,002,200,020");
    PatternSelection none(library);
    none.ShowMultiHelp(incomplete);
    EXPECT_EQ(clsTFileKVR::BuildData(1, incomplete, none, {}).PatternID, 0);
}

}  // namespace
}  // namespace brenvik
