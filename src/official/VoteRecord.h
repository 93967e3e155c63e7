#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "app/Currency.h"
#include "app/DateTime.h"

namespace brenvik {

struct VoteOutcome {
    Currency Votes;
    Currency Ratio;  // percent, e.g. 45.67

    bool operator==(const VoteOutcome&) const = default;
};

struct VoteMatch {
    std::string Home;  // as the page writes them
    std::string Away;
    DateTime MatchDate;
    DateTime StartTime;
    std::array<VoteOutcome, 3> Outcomes{};  // by outcome code: 0 draw, 1 home win, 2 away win

    bool operator==(const VoteMatch&) const = default;
};

struct VoteTotals {
    Currency Total;
    Currency Multi;
    Currency Single;

    bool operator==(const VoteTotals&) const = default;
};

// One round's vote status; all fields zero or empty when nothing is known.
struct VoteRecord {
    int32_t Kaisaikai = 0;
    std::string Group;
    DateTime AsOf;
    std::array<VoteMatch, 14> Matches{};  // 1..13; slot 0 unused
    VoteTotals SalesAmount;
    VoteTotals VoteUnits;
    VoteTotals TicketCount;
    DateTime SaleStart;
    DateTime SaleEnd;
    DateTime ResultDate;
    DateTime PayoutStart;
    DateTime PayoutDeadline;

    bool operator==(const VoteRecord&) const = default;
};

}  // namespace brenvik
