// The searches keep their time caps: a cell that cannot be covered must fail in time, not hang
// the long run through every cell.
#include <gtest/gtest.h>

#include <chrono>

#include "Matrix.h"
#include "MatrixSearch.h"
#include "Space.h"

using namespace qelgen;

namespace {

double since(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

TEST(SyndromeSearch, EverySplitOfSmallShapesEndsWithinItsCap) {
    // One row of a kind leaves its other columns no choice; such splits once spun forever.
    for (int D = 0; D <= 4; ++D)
        for (int T = 0; T + D <= 6; ++T)
            for (int a = 0; a <= D; ++a)
                for (int b = 0; b <= T; ++b) {
                    if (a + b == 0 || (a == D && b == T)) continue;
                    for (int R = 1; R <= 2; ++R) {
                        SyndromeSearch s;
                        s.binary = D;
                        s.ternary = T;
                        s.rowsBinary = a;
                        s.rowsTernary = b;
                        s.radius = R;
                        s.size = 1;
                        s.steps = int64_t{1} << 40;
                        s.seconds = 0.02;
                        CheckMatrix h;
                        std::vector<int32_t> set;
                        const auto t0 = std::chrono::steady_clock::now();
                        const bool ok = annealSyndromes(s, h, set);
                        EXPECT_LT(since(t0), 1.0) << D << "," << T << " rows " << a << "+" << b;
                        if (ok) {
                            // A success is a real cover of the quotient: check it on the code.
                            const Space code(D, T), syn(a, b);
                            const auto words = expand(code, syn, h, set);
                            EXPECT_EQ(uncoveredCount(plainProblem(code, R, 0), words), 0);
                        }
                    }
                }
}

TEST(SyndromeSearch, WholeCellSearchKeepsItsBudget) {
    const auto t0 = std::chrono::steady_clock::now();
    const SyndromeCode c = searchSyndromeCodes(2, 4, 1, 36, 35, 0.5, 8192, 1, false);
    EXPECT_LT(since(t0), 2.0);
    if (c.words > 0) {
        const Space code(2, 4), syn(c.h.rowsBinary, c.h.rowsTernary);
        const auto words = expand(code, syn, c.h, c.syndromes);
        EXPECT_EQ(static_cast<int64_t>(words.size()), c.words);
        EXPECT_EQ(uncoveredCount(plainProblem(code, 1, 0), words), 0);
    }
}
