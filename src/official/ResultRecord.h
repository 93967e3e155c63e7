#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "app/Currency.h"
#include "app/DateTime.h"

namespace brenvik {

struct ResultMatch {
    DateTime MatchDate;
    uint8_t LotResult = 0;  // 1 home win, 0 draw, 2 away win, 3 void
    std::string Stadium;
    std::string Home;  // as the page writes them
    std::string Away;
    uint8_t HomeScore = 0;
    uint8_t AwayScore = 0;

    bool operator==(const ResultMatch&) const = default;
};

// One round's result; all fields zero or empty when nothing is known.
struct ResultRecord {
    int32_t Kaisaikai = 0;
    std::string Group;
    std::array<ResultMatch, 14> Matches{};  // 1..13; slot 0 unused
    std::array<Currency, 4> Prize{};        // by grade 1..3; slot 0 unused
    std::array<Currency, 4> Winners{};
    std::array<Currency, 4> CarryOver{};
    DateTime SaleStart;
    DateTime SaleEnd;
    DateTime ResultDate;  // the refund decision for a called-off round
    DateTime PayoutStart;
    DateTime PayoutDeadline;
    bool CalledOff = false;  // every match void: the stakes are refunded

    bool operator==(const ResultRecord&) const = default;
};

}  // namespace brenvik
