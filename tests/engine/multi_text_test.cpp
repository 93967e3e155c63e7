// The count box texts and the prints of the help-text box.
#include <gtest/gtest.h>

#include "engine/GameNoText.h"
#include "engine/PictureText.h"

namespace brenvik {
namespace {

TEST(MultiGameNoText, RoundLabel) {
    GameNoText box;
    box.GameNo(123);
    EXPECT_EQ(box.RoundLabel(), "123");
    box.GameNo(0);
    EXPECT_EQ(box.RoundLabel(), "");
}

TEST(MultiGameNoText, CountLabelShowsTheLastCountSet) {
    GameNoText box;
    box.SingleCount(7);
    EXPECT_EQ(box.CountLabel(), "SINGLE\n   7");
    box.SingleCount(1234);
    EXPECT_EQ(box.CountLabel(), "SINGLE\n1234");
    box.SingleCount(56789);  // more digits than fit: the last four stay
    EXPECT_EQ(box.CountLabel(), "SINGLE\n6789");

    box.DoubleCount(3);
    EXPECT_EQ(box.CountLabel(), "W: 3\nT: 0");
    box.TripleCount(10);
    EXPECT_EQ(box.CountLabel(), "W: 3\nT:10");

    // Doubles and triples keep their values while the singles are shown.
    box.SingleCount(16);
    EXPECT_EQ(box.CountLabel(), "SINGLE\n  16");
    box.TripleCount(10);
    EXPECT_EQ(box.CountLabel(), "W: 3\nT:10");
}

TEST(MultiGameNoText, ZeroCountsEmptyTheLabel) {
    GameNoText box;
    box.DoubleCount(2);
    box.TripleCount(0);
    EXPECT_EQ(box.CountLabel(), "W: 2\nT: 0");
    box.DoubleCount(0);
    EXPECT_EQ(box.CountLabel(), "");
    box.SingleCount(40);
    box.SingleCount(0);
    EXPECT_EQ(box.CountLabel(), "");
    box.SingleCount(40);
    box.TripleCount(0);  // both stored counts are 0
    EXPECT_EQ(box.CountLabel(), "");
}

using Line = PictureTextLine;

TEST(MultiPictureText, ParsesColoursAndLineEnds) {
    PictureText text;
    text.CPrint("\\2abc\\/de");
    const std::vector<PictureTextToken> expected{
        {2, "a", false}, {2, "b", false}, {2, "c", false},
        {2, "", true},   {2, "d", false}, {2, "e", false},
    };
    EXPECT_EQ(text.Tokens(), expected);
    EXPECT_EQ(text.CurrentColour(), 2);
    // The open line continues with the next print, in the colour still in force.
    text.CPrint("f\\/");
    EXPECT_EQ(text.Lines(), (std::vector<Line>{{{2, "abc"}}, {{2, "def"}}}));
}

TEST(MultiPictureText, DropsUnknownCodesAndATrailingBackslash) {
    struct Row {
        const char* print;
        std::vector<Line> lines;
    };
    const std::vector<Row> rows{
        {"a\\xb", {{{0, "ab"}}}},
        {"a\\", {{{0, "a"}}}},
        {"\\\\a", {{{0, "a"}}}},
        {"a\\■b", {{{0, "ab"}}}},  // the whole multi-byte character goes with the backslash
        {"\\9x\\0y", {{{9, "x"}, {0, "y"}}}},
        {"", {Line{}}},  // an empty print ends the line
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.print);
        PictureText text;
        text.CPrint(r.print);
        EXPECT_EQ(text.Lines(), r.lines);
    }
}

TEST(MultiPictureText, ClsResetsTokensPrintsAndColour) {
    PictureText text;
    text.CPrint("\\5x");
    text.Cls();
    EXPECT_TRUE(text.Tokens().empty());
    EXPECT_TRUE(text.Prints().empty());
    text.CPrint("y");
    EXPECT_EQ(text.Lines(), (std::vector<Line>{{{0, "y"}}}));
}

TEST(MultiPictureText, HelpOfTheMarkSheet) {
    PictureText text;
    const std::vector<std::string> prints{
        "\\2■□ 操作説明 □■\\/",
        "",
        "左の\\3[1][0][2]\\2の上で\\7左クリック\\2するとマークします。\\/",
        "マークされた状態で\\7左クリック\\2するとマークを解除します。\\/",
        "",
        "本命などを指定しない場合\\3[1][2][0]\\2の順で\\5[本命][対抗][穴]"
        "\\2を選択したことになります。",
        "\\1例えば[0][2]にマークを行った場合は[2]が本命[0]が対抗になります。\\/",
        "",
        "\\3[ﾗﾝﾀﾞﾑﾁｬﾝｽ]\\2を\\7クリック\\2するとランダムでマークします。\\/",
        "あと\\5 3試合\\2マークして下さい。\\/",
    };
    for (const auto& p : prints) text.CPrint(p);
    EXPECT_EQ(text.Prints(), prints);

    const std::vector<Line> expected{
        {{2, "■□ 操作説明 □■"}},
        {},
        {{2, "左の"},
         {3, "[1][0][2]"},
         {2, "の上で"},
         {7, "左クリック"},
         {2, "するとマークします。"}},
        {{2, "マークされた状態で"}, {7, "左クリック"}, {2, "するとマークを解除します。"}},
        {},
        {{2, "本命などを指定しない場合"},
         {3, "[1][2][0]"},
         {2, "の順で"},
         {5, "[本命][対抗][穴]"},
         {2, "を選択したことになります。"},
         {1, "例えば[0][2]にマークを行った場合は[2]が本命[0]が対抗になります。"}},
        {},
        {{3, "[ﾗﾝﾀﾞﾑﾁｬﾝｽ]"}, {2, "を"}, {7, "クリック"}, {2, "するとランダムでマークします。"}},
        {{2, "あと"}, {5, " 3試合"}, {2, "マークして下さい。"}},
    };
    EXPECT_EQ(text.Lines(), expected);
    // One token per character: the half-width katakana and its sound mark count apart.
    std::size_t tokens = 0;
    for (const auto& t : text.Tokens())
        if (t.text == "ﾀ" || t.text == "ﾞ") ++tokens;
    EXPECT_EQ(tokens, 2u);
}

TEST(MultiPictureText, LayoutWrapsAtTheRightEdge) {
    PictureText text;
    text.Left(4);
    text.CPrint("abcd\\/");
    text.CPrint("ef");
    // Ten pixels per character in a box 35 wide: a, b, c fit from x = 4 (4 + 30 = 34).
    const auto placed = text.Layout(35, [](const std::string&) { return 10; });
    struct Where {
        int32_t line, x;
    };
    const std::vector<Where> expected{{0, 4}, {0, 14}, {0, 24}, {1, 4}, {2, 4}, {2, 14}};
    ASSERT_EQ(placed.size(), expected.size());
    for (std::size_t i = 0; i < placed.size(); ++i) {
        EXPECT_EQ(placed[i].line, expected[i].line) << i;
        EXPECT_EQ(placed[i].x, expected[i].x) << i;
    }
    EXPECT_EQ(placed[3].token, 3u);  // "d"
    EXPECT_EQ(placed[4].token, 5u);  // "e", after the line-break token
}

TEST(MultiPictureText, LayoutKeepsAnOverwideCharacterOnItsLine) {
    PictureText text;
    text.CPrint("■");
    const auto placed = text.Layout(5, [](const std::string&) { return 12; });
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed[0].line, 0);
}

TEST(MultiPictureText, ColourTable) {
    EXPECT_EQ(PictureTextColours[2].blue, 255);
    EXPECT_EQ(PictureTextColours[4].green, 223);
    EXPECT_EQ(PictureTextColours[7].red, 96);
}

}  // namespace
}  // namespace brenvik
