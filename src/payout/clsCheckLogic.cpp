#include "payout/clsCheckLogic.h"

namespace brenvik {
namespace {

// The outcome a match's marks read as: "2" if its cell is set, else "0", else "1"; -1 none.
int32_t outcomeOf(const MultiMarks& marks, std::size_t j) {
    if (marks[26 + j] != 0) return 2;
    if (marks[13 + j] != 0) return 0;
    if (marks[j] != 0) return 1;
    return -1;
}

std::size_t cellOf(int32_t outcome, std::size_t j) {
    return outcome == 1 ? j : outcome == 0 ? 13 + j : 26 + j;
}

}  // namespace

clsCheckLogic::ResultOutcomes clsCheckLogic::readResult(const MultiMarks& result, bool* complete) {
    ResultOutcomes r{};
    *complete = true;
    for (std::size_t j = 1; j <= 13; ++j) {
        const int marks = (result[j] != 0) + (result[13 + j] != 0) + (result[26 + j] != 0);
        if (marks == 0) *complete = false;
        r[j] = static_cast<int8_t>(marks == 0 ? -1 : marks == 3 ? 3 : outcomeOf(result, j));
    }
    return r;
}

MultiMarks clsCheckLogic::SingleMarks(const SingleRecord& single) {
    MultiMarks marks{};
    for (std::size_t j = 1; j <= 13; ++j) {
        const int32_t o = single.Outcome[j];
        if (o > 2) continue;
        marks[cellOf(o, j)] = single.PatternDecided(static_cast<int>(j)) ? 4 : 2;
    }
    return marks;
}

int32_t clsCheckLogic::Hits(const MultiMarks& single, const MultiMarks& result,
                            MultiMarks* changed) {
    bool complete = false;
    const ResultOutcomes r = readResult(result, &complete);
    if (changed) *changed = single;
    int32_t hits = 0;
    for (std::size_t j = 1; j <= 13; ++j) {
        const int32_t mine = outcomeOf(single, j);
        uint8_t mark;
        if (r[j] < 0) {
            mark = MarkPending;
        } else if (r[j] == 3 || r[j] == mine) {
            mark = MarkHit;
        } else {
            mark = MarkMiss;
        }
        if (mark != MarkMiss) ++hits;
        if (changed && mine >= 0) (*changed)[cellOf(mine, j)] = mark;
    }
    return hits;
}

int32_t clsCheckLogic::GradeIndexOfHits(int32_t hits) {
    return hits >= 10 && hits <= 13 ? 14 - hits : 5;
}

template <class Singles, class HitsOf>
GradingCounts clsCheckLogic::grade(const Singles& singles, const MultiMarks& result,
                                   const ShowFlags& show, HitsOf hitsOf) {
    GradingCounts counts;
    const ResultOutcomes r = readResult(result, &counts.Complete);
    // hit[j][o]: outcome o of match j counts as a hit (o = 3 for a match without a pick).
    std::array<std::array<uint8_t, 4>, 14> hit{};
    for (std::size_t j = 1; j <= 13; ++j)
        for (int o = 0; o < 4; ++o)
            hit[j][static_cast<std::size_t>(o)] = r[j] < 0 || r[j] == 3 || r[j] == o;
    result_ = result;
    shown_.clear();
    shownHits_.clear();
    for (std::size_t i = 0; i < singles.size(); ++i) {
        const int32_t hits = hitsOf(singles[i], hit);
        const int32_t g = GradeIndexOfHits(hits);
        ++counts.Counts[static_cast<std::size_t>(g - 1)];
        if (show[static_cast<std::size_t>(g - 1)]) {
            shown_.push_back(static_cast<int32_t>(i));
            shownHits_.push_back(static_cast<uint8_t>(hits));
        }
    }
    paging_.SetCount(DisplayCount());
    return counts;
}

GradingCounts clsCheckLogic::Grade(const std::vector<MultiMarks>& singles, const MultiMarks& result,
                                   const ShowFlags& show) {
    markSingles_ = singles;
    recordSingles_.clear();
    records_ = false;
    return grade(singles, result, show, [](const MultiMarks& s, const auto& hit) {
        int32_t hits = 0;
        for (std::size_t j = 1; j <= 13; ++j) {
            const int32_t o = outcomeOf(s, j);
            hits += hit[j][static_cast<std::size_t>(o < 0 ? 3 : o)];
        }
        return hits;
    });
}

GradingCounts clsCheckLogic::Grade(const std::vector<SingleRecord>& singles,
                                   const MultiMarks& result, const ShowFlags& show) {
    recordSingles_ = singles;
    markSingles_.clear();
    records_ = true;
    return grade(singles, result, show, [](const SingleRecord& s, const auto& hit) {
        int32_t hits = 0;
        for (std::size_t j = 1; j <= 13; ++j) {
            const uint8_t o = s.Outcome[j];
            hits += hit[j][o > 2 ? 3 : o];
        }
        return hits;
    });
}

MultiMarks clsCheckLogic::DisplayMarks(int32_t index) const {
    const auto i = static_cast<std::size_t>(shown_.at(static_cast<std::size_t>(index)));
    const MultiMarks single = records_ ? SingleMarks(recordSingles_[i]) : markSingles_[i];
    MultiMarks changed{};
    Hits(single, result_, &changed);
    return changed;
}

std::string clsCheckLogic::DisplayLabel(int32_t index) const {
    return GradeLabel(shownHits_.at(static_cast<std::size_t>(index)));
}

HitGridCell clsCheckLogic::Cell(int32_t slot, int32_t row) const {
    const int32_t n = paging_.SlotNumber(slot);
    if (row == 1) return {std::to_string(n), HitColor::White};
    if (n < 1 || n > DisplayCount() || row < 2 || row > 15) return {};
    if (row == 15) {
        const std::string label = DisplayLabel(n - 1);
        const bool prize = label == "1" || label == "2" || label == "3";
        return {label, prize ? HitColor::Green : HitColor::White};
    }
    const MultiMarks marks = DisplayMarks(n - 1);
    const auto j = static_cast<std::size_t>(row - 1);
    const int32_t o = outcomeOf(marks, j);
    if (o < 0) return {};
    const uint8_t mark = marks[cellOf(o, j)];
    return {std::to_string(o), mark == MarkHit    ? HitColor::Blue
                               : mark == MarkMiss ? HitColor::Red
                                                  : HitColor::White};
}

}  // namespace brenvik
