#include <gtest/gtest.h>

#include "app/RuntimeError.h"
#include "lottery/CurrentRound.h"
#include "lottery/clsTGameType.h"
#include "lottery/clsToto.h"

namespace brenvik {
namespace {

TEST(clsToto, MaxGradeIsTwoOnlyForRounds198To260) {
    const struct {
        int32_t round;
        int32_t grades;
    } cases[] = {{INT32_MIN, 3}, {-1, 3},  {0, 3},   {1, 3},   {197, 3},
                 {198, 2},       {230, 2}, {260, 2}, {261, 3}, {INT32_MAX, 3}};
    const clsToto toto;
    for (const auto& c : cases) EXPECT_EQ(toto.GetMaxGrade(c.round), c.grades) << c.round;
}

TEST(clsTGameType, NumbersTextsAndCaseInsensitiveLookup) {
    const clsTGameType g;
    EXPECT_EQ(g.Count(), 4);
    EXPECT_EQ(g.Text(1), "J1");
    EXPECT_EQ(g.Text(3), "ナビスコカップ");
    EXPECT_EQ(g.Text(4), "天皇杯");
    EXPECT_EQ(g.GetNo("j1"), 1);
    EXPECT_EQ(g.GetNo("J2"), 2);
    EXPECT_EQ(g.GetNo("天皇杯"), 4);
    EXPECT_EQ(g.GetNo("J3"), 0);
    EXPECT_EQ(g.GetNo(""), 0);
    EXPECT_TRUE(g.Exists("ナビスコカップ"));
    EXPECT_FALSE(g.Exists("ルヴァンカップ"));
}

TEST(clsTGameType, TextOutsideTheListIsSubscriptOutOfRange) {
    const clsTGameType g;
    for (int32_t i : {0, 5, -1}) {
        try {
            (void)g.Text(i);
            ADD_FAILURE() << i;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), err::SubscriptOutOfRange);
        }
    }
}

TEST(CurrentRound, StartsWithNoRoundAndIsShared) {
    EXPECT_EQ(CurrentRound(), 0);
    CurrentRound() = 1234;
    EXPECT_EQ(CurrentRound(), 1234);
    CurrentRound() = 0;
}

}  // namespace
}  // namespace brenvik
