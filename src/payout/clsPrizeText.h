#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "payout/clsCheckLogic.h"

namespace brenvik {

// The four lines of the prize counter.
class clsPrizeText {
  public:
    // Backgrounds as 0xRRGGBB: lines 1 to 3, and line 4.
    static constexpr uint32_t PrizeBackground = 0xE0E0FF;
    static constexpr uint32_t OtherBackground = 0xE0E0E0;

    // "１等 ", "２等 ", "３等 " with the counts of 13, 12 and 11 hits, "等外 " with those of
    // 10 hits and the others together, each followed by "口".
    static std::array<std::string, 4> Lines(const GradingCounts& counts);
    // A blank, then up to 999 full-width digits right-aligned in 3 characters (ideographic
    // blanks before), above that "#,##0" right-aligned in 6 characters (the last 6 kept).
    static std::string FormatCount(int64_t count);
};

}  // namespace brenvik
