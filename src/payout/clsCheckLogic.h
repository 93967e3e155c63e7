#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/MultiTypes.h"
#include "engine/SingleRecord.h"
#include "payout/SinglePaging.h"

namespace brenvik {

// What grading hands to the prize counter: singles with 13, 12, 11 and 10 hits and the
// others, and whether every match has a result mark.
struct GradingCounts {
    std::array<int32_t, 5> Counts{};
    bool Complete = false;

    bool operator==(const GradingCounts&) const = default;
};

enum class HitColor { White, Blue, Red, Green };

struct HitGridCell {
    std::string text;
    HitColor color = HitColor::White;
};

// The check page without its pictures: grading every single against the result marks, the
// list of the singles of the grades shown, and the cells of the hit grid page by page.
class clsCheckLogic {
  public:
    // Mark values a single's cell takes in the hit display.
    static constexpr uint8_t MarkHit = 1;      // light blue
    static constexpr uint8_t MarkMiss = 3;     // light red
    static constexpr uint8_t MarkPending = 5;  // yellow: no result yet

    // Flags for 1等, 2等, 3等, 4等 and the others (check boxes chkPrize(1) to chkPrize(5)).
    using ShowFlags = std::array<bool, 5>;

    // Grades the singles (element n - 1 is single n) and rebuilds the display list; the grid
    // goes back to its first page.
    GradingCounts Grade(const std::vector<MultiMarks>& singles, const MultiMarks& result,
                        const ShowFlags& show);
    // The same for singles as records, whose marks are 2 (from the multi) or 4 (decided by the
    // pattern); no mark arrays are built for the singles that are not shown.
    GradingCounts Grade(const std::vector<SingleRecord>& singles, const MultiMarks& result,
                        const ShowFlags& show);

    // The marks of one single as the singles view draws them.
    static MultiMarks SingleMarks(const SingleRecord& single);
    // The hits of one single; `changed` (when given) gets its marks as the hit display shows
    // them.
    static int32_t Hits(const MultiMarks& single, const MultiMarks& result,
                        MultiMarks* changed = nullptr);
    // 13 -> 1 (1等), 12 -> 2, 11 -> 3, 10 -> 4, anything else 5 (others).
    static int32_t GradeIndexOfHits(int32_t hits);
    // 14 - hits: "1" for 13 hits ... "14" for none.
    static std::string GradeLabel(int32_t hits) { return std::to_string(14 - hits); }

    int32_t DisplayCount() const { return static_cast<int32_t>(shown_.size()); }
    // Display entry i (from 0): the single's marks as changed by grading, and its label.
    MultiMarks DisplayMarks(int32_t index) const;
    std::string DisplayLabel(int32_t index) const;
    // The single number (from 1) of display entry i.
    int32_t DisplaySingle(int32_t index) const {
        return shown_.at(static_cast<std::size_t>(index)) + 1;
    }

    SinglePaging& Paging() { return paging_; }
    const SinglePaging& Paging() const { return paging_; }
    // Row 1 the number, rows 2..14 the outcomes of matches 1..13, row 15 the grade label.
    HitGridCell Cell(int32_t slot, int32_t row) const;

  private:
    // Per match: -1 no result, 3 void, else the result outcome (0, 1, 2).
    using ResultOutcomes = std::array<int8_t, 14>;
    static ResultOutcomes readResult(const MultiMarks& result, bool* complete);
    template <class Singles, class HitsOf>
    GradingCounts grade(const Singles& singles, const MultiMarks& result, const ShowFlags& show,
                        HitsOf hitsOf);

    std::vector<MultiMarks> markSingles_;
    std::vector<SingleRecord> recordSingles_;
    bool records_ = false;
    MultiMarks result_{};
    std::vector<int32_t> shown_;  // single index of each display entry
    std::vector<uint8_t> shownHits_;
    SinglePaging paging_;
};

}  // namespace brenvik
