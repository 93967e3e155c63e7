#include <gtest/gtest.h>

#include "FilesSupport.h"
#include "app/basIniFile.h"
#include "files/clsClipboard.h"
#include "lottery/CurrentRound.h"
#include "official/clsXmlSchedule.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

using test::marksOf;
using test::singleOf;

class ClipboardText : public ::testing::Test {
  protected:
    void SetUp() override {
        basIniFile::MemoryInitialize();  // every Copy key at its default
        CurrentRound() = 1201;
    }
    void TearDown() override { CurrentRound() = 0; }

    // Caches round 1201's schedule with names for matches 1 and 2.
    void cacheSchedule() const {
        ScheduleRecord r;
        r.Kaisaikai = 1201;
        r.Matches[1].Home = "鹿島";
        r.Matches[1].Away = "浦和";
        r.Matches[2].Home = "ＦＣ東京";  // cut to three characters
        r.Matches[2].Away = " 町田 ";    // blanks trimmed
        clsXmlSchedule xml;
        xml.Schedule(r);
        ASSERT_TRUE(xml.XmlSave(xml.GetFileName(1201, "")));
    }

    test::TempProgramFolder dir;
    test::MessageRecorder boxes;
    test::ClipboardRecorder board;
    clsClipboard clip;
};

// Match 1: 本命 home, 対抗 draw; match 2 unmarked; the rest a plain home mark.
const std::string Multi = "120,000,200,200,200,200,200,200,200,200,200,200,200";

TEST_F(ClipboardText, MultiWithTheDefaultSettings) {
    cacheSchedule();
    ASSERT_TRUE(clip.SetData(marksOf(Multi), 12345));
    std::string expected =
        "第1201回 W:01 T:00 \\:1,234,500\r\n\r\n"
        "01 鹿島　 Vs 浦和　 ■■□ [◎○　] \r\n"
        "02 ＦＣ東 Vs 町田　 □□□ [　　　] \r\n";
    for (int n = 3; n <= 13; ++n)
        expected += (n < 10 ? "0" : "") + std::to_string(n) + " 　　　 Vs 　　　 ■□□ [○　　] \r\n";
    expected += "\r\nマーク [ ■□:マルチ ◎:本命 ○:対抗 ▲:穴 ]\r\n";
    EXPECT_EQ(board.text, expected);
    EXPECT_EQ(board.calls, (std::vector<std::string>{"clear", "setText"}));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ClipboardText, MultiWithoutACachedSchedule) {
    ASSERT_TRUE(clip.SetData(marksOf(Multi), 0));
    EXPECT_EQ(board.text.substr(0, board.text.find("\r\n02")),
              "第1201回 W:01 T:00 \\:0\r\n\r\n01 　　　 Vs 　　　 ■■□ [◎○　] ");
}

TEST_F(ClipboardText, MultiSettings) {
    const MultiMarks marks = marksOf("213,012,002,200,200,200,200,200,200,200,200,200,123");
    struct {
        const char* name;
        std::function<void(Settings&)> set;
        std::string begins;  // the text up to the end of match 1's line
    } const cases[] = {
        {"no header", [](Settings& s) { s.CopyHeader = 0; }, "01 　　　 Vs 　　　 ■■■ [○◎▲] \r\n"},
        {"header without money: blank, then an empty line", [](Settings& s) { s.CopyMoney = 0; },
         "第1201回 W:01 T:02 \r\n\r\n01 "},
        {"favourites without brackets",
         [](Settings& s) {
             s.CopyHeader = s.CopyGameNo = s.CopyGameData = s.CopyMulti = 0,
             s.CopyFrontRearBracket = 0;
         },
         "○◎▲ \r\n"},
        {"favourite within the multi",
         [](Settings& s) {
             s.CopyHeader = s.CopyGameNo = s.CopyGameData = s.CopyMulti = s.CopyFavorite = 0;
             s.CopyMultiFavorite = 1;
         },
         "１◎２\r\n　◎２\r\n　　２\r\n"},
        {"only the match numbers",
         [](Settings& s) { s.CopyHeader = s.CopyGameData = s.CopyMulti = s.CopyFavorite = 0; },
         "01 \r\n02 \r\n"},
    };
    for (const auto& c : cases) {
        basIniFile::MemoryInitialize();
        c.set(basIniFile::values());
        ASSERT_TRUE(clip.SetData(marks, 0)) << c.name;
        EXPECT_EQ(board.text.substr(0, c.begins.size()), c.begins) << c.name;
    }
    // The legend names what is shown.
    basIniFile::MemoryInitialize();
    Settings& s = basIniFile::values();
    s.CopyMulti = 0, s.CopyMultiFavorite = 1;
    ASSERT_TRUE(clip.SetData(marks, 0));
    EXPECT_TRUE(board.text.ends_with("①０２\r\n\r\nマーク [ ◎:本命 ○:対抗 ▲:穴 ①:本命 ]\r\n"))
        << board.text;
    s.CopyMark = 0;
    ASSERT_TRUE(clip.SetData(marks, 0));
    EXPECT_TRUE(board.text.ends_with("①０２\r\n")) << board.text;
}

