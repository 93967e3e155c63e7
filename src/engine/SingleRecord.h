#pragma once
#include <array>
#include <cstdint>

namespace brenvik {

// One single. Kept to 16 bytes because a plain multi of 13 triples expands to 1,594,323 of them.
struct SingleRecord {
    // Outcome of matches 1..13 (1, 0 or 2); slot 0 unused.
    std::array<uint8_t, 14> Outcome{};
    // Bit m set: the pattern's role code chose the outcome of match m.
    uint16_t DecidedMask = 0;

    bool PatternDecided(int match) const { return ((DecidedMask >> match) & 1u) != 0; }
    void SetPatternDecided(int match, bool value) {
        const auto bit = static_cast<uint16_t>(1u << match);
        DecidedMask = static_cast<uint16_t>(value ? (DecidedMask | bit) : (DecidedMask & ~bit));
    }
    bool operator==(const SingleRecord&) const = default;
};

static_assert(sizeof(SingleRecord) == 16);

}  // namespace brenvik
