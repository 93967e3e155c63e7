#include "payout/SinglePaging.h"

#include <algorithm>

namespace brenvik {

std::optional<SingleCell> SingleCell::FromNumber(int32_t number) {
    SingleCell c{number / 1000, (number % 1000) / 10, number % 10};
    if (number < 0 || c.slot < 1 || c.slot > 10 || c.match < 1 || c.match > 13 || c.outcome > 2)
        return std::nullopt;
    return c;
}

void SinglePaging::SetCount(int32_t count) {
    count_ = std::max(count, 0);
    page_ = 1;
}

void SinglePaging::MovePage(int32_t page) {
    page_ = std::clamp(page, 1, PageCount());
}

void SinglePaging::PageMove(int32_t code) {
    switch (code) {
        case 1:
            TopPage();
            break;
        case 2:
            PreviousPage();
            break;
        case 3:
            NextPage();
            break;
        case 4:
            EndPage();
            break;
        default:
            break;
    }
}

std::string SinglePaging::PageLabel() const {
    return std::to_string(page_) + "/" + std::to_string(PageCount());
}

int32_t SinglePaging::VisibleButtons(bool blnButtonVisible) const {
    return blnButtonVisible ? std::min(PageCount(), MaxButtons) : 0;
}

std::optional<SingleEdit> SinglePaging::EditCell(std::vector<MultiMarks>& singles,
                                                 int32_t cellNumber) const {
    const auto cell = SingleCell::FromNumber(cellNumber);
    if (!cell) return std::nullopt;
    const int32_t n = SlotNumber(cell->slot);
    if (n < 1 || n > count_ || n > static_cast<int32_t>(singles.size())) return std::nullopt;
    MultiMarks& marks = singles[static_cast<std::size_t>(n - 1)];
    const auto j = static_cast<std::size_t>(cell->match);
    marks[j] = marks[13 + j] = marks[26 + j] = 0;
    // Outcome index 1 is the first row of the layout, 0 the second, 2 the third.
    const std::size_t offset = cell->outcome == 1 ? 0 : cell->outcome == 0 ? 13 : 26;
    marks[offset + j] = 2;
    return SingleEdit{n, cell->match, cell->outcome};
}

}  // namespace brenvik
