// The exhaustive search behind the computed optima of the reference table: each optimum is
// proved again (one word fewer cannot cover, the optimum can), so an optimum the library is
// measured against is never just copied.
#include <gtest/gtest.h>

#include "Cells.h"
#include "Covering.h"
#include "Exact.h"
#include "Space.h"

using namespace qelgen;

TEST(ExactCover, ProvesEveryComputedOptimumOfTheReference) {
    int proved = 0;
    for (const auto& [cell, ref] : readReference(QELGEN_REFERENCE)) {
        if (ref.optimum <= 0) continue;
        const Space s(cell.D, cell.T);
        const Problem p = plainProblem(s, cell.R, 0);
        const int k = static_cast<int>(ref.optimum);
        const ExactResult fewer = exactCover(p, k - 1, 200000000);
        ASSERT_TRUE(fewer.decided) << cell.name();
        EXPECT_FALSE(fewer.coverable) << cell.name() << " with " << k - 1;
        const ExactResult enough = exactCover(p, k, 200000000);
        ASSERT_TRUE(enough.decided && enough.coverable) << cell.name() << " with " << k;
        EXPECT_EQ(enough.cover.size(), static_cast<std::size_t>(k));
        EXPECT_EQ(uncoveredCount(p, enough.cover), 0) << cell.name();
        ++proved;
    }
    EXPECT_GT(proved, 0);
}

TEST(ExactCover, AgreesWithPerfectCodesAndGivesUpAtItsLimit) {
    const Space t4(0, 4);
    const Problem hamming = plainProblem(t4, 1, 0);  // the perfect code of 4 triples: 9 words
    EXPECT_FALSE(exactCover(hamming, 8, 1000000).coverable);
    EXPECT_TRUE(exactCover(hamming, 9, 1000000).coverable);
    const Space b7(7, 0);
    const Problem binary = plainProblem(b7, 1, 0);  // 16 words
    EXPECT_TRUE(exactCover(binary, 16, 1000000).coverable);
    const ExactResult capped = exactCover(plainProblem(Space(2, 4), 1, 0), 35, 1000);
    EXPECT_FALSE(capped.decided);
    EXPECT_FALSE(capped.coverable);
}
