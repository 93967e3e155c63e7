#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/Cp932.h"
#include "engine/clsQelFile.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

const std::string Path = "/lib/Qel.dat";
const std::string LoadTitle = "Brenvik / clsQelFile / Load";

struct Loaded {
    bool ok = false;
    std::vector<PatternRecord> table;
    std::vector<test::RecordedMessage> boxes;
};

// Lines joined with CR LF and stored as CP932, as the files are.
std::string fileOf(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    return cp932::fromUtf8(text);
}

Loaded load(const std::vector<std::string>& lines) {
    test::MessageRecorder rec;
    Loaded r;
    clsQelFile qel;
    r.ok = qel.LoadText(fileOf(lines), Path, r.table);
    r.boxes = rec.boxes;
    return r;
}

std::string tail(int line) {
    return "\r\nFile:" + Path + "\r\nLine:" + std::to_string(line);
}

const std::string List1 = "PatternList, 1, 通常マルチ, 全ての組合せ";
const std::string Plain = "D01T00, 1, 100, 100:100:50:50:0, 1, 10000, -, @";

TEST(QelFile, ReadsEveryFieldOfAPatternLine) {
    const auto r =
        load({"; library", "", "FileID, 1", "FileBuild, 7", "FileType, Qel", "CheckID, 3",
              "PatternCount, 1", "  PatternList , 2 , 条件マルチ１ , 既定 ",
              "D02T01, 0, 20101, 75:100:25:50:999, 2, 1, 000 011 101 110, "
              "一行目\\条件：本命を１試合まで"});
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.boxes.empty());
    ASSERT_EQ(r.table.size(), 1u);
    const PatternRecord& p = r.table[0];
    EXPECT_EQ(p.ID, 20101);
    EXPECT_EQ(p.Listed, 0);
    EXPECT_EQ(p.Doubles, 2);
    EXPECT_EQ(p.Triples, 1);
    EXPECT_EQ((std::vector<int32_t>{p.Pct12, p.Pct123, p.Pct1, p.Pct2, p.Pct3}),
              (std::vector<int32_t>{75, 100, 25, 50, 999}));
    EXPECT_EQ(p.ListText, "条件マルチ１");
    EXPECT_EQ(p.Kind, 1);
    EXPECT_EQ(p.Codes, (std::vector<std::string>{"000", "011", "101", "110"}));
    EXPECT_EQ(p.Note, " 一行目\r\n 条件：本命を１試合まで");
}

TEST(QelFile, AtNoteTakesTheListsDefaultNoteAndLaterListsReplaceEarlierOnes) {
    const auto r = load({"PatternList, 5, A, B", "D01T00, 1, 1, 0:0:0:0:0, 5, 0, 0, @",
                         "PatternList, 5, C, D", "D01T00, 1, 2, 0:0:0:0:0, 5, 0, 0, @",
                         "D01T00, 1, 3, 0:0:0:0:0, 5, 0, 0, own\\note", "PatternCount, 3"});
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.boxes.empty());
    ASSERT_EQ(r.table.size(), 3u);
    EXPECT_EQ(r.table[0].ListText, "A");
    EXPECT_EQ(r.table[0].Note, " B");
    EXPECT_EQ(r.table[1].ListText, "C");
    EXPECT_EQ(r.table[1].Note, " D");
    EXPECT_EQ(r.table[2].Note, " own\r\n note");
}

// Each fault of a file and exactly the boxes it gives.
struct FaultCase {
    const char* name;
    std::vector<std::string> lines;
    bool ok;
    std::size_t patterns;
    std::vector<std::pair<std::string, std::string>> boxes;  // title, text
};

class QelFileFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(QelFileFaults, GiveExactlyTheirReports) {
    const FaultCase& c = GetParam();
    const auto r = load(c.lines);
    EXPECT_EQ(r.ok, c.ok);
    EXPECT_EQ(r.table.size(), c.patterns);
    std::vector<std::pair<std::string, std::string>> got;
    for (const auto& b : r.boxes) {
        EXPECT_EQ(b.icon, MessageIcon::Warning);
        got.emplace_back(b.title, b.text);
    }
    EXPECT_EQ(got, c.boxes);
}

const std::string CountTail = "\r\nPatternCountを確認してください。\r\n";

