#pragma once
// Helpers shared by the multi tests.
#include <array>
#include <string>
#include <vector>

#include "app/basIniFile.h"
#include "engine/clsMulti.h"
#include "lottery/CurrentRound.h"

namespace brenvik::test {

// The three cells of a match in sheet order: home (1), draw (0), away (2).
struct MatchCells {
    uint8_t home, draw, away;
    bool operator==(const MatchCells&) const = default;
};

inline MatchCells cellsOf(const MultiMarks& marks, int match) {
    return {marks[match], marks[13 + match], marks[26 + match]};
}

inline void setCells(MultiMarks& marks, int match, MatchCells c) {
    marks[match] = c.home;
    marks[13 + match] = c.draw;
    marks[26 + match] = c.away;
}

// Records the multi's events by name, in the order they are raised.
struct EventLog {
    explicit EventLog(clsMulti& multi) {
        multi.Redraw.subscribe([this] { events.push_back("Redraw"); });
        multi.SelectChange.subscribe([this] { events.push_back("SelectChange"); });
        multi.PatternChange.subscribe([this] { events.push_back("PatternChange"); });
        multi.DloadClickBefore.subscribe([this](bool&) { events.push_back("DloadClickBefore"); });
        multi.DloadClick.subscribe([this] { events.push_back("DloadClick"); });
    }
    std::vector<std::string> take() { return std::exchange(events, {}); }
    std::vector<std::string> events;
};

inline const std::vector<std::string> kChanged{"Redraw", "SelectChange"};
inline const std::vector<std::string> kReshaped{"Redraw", "SelectChange", "PatternChange"};

// Sets MarkLeft and the current round for one test and restores them afterwards.
class SettingsScope {
  public:
    SettingsScope() : markLeft_(basIniFile::values().MarkLeft), round_(CurrentRound()) {}
    ~SettingsScope() {
        basIniFile::values().MarkLeft = markLeft_;
        CurrentRound() = round_;
    }
    SettingsScope(const SettingsScope&) = delete;
    SettingsScope& operator=(const SettingsScope&) = delete;

  private:
    uint8_t markLeft_;
    int32_t round_;
};

}  // namespace brenvik::test
