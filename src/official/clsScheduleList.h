#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/DateTime.h"

namespace brenvik {

class OwnerWindow;

// One row of the round list.
struct ScheduleListRow {
    int32_t Round = 0;
    int32_t Icon = 0;        // ScheduleListIcon
    std::string RoundText;   // "第123回"
    std::string PeriodText;  // sale period, or "開催しません"
    std::string StateText;   // "販売終了", "販売締切まで あと 3日 05時間", …

    bool operator==(const ScheduleListRow&) const = default;
};

// The round list of the first page: every round with a cached schedule, its sale period and
// its state at the present minute, and the row offered to the user. The list view draws the
// rows; this class decides them.
class clsScheduleList {
  public:
    enum Icon : int32_t { SaleEnded = 0, OnSale = 1, NotYetOnSale = 2, NotHeld = 3 };

    struct Column {
        const char* title;
        int32_t width;
        bool rightAligned;
    };
    static constexpr std::array<Column, 3> Columns{
        {{"開催回", 50, true}, {"販売期間", 250, false}, {"販売状況", 150, false}}};

    // Raised with the row index whenever another row becomes selected.
    std::function<void(int32_t)> IndexChange;

    void Initialize(OwnerWindow* objOwnerForm) { owner_ = objOwnerForm; }
    // The round of the row chosen by the last Refresh; 0 when none.
    int32_t NextNo() const;
    void Refresh();
    // Selects the row of the round (and with ScrollFlg scrolls it to the top); false, with
    // every row deselected, when the round has no row.
    bool SetScheduleNo(int32_t lngRound, bool ScrollFlg);
    int32_t IndexToNo(int32_t lngIndex) const;

    // What the view shows.
    const std::vector<ScheduleListRow>& Rows() const { return rows_; }
    int32_t ListCount() const { return static_cast<int32_t>(rows_.size()); }
    int32_t ChosenIndex() const { return chosen_; }
    int32_t SelectedIndex() const { return selected_; }
    int32_t TopIndex() const { return top_; }
    // The view reports a selection made by the user (−1: none).
    void SelectIndex(int32_t lngIndex);

    // "3日 05時間" from now to the target.
    static std::string TimeLeftText(DateTime now, DateTime target);
    // "2009/03/07(土) 13:50 ", "2009/03/01(日) ".
    static std::string DateText(DateTime value);

  private:
    void select(int32_t index);

    OwnerWindow* owner_ = nullptr;
    std::vector<ScheduleListRow> rows_;
    int32_t chosen_ = -1;
    int32_t selected_ = -1;
    int32_t top_ = -1;
};

}  // namespace brenvik
