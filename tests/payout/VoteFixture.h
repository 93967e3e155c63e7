#pragma once
#include <array>
#include <cstdint>
#include <random>

#include "official/VoteRecord.h"

namespace brenvik::test {

// A vote record of a round with the same draw, home and away votes in every match.
inline VoteRecord uniformVotes(int32_t round, int64_t draw, int64_t home, int64_t away) {
    VoteRecord v;
    v.Kaisaikai = round;
    v.AsOf = DateTime::fromFields(2021, 5, 1, 13, 50, 0);
    for (std::size_t m = 1; m <= 13; ++m) {
        v.Matches[m].Outcomes[0].Votes = Currency::fromInteger(draw);
        v.Matches[m].Outcomes[1].Votes = Currency::fromInteger(home);
        v.Matches[m].Outcomes[2].Votes = Currency::fromInteger(away);
    }
    return v;
}

// Votes as the operator publishes them: whole numbers from a few hundred to a few million.
inline VoteRecord randomVotes(int32_t round, std::mt19937& rng) {
    VoteRecord v = uniformVotes(round, 0, 0, 0);
    std::uniform_int_distribution<int64_t> count(100, 3000000);
    for (std::size_t m = 1; m <= 13; ++m)
        for (auto& o : v.Matches[m].Outcomes) o.Votes = Currency::fromInteger(count(rng));
    return v;
}

}  // namespace brenvik::test
