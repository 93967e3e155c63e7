#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Space.h"

namespace qelgen {

// Cover every universe word of `space` by the ball of some code word; code words may stand only
// where `allowed` says. The ball and the moves are given as group elements, so the same search
// serves plain codes and the syndromes of a check matrix.
struct Problem {
    const Space* space = nullptr;
    std::vector<Delta> ball;  // zero included
    std::vector<Delta> moves;
    std::vector<uint8_t> universe;  // empty: every word
    std::vector<uint8_t> allowed;   // empty: every word
    int64_t universeSize() const;
    bool inUniverse(int32_t w) const {
        return universe.empty() || universe[static_cast<std::size_t>(w)];
    }
    bool isAllowed(int32_t w) const {
        return allowed.empty() || allowed[static_cast<std::size_t>(w)];
    }
};

Problem plainProblem(const Space& s, int radius, int condition);

// Number of universe words no code word covers.
int64_t uncoveredCount(const Problem& p, const std::vector<int32_t>& words);

// Greedy set cover: a valid code to start from.
std::vector<int32_t> greedyCover(const Problem& p, uint64_t seed);

struct SearchBudget {
    int64_t stepsPerSize = 200000;
    int tenure = 0;  // 0: chosen from the size
    uint64_t seed = 1;
    int32_t stopAt = 0;  // stop shrinking once the code has this many words
    double seconds = 0;  // wall-clock cap of the whole shrink; 0 = none
};

// Tabu search at a fixed size: moves shift one code word by one coordinate so that it covers a
// randomly chosen uncovered word. Returns true with `words` a cover on success.
bool tabuSearch(const Problem& p, std::vector<int32_t>& words, int64_t steps, int tenure,
                uint64_t seed, double seconds = 0);

// From a valid cover, drop one word at a time and repair by tabu search until a size fails
// within its budget; returns the smallest cover found.
std::vector<int32_t> shrink(const Problem& p, std::vector<int32_t> cover, const SearchBudget& b,
                            const std::function<void(const std::vector<int32_t>&)>& onBetter = {});

}  // namespace qelgen
