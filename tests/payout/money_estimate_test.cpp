#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "VoteFixture.h"
#include "lottery/clsTotoNo.h"
#include "payout/clsMoney.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

using Composition = std::array<uint8_t, 14>;

// The estimate written out literally, loop by loop, with long double for the last step.
struct Reference {
    std::array<int64_t, 4> money{};
    bool failed = false;
};

Reference reference(const VoteRecord& v, const Composition& s) {
    double R = 0.5, S1 = 0.7, S2 = 0.15, S3 = 0.15;
    const int32_t k = v.Kaisaikai;
    if (k <= 155)
        R = 0.47, S1 = 0.5, S2 = 0.2, S3 = 0.3;
    else if (k <= 197)
        S1 = 0.5, S2 = 0.2, S3 = 0.3;
    else if (k <= 260)
        S1 = 0.8, S2 = 0.2, S3 = 0;
    // The exact decimal products of the table, rounded once to a double.
    const auto pool = [&](double share) {
        return std::round(100 * R * share * 10000) / 10000 * 1e26;
    };
    const double pools[4] = {0, pool(S1), pool(S2), pool(S3)};
    double P[14][3], Q[14][3];
    for (int i = 1; i <= 13; ++i) {
        const auto& o = v.Matches[static_cast<std::size_t>(i)].Outcomes;
        const double T =
            static_cast<double>((o[0].Votes + o[1].Votes + o[2].Votes).roundToInteger());
        for (int kk = 0; kk < 3; ++kk) {
            P[i][kk] = o[static_cast<std::size_t>(kk)].Votes.toDouble() / T * 100;
            Q[i][kk] = 100 - P[i][kk];
        }
    }
    const auto at = [&](int i, bool q) {
        return q ? Q[i][s[static_cast<std::size_t>(i)]] : P[i][s[static_cast<std::size_t>(i)]];
    };
    double D1 = 1;
    for (int i = 1; i <= 13; ++i) D1 *= at(i, false);
    double D2 = 0;
    for (int i = 1; i <= 13; ++i) {
        double t = 1;
        for (int j = 1; j <= 13; ++j) t *= at(j, j == i);
        D2 += t;
    }
    double D3 = 0;
    for (int i = 1; i <= 12; ++i)
        for (int j = i + 1; j <= 13; ++j) {
            double t = 1;
            for (int l = 1; l <= 13; ++l) t *= at(l, l == i || l == j);
            D3 += t;
        }
    Reference r;
    const double D[4] = {0, D1, D2, D3};
    for (int g = 1; g <= 3; ++g) {
        if (D[g] == 0) {
            r.failed = true;
            r.money = {};
            return r;
        }
        const double x = pools[g] / D[g];
        if (x > 99999999999.0) {
            r.money[static_cast<std::size_t>(g)] = 99999999999;
        } else {
            const long double raw = std::nearbyint(static_cast<long double>(x) * 10000.0L);
            r.money[static_cast<std::size_t>(g)] = static_cast<int64_t>(std::floor(raw / 10000.0L));
        }
    }
    return r;
}

Composition allOf(uint8_t outcome) {
    Composition c{};
    for (std::size_t m = 1; m <= 13; ++m) c[m] = outcome;
    return c;
}

int64_t yen(Currency c) {
    return c.raw() / Currency::Scale;
}

TEST(clsMoney, ParametersByRound) {
    const struct {
        int32_t round;
        int64_t r, s1, s2, s3;  // in 1/10000
    } cases[] = {{1, 4700, 5000, 2000, 3000},   {150, 4700, 5000, 2000, 3000},
                 {155, 4700, 5000, 2000, 3000}, {156, 5000, 5000, 2000, 3000},
                 {197, 5000, 5000, 2000, 3000}, {198, 5000, 8000, 2000, 0},
                 {260, 5000, 8000, 2000, 0},    {261, 5000, 7000, 1500, 1500}};
    for (const auto& c : cases) {
        const PrizeParameters p = clsMoney::Parameters(c.round);
        EXPECT_EQ(p.R.raw(), c.r) << c.round;
        EXPECT_EQ(p.S[1].raw(), c.s1) << c.round;
        EXPECT_EQ(p.S[2].raw(), c.s2) << c.round;
        EXPECT_EQ(p.S[3].raw(), c.s3) << c.round;
    }
    clsMoney money;
    money.SetVote(test::uniformVotes(200, 1, 1, 1));
    EXPECT_EQ(money.Pool(1), 4e27);
    EXPECT_EQ(money.Pool(3), 0.0);
    money.SetVote(test::uniformVotes(150, 1, 1, 1));
    EXPECT_EQ(money.Pool(1), 23.5 * 1e26);
}

