#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/Messages.h"
#include "app/basIniFile.h"
#include "engine/MultiTypes.h"
#include "engine/SingleRecord.h"
#include "lottery/clsDeme.h"
#include "official/VoteRecord.h"
#include "payout/clsMoney.h"

namespace brenvik {

enum class ColumnAlignment { Left, Right, Center };

struct MoneyColumn {
    const char* title;
    int32_t width;  // pixels
    ColumnAlignment alignment;
};

// Where the payout window opens and how wide its columns are, from the settings.
struct MoneyWindowPlacement {
    bool applied = false;                             // a stored position was found
    double left = 0, top = 0, width = 0, height = 0;  // twips
    std::array<int32_t, 25> widths{};
};

// The payout window's list as a model a virtual list view reads cell by cell: rows keep
// numbers only and the texts are made when asked for, so a multi of 1,594,323 singles costs
// a few dozen bytes a row. Rows are addressed by their position in the current order; the
// check boxes and the selection belong to the rows and follow them when sorting.
class MoneyListModel {
  public:
    static constexpr int32_t ColumnCount = 25;
    static constexpr int32_t FillerColumn = 24;
    // Index (i - 1) * 3 + k: outcome k (0 draw, 1 home, 2 away) of match i is still possible.
    using ResultFilter = std::array<bool, 39>;

    static const std::array<MoneyColumn, ColumnCount>& Columns();

    // The filter of the result marks of the check page: a match with marks allows exactly
    // its marked outcomes, a match without any allows all three.
    static ResultFilter BuildResultFilter(const MultiMarks& resultMarks);
    static ResultFilter AllPossible();
    // The selection numbers the window lists: the singles, or with none the three reference
    // singles (all draws, all home wins, all away wins).
    static std::vector<int32_t> OpeningSingles(const std::vector<SingleRecord>& singles);

    // False, after the information box, when there is no vote status to estimate from.
    static bool CheckVote(const VoteRecord& vote);
    // " 第" + round + "回 " + as-of "yyyy/mm/dd hh:nn" + " 推定配当".
    static std::string Caption(const VoteRecord& vote);

    // Fills the rows. A vote status that cannot be estimated (a match without votes) throws;
    // singles whose estimate fails show 0 and are reported together, once, after the fill.
    void Fill(const VoteRecord& vote, std::vector<int32_t> singles, const ResultFilter& filter);
    // Fill, with a failure reported as the window's opening error ("ShowForm").
    bool Open(const VoteRecord& vote, std::vector<int32_t> singles, const ResultFilter& filter);
    int32_t MoneyFailures() const { return moneyFailures_; }

    int32_t RowCount() const { return static_cast<int32_t>(order_.size()); }
    std::string Text(int32_t position, int32_t column) const;
    // The numeric value a column sorts by.
    int64_t Value(int32_t position, int32_t column) const;
    // The selection number of the single at a position.
    int32_t SingleNumber(int32_t position) const;

    // A click on a column title: the first sorts ascending, further clicks on the same column
    // alternate descending and ascending, another column starts ascending again. The filler
    // column is ignored. Equal values keep the order of their numbers.
    void ColumnClick(int32_t column);
    int32_t SortColumn() const { return sortColumn_; }
    bool SortDescending() const { return descending_; }

    bool Checked(int32_t position) const;
    void SetChecked(int32_t position, bool value);
    bool Selected(int32_t position) const;
    void SetSelected(int32_t position, bool value);
    void SelectAll();
    void InvertSelection();
    void CheckSelected();
    void UncheckSelected();
    int32_t CheckedCount() const { return checkedCount_; }
    int32_t SelectedCount() const { return selectedCount_; }

    // " パターン総数: " + rows (the text the window opens with).
    std::string InitialStatusText() const;
    // The full status text; `keyCode` is the key being pressed (0 for none): 33 to 40 move
    // the cursor, while they are held the selection count reads "Enter".
    std::string StatusText(int32_t keyCode = 0) const;
    static bool IsNavigationKey(int32_t keyCode) { return keyCode >= 33 && keyCode <= 40; }

    // The ticked rows in the current order, 13 outcomes joined by "," and CR LF each.
    std::string TickedCsv() const;
    // Writes TickedCsv to the file (CP932, replacing it, making folders). With no ticked row
    // the warning box and false.
    bool SaveTicked(const std::string& strFileName) const;
    // "Qel-" + round with at least three digits + ".csv".
    static std::string ProposedFileName(int32_t lngRound);

    // WindowMoney (left, top, width, height) and WindowMoneyColumn (widths by index, negatives
    // skipped). A WindowMoney of fewer than four numbers throws error 9.
    static MoneyWindowPlacement ReadPlacement(const Settings& settings);
    // The window's rectangle rounded to whole twips and the widths of columns 0 to 23.
    static void StorePlacement(Settings& settings, double left, double top, double width,
                               double height, const std::array<int32_t, 25>& widths);

  private:
    struct Row {
        int64_t money[3];
        int32_t no;       // selection number
        uint8_t reach;    // column 17
        uint8_t deme[6];  // columns 18 to 23
        uint8_t flags;    // Checked / Selected bits
    };
    static constexpr uint8_t CheckedBit = 1;
    static constexpr uint8_t SelectedBit = 2;

    const Row& rowAt(int32_t position) const;
    Row& rowAt(int32_t position);
    int64_t rowValue(int32_t index, int32_t column) const;
    void setFlag(int32_t position, uint8_t bit, bool value);

    std::vector<Row> rows_;       // in the order handed in
    std::vector<int32_t> order_;  // row index at each position
    int32_t sortColumn_ = -1;
    bool descending_ = false;
    int32_t checkedCount_ = 0;
    int32_t selectedCount_ = 0;
    int32_t moneyFailures_ = 0;
    ErrorReport report_{"clsMoney"};
};

}  // namespace brenvik