INSTANTIATE_TEST_SUITE_P(
    Library, QelFileFaults,
    testing::Values(
        FaultCase{"UnknownLineIsReportedAndSkipped",
                  {List1, "Hello, world", Plain, "PatternCount, 1"},
                  true,
                  1,
                  {{LoadTitle, "読込に失敗しました" + tail(2)}}},
        FaultCase{"KeywordsCompareWithLetterCase",
                  {List1, "fileid, 1", Plain, "PatternCount, 1"},
                  true,
                  1,
                  {{LoadTitle, "読込に失敗しました" + tail(2)}}},
        FaultCase{"LeadingBlankBeforeSemicolonIsNoComment",
                  {" ; note", List1, Plain, "PatternCount, 1"},
                  true,
                  1,
                  {{LoadTitle, "読込に失敗しました" + tail(1)}}},
        FaultCase{"PatternListNumberZero",
                  {"PatternList, 0, A, B", List1, Plain, "PatternCount, 1"},
                  true,
                  1,
                  {{LoadTitle, "パターンリストの追加に失敗しました" + tail(1)}}},
        FaultCase{"PatternListNumberNotNumeric",
                  {"PatternList, x, A, B", List1, Plain, "PatternCount, 1"},
                  true,
                  1,
                  {{LoadTitle, "パターンリストの追加に失敗しました" + tail(1)}}},
        FaultCase{"PatternListEmptyNote",
                  {"PatternList, 2, A,  ", List1, Plain, "PatternCount, 1"},
                  true,
                  1,
                  {{LoadTitle, "パターンリストの追加に失敗しました" + tail(1)}}},
        FaultCase{"ListNumberNotDefined",
                  {"D01T00, 1, 100, 1:2:3:4:5, 7, 0, 0 1, x", "PatternCount, 1"},
                  true,
                  1,
                  {{LoadTitle, "パターンリストの取得に失敗しました" + tail(1)}}},
        FaultCase{"DeclaredCountDiffers",
                  {"PatternCount, 3", List1, Plain, "D01T00, 1, 101, 0:0:0:0:0, 1, 0, 0, x"},
                  true,
                  2,
                  {{LoadTitle, "パターン数の記述が間違っています" + CountTail + "3→2"}}},
        FaultCase{"NonNumericCountIsIgnored",
                  {"PatternCount, many", List1, Plain},
                  true,
                  1,
                  {{LoadTitle, "パターン数の記述が間違っています" + CountTail + "0→1"}}},
        FaultCase{"NonNumericIDStopsTheFile",
                  {"PatternCount, 2", List1, Plain, "D01T00, 1, ID, 0:0:0:0:0, 1, 0, 0, x",
                   "D01T00, 1, 102, 0:0:0:0:0, 1, 0, 0, x"},
                  false,
                  1,
                  {{LoadTitle, "読込に失敗しました" + tail(4)}}},
        FaultCase{"FewerThanFivePercentages",
                  {List1, "D01T00, 1, 100, 1:2:3:4, 1, 0, 0, x"},
                  false,
                  0,
                  {{LoadTitle, "読込に失敗しました" + tail(2)}}},
        FaultCase{"KeywordWithTooFewFields",
                  {List1, "PatternList, 3, A"},
                  false,
                  0,
                  {{LoadTitle, "読込に失敗しました" + tail(2)}}},
        FaultCase{"KeywordWithoutValue",
                  {"FileID"},
                  false,
                  0,
                  {{LoadTitle, "読込に失敗しました" + tail(1)}}},
        FaultCase{"ListedAbove255",
                  {List1, "D01T00, 256, 100, 0:0:0:0:0, 1, 0, 0, x"},
                  false,
                  0,
                  {{LoadTitle, "読込に失敗しました" + tail(2)}}},
        FaultCase{"ShapeFieldTooShort",
                  {List1, "D, 1, 100, 0:0:0:0:0, 1, 0, 0, x"},
                  false,
                  0,
                  {{LoadTitle, "読込に失敗しました" + tail(2)}}},
        FaultCase{"NumberOutsideItsType",
                  {"PatternCount, 99999999999"},
                  false,
                  0,
                  {{LoadTitle, "読込に失敗しました" + tail(1)}}},
        FaultCase{
            "CompositeNamingALaterPattern",
            {"PatternCount, 3", List1, "D01T00, 1, 1, 0:0:0:0:0, 1, 0, 0 1, x",
             "D01T01, 1, 3, 0:0:0:0:0, 1, 9999, 1-2, x", "D00T01, 1, 2, 0:0:0:0:0, 1, 0, 0 1 2, x"},
            true,
            3,
            {{"Brenvik / clsQelFile / SetTRiron", "読込に失敗しました" + tail(4)},
             {LoadTitle, "多重理論の取得に失敗しました" + tail(4)}}},
        FaultCase{"CompositeWithoutTwoIDs",
                  {List1, "D01T00, 1, 1, 0:0:0:0:0, 1, 0, 0 1, x",
                   "D02T00, 1, 3, 0:0:0:0:0, 1, 9999, 1-1-1, x", "PatternCount, 2"},
                  true,
                  2,
                  {{"Brenvik / clsQelFile / SetTRiron", "読込に失敗しました" + tail(3)},
                   {LoadTitle, "多重理論の取得に失敗しました" + tail(3)}}}),
    [](const testing::TestParamInfo<FaultCase>& i) { return std::string(i.param.name); });

