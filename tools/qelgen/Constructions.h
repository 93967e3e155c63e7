#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "Cells.h"

namespace qelgen {

using Words = std::vector<int32_t>;  // word numbers of the shape's space, ascending

struct Built {
    Words words;
    std::string how;
};

// Known codes of whole shapes, keyed by (D, T, 0, R).
using CodeTable = std::map<Cell, Built>;

// Codes from constructions: trivial codes, binary and ternary Hamming codes, the ternary Golay
// code, then every direct sum and every ternary coordinate used as a binary one (2 -> 1),
// starting from `known` (codes found by search) and keeping the smallest for each cell up to
// radius 2. Codes above `cap` words are sized but not built.
CodeTable constructAll(const CodeTable& known, int64_t cap = 60000);

Words hamming(int D, int T);
Words golay();
Words directSum(int D1, int T1, const Words& a, int D2, int T2, const Words& b);
// Amalgamated direct sum: the words (a without coordinate i, shared digit, b without
// coordinate j) with a in `a`, b in `b` and sigma(a_i) = b_j, where i and j are coordinates of
// one kind. Two radius-1 codes give a radius-2 code one coordinate shorter than their direct
// sum and about q times smaller when the split is normal; the caller verifies it. The result
// lists binary coordinates A's, shared, B's (ternary likewise, the shared one in the kind of
// i).
Words amalgamatedSum(int D1, int T1, const Words& a, int i, int D2, int T2, const Words& b, int j,
                     const std::vector<int>& sigma);

// The first ternary coordinate of a (D - 1, T + 1) code used as the last binary one.
Words ternaryAsBinary(int D, int T, const Words& code);

}  // namespace qelgen
