#include <gtest/gtest.h>

#include "lottery/Grading.h"
#include "lottery/clsDeme.h"
#include "lottery/clsTotoNo.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

using Composition = clsTotoNo::Composition;

Composition allOf(uint8_t outcome) {
    Composition c{};
    for (std::size_t m = 1; m <= 13; ++m) c[m] = outcome;
    return c;
}

// Draw, home and away votes per match, the same for every match unless changed.
VoteRecord votes(int64_t draw, int64_t home, int64_t away) {
    VoteRecord v;
    v.Kaisaikai = 300;
    for (std::size_t m = 1; m <= 13; ++m) {
        v.Matches[m].Outcomes[0].Votes = Currency::fromInteger(draw);
        v.Matches[m].Outcomes[1].Votes = Currency::fromInteger(home);
        v.Matches[m].Outcomes[2].Votes = Currency::fromInteger(away);
    }
    return v;
}

TEST(Grading, GradeByDifferencesFollowsTheRoundsGradeCount) {
    const struct {
        int32_t differences, maxGrade, grade;
    } cases[] = {{0, 3, 1}, {1, 3, 2}, {2, 3, 3}, {3, 3, 0}, {13, 3, 0},
                 {0, 2, 1}, {1, 2, 2}, {2, 2, 0}, {-1, 3, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(Grading::GradeByDifferences(c.differences, c.maxGrade), c.grade)
            << c.differences << " in " << c.maxGrade;
}

TEST(Grading, TwoWrongMatchesWinThirdPrizeOnlyInThreeGradeRounds) {
    const clsTotoNo no;
    const int32_t result = no.GetByteNo(allOf(1));
    Composition twoWrong = allOf(1);
    twoWrong[4] = 0;
    twoWrong[9] = 2;
    const int32_t single = no.GetByteNo(twoWrong);
    EXPECT_EQ(Grading::GradeOf(single, result, 300), 3);
    EXPECT_EQ(Grading::GradeOf(single, result, 200), Grading::NoPrize);
    EXPECT_EQ(Grading::GradeOf(result, result, 200), 1);
    EXPECT_EQ(Grading::GradeOf(-1, result, 300), Grading::NoPrize);
}

TEST(Grading, WinningSinglesAreTheNeighbourListsOfTheResult) {
    const clsTotoNo no;
    const int32_t result = 123456;
    for (int32_t grade = 1; grade <= 3; ++grade) {
        const auto list = Grading::WinningSingles(result, grade, 300);
        EXPECT_EQ(list.size(), grade == 1 ? 1u : grade == 2 ? 26u : 312u);
        for (const int32_t n : list) EXPECT_EQ(Grading::GradeOf(n, result, 300), grade);
    }
    EXPECT_TRUE(Grading::WinningSingles(result, 3, 230).empty());
    EXPECT_TRUE(Grading::WinningSingles(result, 4, 300).empty());
}

TEST(Grading, AVoidMatchIsHitByEveryOutcome) {
    Composition result = allOf(1);
    result[3] = 3;
    Composition single = allOf(1);
    single[3] = 2;
    EXPECT_EQ(Grading::Differences(single, result), 0);
    single[5] = 0;
    EXPECT_EQ(Grading::Differences(single, result), 1);
}

TEST(clsDeme, CountsOutcomesAndVoteClasses) {
    clsDeme deme;
    // Before any vote status every outcome is class 0.
    deme.SingleNo(allOf(1));
    ASSERT_TRUE(deme.GetDeme());
    EXPECT_EQ(deme.Home(), 13);
    EXPECT_EQ(deme.Juntou(), 0);
    EXPECT_EQ(deme.Haran(), 0);
    EXPECT_EQ(deme.ZeroHaran(), 13);

    VoteRecord v = votes(20, 50, 30);                            // home is the favourite ...
    v.Matches[2].Outcomes[1].Votes = Currency::fromInteger(40);  // ... a tie in match 2
    v.Matches[2].Outcomes[2].Votes = Currency::fromInteger(40);
    v.Matches[3].Outcomes[1].Votes = Currency::fromInteger(10);  // away favoured in match 3
    deme.SetVote(v);
    EXPECT_EQ(deme.VoteClass(2, 2), 1);  // on a tie the away win is 順当
    EXPECT_EQ(deme.VoteClass(2, 1), 2);
    EXPECT_DOUBLE_EQ(deme.Share(2, 0), 20.0);

    deme.SingleNo(allOf(0));
    ASSERT_TRUE(deme.GetDeme());
    EXPECT_EQ(deme.Draw(), 13);
    EXPECT_EQ(deme.Home() + deme.Away(), 0);
    EXPECT_EQ(deme.Juntou() + deme.Haran(), 0);
    EXPECT_EQ(deme.ZeroHaran(), 13);

    Composition favourites = allOf(1);
    favourites[2] = 2;
    favourites[3] = 2;
    deme.SingleNo(favourites);
    ASSERT_TRUE(deme.GetDeme());
    EXPECT_EQ(deme.Juntou(), 13);
    EXPECT_EQ(deme.Haran(), 0);
    EXPECT_EQ(deme.ZeroHaran(), 0);
    EXPECT_EQ(deme.Home(), 11);
    EXPECT_EQ(deme.Away(), 2);

    Composition mixed = allOf(2);  // upsets in all matches but 2 and 3, and one draw
    mixed[1] = 0;
    deme.SingleNo(mixed);
    ASSERT_TRUE(deme.GetDeme());
    EXPECT_EQ(deme.Juntou(), 2);
    EXPECT_EQ(deme.Haran(), 10);
    EXPECT_EQ(deme.ZeroHaran(), 11);
}

TEST(clsDeme, ABadDigitIsReportedAndKeepsThePreviousCounts) {
    test::MessageRecorder boxes;
    clsDeme deme;
    deme.SingleNo(allOf(2));
    ASSERT_TRUE(deme.GetDeme());
    Composition bad = allOf(0);
    bad[13] = 3;
    deme.SingleNo(bad);
    EXPECT_FALSE(deme.GetDeme());
    EXPECT_EQ(deme.Away(), 13);
    EXPECT_EQ(deme.Draw(), 0);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].title.find("clsDeme / GetDeme"), std::string::npos);
}

TEST(clsDeme, AMatchWithoutVotesDoesNotFail) {
    clsDeme deme;
    VoteRecord v = votes(1, 2, 3);
    v.Matches[7].Outcomes = {};
    deme.SetVote(v);
    EXPECT_EQ(deme.Share(7, 1), 0.0);
    deme.SingleNo(allOf(1));
    EXPECT_TRUE(deme.GetDeme());
    EXPECT_EQ(deme.Juntou() + deme.Haran(), 13);
}

}  // namespace
}  // namespace brenvik