TEST(QelFile, FailedCompositeKeepsItsFieldAsTheOnlyCode) {
    const auto r = load({List1, "D01T01, 1, 3, 0:0:0:0:0, 1, 9999, 1-2, x", "PatternCount, 1"});
    ASSERT_EQ(r.table.size(), 1u);
    EXPECT_EQ(r.table[0].Codes, std::vector<std::string>{"1-2"});
    EXPECT_EQ(r.table[0].ListText, "通常マルチ");
}

TEST(QelFile, CompositeCombinesCodesListTextAndConditionLines) {
    const auto r = load({"PatternCount, 3", "PatternList, 1, 合成, 既定",
                         "D02T00, 1, 11, 0:0:0:0:0, 1, 1, 00 01 10, "
                         "二重\\条件：本命を１試合まで\\おわり",
                         "D00T01, 1, 12, 0:0:0:0:0, 1, 0, 0 1, 三重",
                         "D02T01, 1, 13, 0:0:0:0:0, 1, 9999, 11 - 12, @"});
    ASSERT_EQ(r.table.size(), 3u);
    const PatternRecord& c = r.table[2];
    EXPECT_EQ(c.Kind, 9999);
    EXPECT_EQ(c.Codes, (std::vector<std::string>{"000", "010", "100", "001", "011", "101"}));
    EXPECT_EQ(c.ListText, "合成 　 (Double2＋Triple1)");
    EXPECT_EQ(c.Note,
              " 合成 　 (Double2＋Triple1)\r\n  マルチが１等の時 １等～３等が当選\r\n  [Double2] "
              "条件：本命を１試合まで\r\n  [Triple1]");
}

TEST(QelFile, CompositeTakesTheListTextOfItsOwnLine) {
    const auto r =
        load({"PatternList, 1, 二重, 既定", "PatternList, 2, 多重理論, 既定",
              "D01T00, 1, 1, 0:0:0:0:0, 1, 0, 0 1, a", "D01T00, 1, 2, 0:0:0:0:0, 1, 0, 0, b",
              "D02T00, 1, 3, 0:0:0:0:0, 2, 9999, 1-2, @", "PatternCount, 3"});
    EXPECT_TRUE(r.boxes.empty());
    ASSERT_EQ(r.table.size(), 3u);
    EXPECT_EQ(r.table[2].ListText, "多重理論 　 (Double1＋Double1)");
    EXPECT_EQ(r.table[2].Codes, (std::vector<std::string>{"00", "10"}));
}

TEST(QelFile, ReadsBytesThatAreNoCp932AndLinesWithoutEnd) {
    test::MessageRecorder rec;
    clsQelFile qel;
    std::vector<PatternRecord> table;
    EXPECT_TRUE(qel.LoadText(std::string("\x81\xff\x00,\r\n\r", 7), Path, table));
    EXPECT_TRUE(
        qel.LoadText(cp932::fromUtf8("PatternCount, 1\r\n" + List1 + "\r\n" + Plain), Path, table));
    EXPECT_EQ(table.size(), 1u);
}

// Writes `text` (UTF-8) as a CP932 file below the program folder.
void writeLibrary(const test::TempProgramFolder& dir, const std::string& name,
                  const std::vector<std::string>& lines) {
    dir.write(name, fileOf(lines));
}

