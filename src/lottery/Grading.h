#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace brenvik::Grading {

// Prize grade codes: 1 to 3 for 1等 to 3等, 0 for no prize (等外).
inline constexpr int32_t NoPrize = 0;

// The grade of a single that differs from the result in `lngDifferences` matches, in a round
// with `lngMaxGrade` grades (clsToto::GetMaxGrade): 0 -> 1等, 1 -> 2等, 2 -> 3等 only when
// the round has three grades, anything else no prize.
int32_t GradeByDifferences(int32_t lngDifferences, int32_t lngMaxGrade);

// The grade of single `lngSingle` against result `lngResult` (selection numbers) in round
// `lngRound`. Numbers outside 0..1,594,322 give no prize.
int32_t GradeOf(int32_t lngSingle, int32_t lngResult, int32_t lngRound);

// The matches in which a single (outcome digits 1..13) misses a result given as lottery
// results per match (1, 0, 2, or 3 for a void match, which every outcome hits).
int32_t Differences(const std::array<uint8_t, 14>& bytSingle,
                    const std::array<uint8_t, 14>& bytLotResult);

// Every single that wins grade `lngGrade` against result `lngResult` in round `lngRound`:
// the result itself, its one-away list or its two-away list; empty for a grade the round
// does not have.
std::vector<int32_t> WinningSingles(int32_t lngResult, int32_t lngGrade, int32_t lngRound);

}  // namespace brenvik::Grading
