#pragma once

#include <array>
#include <cstdint>

namespace brenvik {

// One byte per outcome cell: 1..13 = outcome 1 of matches 1..13, 14..26 = outcome 0,
// 27..39 = outcome 2. Slot 0 is unused so indexes read as they do on the sheet.
using MultiMarks = std::array<uint8_t, 40>;

// Shape of a multi. Combinations = 2^Doubles * 3^Triples.
struct MultiSummary {
    int32_t Unmarked = 0;
    int32_t Singles = 0;
    int32_t Doubles = 0;
    int32_t Triples = 0;
    int32_t Combinations = 0;
};

}  // namespace brenvik
