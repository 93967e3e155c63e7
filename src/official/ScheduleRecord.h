#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "app/DateTime.h"

namespace brenvik {

// One match of a round's schedule.
struct ScheduleMatch {
    std::string Home;  // short names
    std::string Away;
    DateTime MatchDate;
    DateTime StartTime;
    std::string Stadium;
    std::string MatchState;  // "VS", or "中止" for a cancelled match

    bool operator==(const ScheduleMatch&) const = default;
};

// One round's schedule; all fields zero or empty when nothing is known.
struct ScheduleRecord {
    int32_t Kaisaikai = 0;
    std::string Group;
    std::array<ScheduleMatch, 14> Matches{};  // 1..13; slot 0 unused
    DateTime SaleStart;
    DateTime SaleEnd;
    DateTime ResultDate;
    DateTime PayoutStart;
    DateTime PayoutDeadline;
    // 0 held as announced, 1 not held (set by the user), 2 cancelled.
    int32_t HoldState = 0;

    bool operator==(const ScheduleRecord&) const = default;
};

}  // namespace brenvik
