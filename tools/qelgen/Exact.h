#pragma once
#include <cstdint>
#include <vector>

#include "Covering.h"

namespace qelgen {

// Exhaustive decision: can `words` code words cover the whole space of `p` (a whole-shape
// problem, so the first word may be the zero word: translates of a cover are covers)? Depth-
// first over the candidates of an uncovered word, a candidate that failed never returns in a
// later sibling, and a branch ends once the words left cannot reach the uncovered words even
// if every one covered as much as the best candidate does. Gives up (`decided` false) after
// `nodeLimit` nodes.
struct ExactResult {
    bool decided = false, coverable = false;
    std::vector<int32_t> cover;  // when coverable
    int64_t nodes = 0;
};
ExactResult exactCover(const Problem& p, int words, int64_t nodeLimit);

}  // namespace qelgen
