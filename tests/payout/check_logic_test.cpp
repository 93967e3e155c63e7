#include <gtest/gtest.h>

#include "payout/clsCheckLogic.h"
#include "payout/clsPrizeText.h"

namespace brenvik {
namespace {

// Marks of a single or a result from 13 characters: 0, 1, 2 one outcome (value `v`), 3 all
// three, - none.
MultiMarks marksOf(const char* text, uint8_t v) {
    MultiMarks m{};
    for (std::size_t j = 1; j <= 13; ++j) {
        const char c = text[j - 1];
        if (c == '1' || c == '3') m[j] = v;
        if (c == '0' || c == '3') m[13 + j] = v;
        if (c == '2' || c == '3') m[26 + j] = v;
    }
    return m;
}

SingleRecord recordOf(const char* text) {
    SingleRecord s;
    for (std::size_t j = 1; j <= 13; ++j) s.Outcome[j] = static_cast<uint8_t>(text[j - 1] - '0');
    return s;
}

constexpr clsCheckLogic::ShowFlags All = {true, true, true, true, true};

TEST(clsCheckLogic, HitsAndTheMarksTheyTurnInto) {
    const MultiMarks single = marksOf("1021021021021", 2);
    // Match 1 no result, 2 void, 3 hit, 4 miss, the rest hits.
    const MultiMarks result = marksOf("-320021021021", 1);
    MultiMarks changed{};
    EXPECT_EQ(clsCheckLogic::Hits(single, result, &changed), 12);
    EXPECT_EQ(changed[1], clsCheckLogic::MarkPending);
    EXPECT_EQ(changed[13 + 2], clsCheckLogic::MarkHit);
    EXPECT_EQ(changed[26 + 3], clsCheckLogic::MarkHit);
    EXPECT_EQ(changed[4], clsCheckLogic::MarkMiss);
    EXPECT_EQ(changed[13 + 4], 0);  // only the single's own cell changes

    // Two hand marks read as one outcome: "2" before "0" before "1".
    MultiMarks twoMarks = marksOf("1111111111111", 1);
    twoMarks[26 + 1] = 2;
    EXPECT_EQ(clsCheckLogic::Hits(marksOf("2111111111111", 2), twoMarks), 13);
    EXPECT_EQ(clsCheckLogic::Hits(marksOf("1111111111111", 2), twoMarks), 12);
}

TEST(clsCheckLogic, GradesByHitsWithTheDisplayListOfTheShownGrades) {
    const std::vector<MultiMarks> singles = {
        marksOf("1111111111111", 2),  // 13 hits
        marksOf("1111111111110", 4),  // 12
        marksOf("1111111111100", 2),  // 11
        marksOf("1111111111000", 2),  // 10: 4等
        marksOf("0000000000000", 2),  // 0
    };
    clsCheckLogic check;
    const MultiMarks result = marksOf("1111111111111", 1);
    GradingCounts counts = check.Grade(singles, result, {true, false, true, true, false});
    EXPECT_EQ(counts.Counts, (std::array<int32_t, 5>{1, 1, 1, 1, 1}));
    EXPECT_TRUE(counts.Complete);
    ASSERT_EQ(check.DisplayCount(), 3);
    EXPECT_EQ(check.DisplaySingle(1), 3);
    EXPECT_EQ(check.DisplayLabel(0), "1");
    EXPECT_EQ(check.DisplayLabel(1), "3");
    EXPECT_EQ(check.DisplayLabel(2), "4");

    // The same singles as records grade the same; a label reads 14 - hits.
    std::vector<SingleRecord> records = {recordOf("1111111111111"), recordOf("1111111111110"),
                                         recordOf("1111111111100"), recordOf("1111111111000"),
                                         recordOf("0000000000000")};
    records[1].SetPatternDecided(13, true);
    counts = check.Grade(records, result, All);
    EXPECT_EQ(counts.Counts, (std::array<int32_t, 5>{1, 1, 1, 1, 1}));
    EXPECT_EQ(check.DisplayLabel(4), "14");
    const MultiMarks fromRecord = check.DisplayMarks(1);
    MultiMarks decided = marksOf("1111111111110", 2);
    decided[13 + 13] = 4;
    EXPECT_EQ(clsCheckLogic::SingleMarks(records[1]), decided);
    check.Grade(singles, result, All);
    EXPECT_EQ(check.DisplayMarks(1), fromRecord);
    EXPECT_EQ(fromRecord[13 + 13], clsCheckLogic::MarkMiss);

    // Nothing shown: an empty list on one page.
    check.Grade(singles, result, {false, false, false, false, false});
    EXPECT_EQ(check.DisplayCount(), 0);
    EXPECT_EQ(check.Paging().PageLabel(), "1/1");
}

TEST(clsCheckLogic, BeforeAnyResultEverySingleIsAFirstPrizeAndAVoidMatchHitsAll) {
    std::vector<SingleRecord> singles = {recordOf("0120120120120"), recordOf("2222222222222")};
    clsCheckLogic check;
    GradingCounts counts = check.Grade(singles, MultiMarks{}, All);
    EXPECT_EQ(counts.Counts[0], 2);
    EXPECT_FALSE(counts.Complete);
    const MultiMarks shown = check.DisplayMarks(0);
    for (std::size_t j = 1; j <= 13; ++j)
        EXPECT_EQ(shown[j] + shown[13 + j] + shown[26 + j], clsCheckLogic::MarkPending);

    counts = check.Grade(singles, marksOf("3333333333333", 1), All);
    EXPECT_EQ(counts.Counts[0], 2);
    EXPECT_TRUE(counts.Complete);
}

TEST(clsCheckLogic, GridCellsOfAPage) {
    std::vector<SingleRecord> singles(12, recordOf("1111111111111"));
    singles[11] = recordOf("2111111111112");
    clsCheckLogic check;
    check.Grade(singles, marksOf("111111111111-", 1), All);
    check.Paging().PageMove(4);
    EXPECT_EQ(check.Paging().Page(), 2);
    // Slot 2 of page 2 is single 12: a miss in match 1, not yet decided in match 13.
    EXPECT_EQ(check.Cell(2, 1).text, "12");
    EXPECT_EQ(check.Cell(2, 2).text, "2");
    EXPECT_EQ(check.Cell(2, 2).color, HitColor::Red);
    EXPECT_EQ(check.Cell(2, 3).color, HitColor::Blue);
    EXPECT_EQ(check.Cell(2, 14).text, "2");
    EXPECT_EQ(check.Cell(2, 14).color, HitColor::White);
    EXPECT_EQ(check.Cell(2, 15).text, "2");
    EXPECT_EQ(check.Cell(2, 15).color, HitColor::Green);
    EXPECT_EQ(check.Cell(1, 15).text, "1");
    // Beyond the list: the number, then empty white cells.
    EXPECT_EQ(check.Cell(3, 1).text, "13");
    EXPECT_EQ(check.Cell(3, 2).text, "");
    EXPECT_EQ(check.Cell(3, 15).color, HitColor::White);
    // Regrading goes back to the first page.
    check.Grade(singles, MultiMarks{}, All);
    EXPECT_EQ(check.Paging().Page(), 1);
}

TEST(clsCheckLogic, LabelsOfFourthPrizeAndBelowAreNotGreen) {
    std::vector<SingleRecord> singles = {recordOf("1111111110000")};
    clsCheckLogic check;
    const GradingCounts counts = check.Grade(singles, marksOf("1111111111111", 1), All);
    EXPECT_EQ(counts.Counts[4], 1);
    EXPECT_EQ(check.Cell(1, 15).text, "5");
    EXPECT_EQ(check.Cell(1, 15).color, HitColor::White);
}

TEST(SinglePaging, PagesSlotsButtonsAndLabel) {
    const struct {
        int32_t count, pages, buttons;
    } cases[] = {{0, 1, 1}, {1, 1, 1}, {10, 1, 1}, {11, 2, 2}, {25, 3, 3}, {150, 15, 10}};
    for (const auto& c : cases) {
        SinglePaging p;
        p.SetCount(c.count);
        EXPECT_EQ(p.PageCount(), c.pages) << c.count;
        EXPECT_EQ(p.VisibleButtons(true), c.buttons) << c.count;
        EXPECT_EQ(p.VisibleButtons(false), 0);
    }
    SinglePaging p;
    p.SetCount(0);
    EXPECT_EQ(p.PageLabel(), "1/1");
    EXPECT_EQ(p.SlotNumber(1), 1);
    EXPECT_EQ(p.SlotNumber(10), 10);
    EXPECT_FALSE(p.InRange(1));

    p.SetCount(25);
    p.EndPage();
    EXPECT_EQ(p.PageLabel(), "3/3");
    EXPECT_EQ(p.SlotNumber(1), 21);
    EXPECT_TRUE(p.InRange(25));
    EXPECT_FALSE(p.InRange(26));
    EXPECT_EQ(p.SlotNumber(10), 30);
    p.NextPage();
    EXPECT_EQ(p.Page(), 3);
    p.TopPage();
    p.PreviousPage();
    EXPECT_EQ(p.Page(), 1);

    p.SetCount(150);
    p.MovePage(12);
    EXPECT_EQ(p.PageLabel(), "12/15");
    EXPECT_EQ(SinglePaging::ButtonCaption(10), "10枚目");
}

TEST(SinglePaging, EditingACellSetsThatOutcomeOnly) {
    std::vector<MultiMarks> singles(25, marksOf("1111111111111", 2));
    SinglePaging p;
    p.SetCount(25);
    p.MovePage(2);
    // The "2" cell of match 5 in the third column of page 2.
    const auto edit = p.EditCell(singles, SingleCell{3, 5, 2}.Number());
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->single, 13);
    EXPECT_EQ(edit->match, 5);
    EXPECT_EQ(edit->outcome, 2);
    EXPECT_EQ(singles[12], marksOf("1111211111111", 2));
    EXPECT_EQ(singles[11], marksOf("1111111111111", 2));
    p.EndPage();
    EXPECT_FALSE(p.EditCell(singles, SingleCell{6, 1, 0}.Number()));  // single 26
    EXPECT_FALSE(p.EditCell(singles, 3140));                          // match 14
    EXPECT_EQ(SingleCell::FromNumber(10132)->slot, 10);
}

TEST(clsPrizeText, FourLinesWithFullWidthAndThousandsForms) {
    const struct {
        int64_t count;
        const char* text;
    } cases[] = {{0, " 　　０"},    {12, " 　１２"},      {999, " ９９９"},       {1000, "  1,000"},
                 {1234, "  1,234"}, {100000, " 100,000"}, {1594323, " 1,594,323"}};
    for (const auto& c : cases) EXPECT_EQ(clsPrizeText::FormatCount(c.count), c.text) << c.count;

    GradingCounts counts;
    counts.Counts = {1, 12, 1234, 5, 7};
    const auto lines = clsPrizeText::Lines(counts);
    EXPECT_EQ(lines[0], "１等  　　１口");
    EXPECT_EQ(lines[1], "２等  　１２口");
    EXPECT_EQ(lines[2], "３等   1,234口");
    EXPECT_EQ(lines[3], "等外  　１２口");  // 10 hits count here, not as a grade of their own
}

}  // namespace
}  // namespace brenvik