TEST_F(ClipboardText, SinglesWithTheDefaultSettings) {
    cacheSchedule();
    // Match 3 splits 1, 1, 0, 2; every other match is a home win.
    std::vector<SingleRecord> singles = {singleOf("1111111111111"), singleOf("1111111111111"),
                                         singleOf("1101111111111"), singleOf("1121111111111")};
    ASSERT_TRUE(clip.SetCsvData(singles, 4));
    std::string expected =
        "第1201回 SINGLE:4 \\:400\r\n"
        "                    [1]  [0]  [2]\r\n"
        "01 鹿島　 Vs 浦和　 100%   0%   0%  1111\r\n"
        "02 ＦＣ東 Vs 町田　 100%   0%   0%  1111\r\n"
        "03 　　　 Vs 　　　  50%  25%  25%  1102\r\n";
    for (int n = 4; n <= 13; ++n)
        expected +=
            (n < 10 ? "0" : "") + std::to_string(n) + " 　　　 Vs 　　　 100%   0%   0%  1111\r\n";
    EXPECT_EQ(board.text, expected);
    EXPECT_EQ(board.calls, (std::vector<std::string>{"clear", "setText"}));
}

TEST_F(ClipboardText, SinglesSettingsAndRounding) {
    Settings& s = basIniFile::values();
    s.CopyMoney = 0;
    // Settings of the multi text do not apply here.
    s.CopyGameNo = s.CopyGameData = s.CopyMulti = s.CopyMark = 0;
    std::vector<SingleRecord> singles;
    for (int i = 0; i < 25; ++i)
        singles.push_back(singleOf(i < 2 ? "0000000000000" : "2222222222222"));
    ASSERT_TRUE(clip.SetCsvData(singles, 25));
    // 2/25 = 8 %, 23/25 = 92 %; 10 digits, a blank, 10 digits, a blank, 5 digits.
    EXPECT_EQ(board.text.substr(0, board.text.find("\r\n02")),
              "第1201回 SINGLE:25 \r\n                    [1]  [0]  [2]\r\n"
              "01 　　　 Vs 　　　   0%   8%  92%  0022222222 2222222222 22222");

    s.CopyHeader = 0, s.CopySingleList = 0;
    // Halves round away from zero: 1/8 = 12.5 % -> 13, 3/8 = 37.5 % -> 38.
    std::vector<SingleRecord> eight(8, singleOf("2222222222222"));
    eight[0] = singleOf("1111111111111");
    for (int i = 1; i <= 3; ++i) eight[static_cast<std::size_t>(i)] = singleOf("0000000000000");
    ASSERT_TRUE(clip.SetCsvData(eight, 8));
    EXPECT_EQ(board.text.substr(0, board.text.find("\r\n02")),
              "                    [1]  [0]  [2]\r\n01 　　　 Vs 　　　  13%  38%  50%  ");
}

TEST_F(ClipboardText, NoSinglesFailAndLeaveTheClipboard) {
    EXPECT_FALSE(clip.SetCsvData({}, 0));
    EXPECT_TRUE(board.calls.empty());
    EXPECT_EQ(board.text, "before");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(boxes.boxes[0].title, "Brenvik / clsClipboard / SetCsvData");
    EXPECT_EQ(boxes.boxes[0].text, "0 で除算しました。 ( 11 )");

    EXPECT_FALSE(clip.SetCsvData({singleOf("1111111111111")}, 2));  // more than there are
    EXPECT_TRUE(board.calls.empty());
}

}  // namespace
}  // namespace brenvik
