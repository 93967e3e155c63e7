#include "payout/clsPrizeText.h"

#include "app/Utf8.h"
#include "payout/NumberFormat.h"

namespace brenvik {

std::string clsPrizeText::FormatCount(int64_t count) {
    if (count <= 999) {
        std::string digits = NumberFormat::FullWidthDigits(count);
        for (std::size_t n = utf8::length(digits); n < 3; ++n) digits = "\xE3\x80\x80" + digits;
        return " " + digits;
    }
    // Right-aligned in 6; a longer count stays whole rather than losing its leading digits.
    return " " + utf8::padLeft(NumberFormat::Thousands(count), 6);
}

std::array<std::string, 4> clsPrizeText::Lines(const GradingCounts& counts) {
    const auto& c = counts.Counts;
    return {"１等 " + FormatCount(c[0]) + "口", "２等 " + FormatCount(c[1]) + "口",
            "３等 " + FormatCount(c[2]) + "口",
            "等外 " + FormatCount(static_cast<int64_t>(c[3]) + c[4]) + "口"};
}

}  // namespace brenvik
