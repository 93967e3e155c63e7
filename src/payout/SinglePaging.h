#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/MultiTypes.h"

namespace brenvik {

// A cell of the singles drawing, numbered slot * 1000 + match * 10 + outcome index
// (outcome index 0 = "0", 1 = "1", 2 = "2").
struct SingleCell {
    int32_t slot = 0;     // 1..10
    int32_t match = 0;    // 1..13
    int32_t outcome = 0;  // 0..2

    int32_t Number() const { return slot * 1000 + match * 10 + outcome; }
    // Nothing for a number that names no cell.
    static std::optional<SingleCell> FromNumber(int32_t number);
};

// An edit made by a click in edit mode: single n (from 1), match, outcome index.
struct SingleEdit {
    int32_t single = 0;
    int32_t match = 0;
    int32_t outcome = 0;
};

// The paging of the singles and hit lists: ten singles a page, at least one page.
class SinglePaging {
  public:
    static constexpr int32_t PerPage = 10;
    static constexpr int32_t MaxButtons = 10;

    // A new count starts again on page 1.
    void SetCount(int32_t count);
    int32_t Count() const { return count_; }
    int32_t PageCount() const { return (count_ - 1) / PerPage + 1; }
    int32_t Page() const { return page_; }

    // MovePage keeps a page within 1..PageCount (a page button never names another).
    void MovePage(int32_t page);
    void TopPage() { MovePage(1); }
    void PreviousPage() { MovePage(page_ > 1 ? page_ - 1 : 1); }
    void NextPage() { MovePage(page_ < PageCount() ? page_ + 1 : PageCount()); }
    void EndPage() { MovePage(PageCount()); }
    // 1 first, 2 previous, 3 next, 4 last; other codes do nothing.
    void PageMove(int32_t code);

    // The single number shown in slot k (1..10) of the current page, also beyond the count.
    int32_t SlotNumber(int32_t slot) const { return (page_ - 1) * PerPage + slot; }
    bool InRange(int32_t number) const { return number >= 1 && number <= count_; }

    // page + "/" + page count.
    std::string PageLabel() const;
    // The page buttons shown: pages 1 to min(page count, 10), none when they are hidden.
    int32_t VisibleButtons(bool blnButtonVisible) const;
    static std::string ButtonCaption(int32_t page) { return std::to_string(page) + "枚目"; }

    // A click on a cell in edit mode: the three cells of the match are cleared and the one
    // clicked set to 2 in `singles` (single n is element n - 1). Nothing for a slot beyond
    // the count or a number that names no cell.
    std::optional<SingleEdit> EditCell(std::vector<MultiMarks>& singles, int32_t cellNumber) const;

  private:
    int32_t count_ = 0;
    int32_t page_ = 1;
};

}  // namespace brenvik
