#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/DateTime.h"

namespace brenvik {

// The text cells of a page as the readers walk them: numbered from 1, and a cell past the
// end is a run-time error (9), which fails the read like any other fault of the page.
class PageCells {
  public:
    explicit PageCells(const std::vector<std::string>& cells) : cells_(cells) {}
    std::size_t size() const { return cells_.size(); }
    const std::string& operator[](std::size_t i) const { return cells_[i - 1]; }
    const std::string& at(std::size_t i) const;

    // n when the cell is exactly one of "1" to "max", otherwise 0.
    static int matchNumber(const std::string& cell, int max);
    // The slot of match n; anything but 1 to 13 is a run-time error (9).
    static std::size_t matchSlot(int n);
    // A date (or date-time) text as the pages write it, the current year when it has none.
    static bool isDate(const std::string& text);
    // Its date part; a text that is no date is a run-time error (13).
    static DateTime dateOf(const std::string& text);
    // The time part of a time or date-time text; anything else is a run-time error (13).
    static DateTime timeOf(const std::string& text);

  private:
    const std::vector<std::string>& cells_;
};

}  // namespace brenvik