TEST(clsMoney, CertainOutcomesGiveTheFirstPoolPerTicketButFailForTheOthers) {
    test::MessageRecorder boxes;
    clsMoney money;
    money.SetVote(test::uniformVotes(200, 0, 5, 0));  // every match 100 % home
    money.SingleNo(allOf(1));
    EXPECT_EQ(money.Pool(1) / 1e26, 40.0);  // what D1 = 10^26 would pay
    // D2 = D3 = 0 fail the whole estimate: the report and 0 for all three.
    EXPECT_FALSE(money.GetMoney());
    EXPECT_EQ(yen(money.Money1()), 0);
    EXPECT_EQ(yen(money.Money2()), 0);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].title.find("clsMoney / GetMoney"), std::string::npos);
    EXPECT_NE(boxes.boxes[0].text.find("( 11 )"), std::string::npos);
    EXPECT_EQ(money.P(1, 1), 100.0);
    EXPECT_EQ(money.Q(1, 1), 0.0);
}

TEST(clsMoney, EstimatesOfUniformVotes) {
    // Every outcome a third: D1 = (100/3)^13, and the prizes follow from the pools.
    clsMoney money;
    const VoteRecord v = test::uniformVotes(300, 1000, 1000, 1000);
    money.SetVote(v);
    money.SingleNo(allOf(0));
    ASSERT_TRUE(money.GetMoney());
    const Reference r = reference(v, allOf(0));
    EXPECT_EQ(yen(money.Money1()), r.money[1]);
    // 35 yen per ticket × 3^13 tickets.
    EXPECT_NEAR(static_cast<double>(yen(money.Money1())), 35.0 * 1594323, 1.0);
    EXPECT_EQ(yen(money.Money2()), r.money[2]);
    EXPECT_EQ(yen(money.Money3()), r.money[3]);
}

TEST(clsMoney, TheCapAndTheWholeYen) {
    const struct {
        double value;
        int64_t whole;
    } cases[] = {{0.0, 0},
                 {1234.9999, 1234},
                 // Four decimals first, from the double's exact value: 7.99995 lies just
                 // above the tie and rounds up to 8, 1234.99995 just below it.
                 {7.99995, 8},
                 {1234.99995, 1234},
                 {1234.999951, 1235},
                 {99999999999.0, 99999999999},
                 {99999999999.5, 99999999999},
                 {1e30, 99999999999},
                 {HUGE_VAL, 99999999999}};
    for (const auto& c : cases) EXPECT_EQ(yen(clsMoney::WholeYen(c.value)), c.whole) << c.value;

    // A single against votes so lopsided that its 1等 estimate passes the cap.
    VoteRecord v = test::uniformVotes(300, 1, 1, 3000000);
    clsMoney money;
    money.SetVote(v);
    money.SingleNo(allOf(0));
    ASSERT_TRUE(money.GetMoney());
    EXPECT_EQ(yen(money.Money1()), 99999999999);
}

TEST(clsMoney, AMatchWithoutVotesFailsTheVoteStatus) {
    VoteRecord v = test::uniformVotes(300, 1, 2, 3);
    v.Matches[5].Outcomes = {};
    clsMoney money;
    try {
        money.SetVote(v);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::Overflow);  // 0 / 0
    }
}

TEST(clsMoney, AnOutcomeWithoutVotesFailsOnlyTheSinglesPickingIt) {
    test::MessageRecorder boxes;
    VoteRecord v = test::uniformVotes(300, 10, 20, 30);
    v.Matches[4].Outcomes[0].Votes = Currency();
    clsMoney money;
    money.SetVote(v);
    money.SingleNo(allOf(0));
    EXPECT_FALSE(money.GetMoney());
    EXPECT_EQ(yen(money.Money3()), 0);
    money.SingleNo(allOf(1));
    EXPECT_TRUE(money.GetMoney());
    EXPECT_GT(yen(money.Money3()), 0);
}

TEST(clsMoney, RandomVoteRecordsEqualTheLiteralFormulaToTheYen) {
    std::mt19937 rng(20210501);
    const int32_t rounds[] = {100, 155, 156, 200, 260, 261, 1234};
    const clsTotoNo no;
    std::uniform_int_distribution<int32_t> single(0, clsTotoNo::kCount - 1);
    for (int trial = 0; trial < 40; ++trial) {
        const VoteRecord v = test::randomVotes(rounds[trial % 7], rng);
        clsMoney money;
        money.SetVote(v);
        for (int n = 0; n < 200; ++n) {
            const Composition s = no.GetNoByte(single(rng));
            money.SingleNo(s);
            const bool ok = !money.Calculate();
            const Reference r = reference(v, s);
            ASSERT_EQ(ok, !r.failed);
            for (int g = 1; g <= 3; ++g)
                ASSERT_EQ(yen(money.Money(g)), r.money[static_cast<std::size_t>(g)])
                    << "round " << v.Kaisaikai << " grade " << g;
        }
    }
}

}  // namespace
}  // namespace brenvik