TEST(QelFileGetAllData, ReadsTheExtraFilesInOrderSharingListsAndIDs) {
    test::TempProgramFolder dir;
    test::MessageRecorder rec;
    writeLibrary(dir, "SysData/QEL.DAT",
                 {"PatternCount, 1", List1, "D01T00, 1, 1, 0:0:0:0:0, 1, 0, 0 1, a"});
    writeLibrary(dir, "ExData/qel103.dat",
                 {"D01T00, 1, 3, 0:0:0:0:0, 1, 9999, 2-1, @", "PatternCount, 1"});
    writeLibrary(dir, "ExData/Qel101.dat",
                 {"D00T01, 1, 2, 0:0:0:0:0, 1, 0, 0, @", "PatternCount, 1"});
    writeLibrary(dir, "ExData/qel110.dat", {"garbage"});
    ASSERT_TRUE(clsQelFile().GetAllData());
    EXPECT_TRUE(rec.boxes.empty());
    ASSERT_EQ(PatternCount(), 3);
    EXPECT_EQ(PatternTable().at(2).ID, 2);
    EXPECT_EQ(PatternTable().at(2).Note, " 全ての組合せ");
    EXPECT_EQ(PatternTable().at(3).Codes, (std::vector<std::string>{"00", "01"}));
    EXPECT_EQ(PatternTable().ofShape(1, 0), (std::vector<int32_t>{1, 3}));
    EXPECT_EQ(PatternTable().findID(3), 3);
}

TEST(QelFileGetAllData, DuplicateIDsAcrossFilesStopAfterAllFilesWereRead) {
    test::TempProgramFolder dir;
    test::MessageRecorder rec;
    writeLibrary(dir, "SysData/Qel.dat", {List1, Plain, "PatternCount, 1"});
    writeLibrary(dir, "ExData/qel101.dat",
                 {"D02T00, 1, 100, 0:0:0:0:0, 1, 10000, -, @", "PatternCount, 1"});
    writeLibrary(dir, "ExData/qel109.dat", {"nonsense line", "PatternCount, 0"});
    EXPECT_FALSE(clsQelFile().GetAllData());
    ASSERT_EQ(rec.boxes.size(), 2u);
    EXPECT_EQ(rec.boxes[0].text,
              "読込に失敗しました\r\nFile:" + dir.str() + "/ExData/qel109.dat\r\nLine:1");
    EXPECT_EQ(rec.boxes[1].title, "Brenvik / clsQelFile / GetAllData");
    EXPECT_EQ(rec.boxes[1].text, "パターンIDが重複しています\r\nパターンファイルを確認して下さい");
    EXPECT_EQ(PatternCount(), 0);
}

TEST(QelFileGetAllData, BrokenOrMissingFileNamesItsPath) {
    test::TempProgramFolder dir;
    {
        test::MessageRecorder rec;
        EXPECT_FALSE(clsQelFile().GetAllData());
        const std::string path = dir.str() + "/SysData/Qel.dat";
        ASSERT_EQ(rec.boxes.size(), 2u);
        EXPECT_EQ(rec.boxes[0].text, "読込に失敗しました\r\nFile:" + path + "\r\nLine:0");
        EXPECT_EQ(rec.boxes[1].title, "Brenvik / clsQelFile / GetAllData");
        EXPECT_EQ(rec.boxes[1].text, path + "ファイルが壊れています");
    }
    writeLibrary(dir, "SysData/Qel.dat", {List1, Plain, "PatternCount, 1"});
    writeLibrary(dir, "ExData/qel102.dat", {List1, "D01T00, 1, 5, 0:0:0:0, 1, 0, 0, @"});
    test::MessageRecorder rec;
    EXPECT_FALSE(clsQelFile().GetAllData());
    ASSERT_EQ(rec.boxes.size(), 2u);
    EXPECT_EQ(rec.boxes[1].text, dir.str() + "/ExData/qel102.dat" + "ファイルが壊れています");
    EXPECT_EQ(PatternCount(), 0);
}

TEST(QelFileGetAllData, ShippedLibraryLoadsCleanlyWithEveryShape) {
    test::TempProgramFolder dir;
    dir.copyShippedSysData();
    test::MessageRecorder rec;
    ASSERT_TRUE(clsQelFile().GetAllData());
    EXPECT_TRUE(rec.boxes.empty());
    std::set<std::pair<int32_t, int32_t>> shapes;
    for (const PatternRecord& p : PatternTable().records()) shapes.insert({p.Doubles, p.Triples});
    for (int d = 0; d <= 13; ++d) {
        for (int t = 0; d + t <= 13; ++t) {
            EXPECT_TRUE(shapes.count({d, t})) << "D" << d << "T" << t;
        }
    }
}

}  // namespace
}  // namespace brenvik
