#include <gtest/gtest.h>

#include "payout/ResultWinnings.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

TEST(ResultWinnings, WithoutACachedResultThePrizesStayZero) {
    test::TempProgramFolder dir;
    const ResultWinnings w = ResultWinnings::FromCache(123, {0, 0, 2, 5, 30});
    EXPECT_EQ(w.lblMoney[1], "0");
    EXPECT_EQ(w.lblNextMoney, "0");
    EXPECT_EQ(w.lblCount[3], "2");
    EXPECT_EQ(w.lblGetMoney[3], "0");
    EXPECT_EQ(w.Cost, 3700);
    EXPECT_EQ(w.lblGetMoneyTotal[0], "0");
    EXPECT_EQ(w.lblGetMoneyTotal[1], "-3,700");
    EXPECT_TRUE(w.BalanceNegative);
}

TEST(ResultWinnings, PrizeTimesCountTotalBalanceAndCarryOver) {
    ResultRecord r;
    r.Kaisaikai = 1234;
    r.Prize = {Currency(), Currency::fromInteger(123456789), Currency::fromInteger(45678),
               Currency::parse("1234.5")};  // the label rounds, the product uses the label
    r.CarryOver = {Currency(), Currency::fromInteger(1000000), Currency::fromInteger(2345),
                   Currency()};
    const ResultWinnings w = ResultWinnings::Compute(&r, {1, 2, 3, 40, 1000});
    EXPECT_EQ(w.lblMoney[1], "123,456,789");
    EXPECT_EQ(w.lblMoney[3], "1,235");
    EXPECT_EQ(w.lblNextMoney, "1,002,345");
    EXPECT_EQ(w.lblCount[2], "2");
    EXPECT_EQ(w.lblGetMoney[1], "123,456,789");
    EXPECT_EQ(w.lblGetMoney[2], "91,356");
    EXPECT_EQ(w.lblGetMoney[3], "3,705");
    EXPECT_EQ(w.lblGetMoneyTotal[0], "123,551,850");
    EXPECT_EQ(w.Cost, 104600);
    EXPECT_EQ(w.lblGetMoneyTotal[1], "123,447,250");
    EXPECT_FALSE(w.BalanceNegative);

    const ResultWinnings even = ResultWinnings::Compute(&r, {0, 0, 0, 0, 0});
    EXPECT_EQ(even.lblGetMoneyTotal[1], "0");
    EXPECT_FALSE(even.BalanceNegative);
}

}  // namespace
}  // namespace brenvik
