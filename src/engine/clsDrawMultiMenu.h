#pragma once

#include <array>
#include <cstdint>

#include "engine/MultiTypes.h"

namespace brenvik {

// Mouse buttons as the sheet view reports them.
inline constexpr int32_t MouseLeft = 1;
inline constexpr int32_t MouseRight = 2;

// Roles of a marked cell of the prediction multi.
inline constexpr uint8_t RoleHonmei = 1;  // 本命
inline constexpr uint8_t RoleTaikou = 2;  // 対抗, also a plain mark
inline constexpr uint8_t RoleAna = 3;     // 穴

// What a mouse-down on a cell does, by selection mode, button and the MarkLeft setting.
enum class MultiClickAction {
    None,
    ToggleMark,
    MarkInOrder,
    ShowRoleMenu,
    MarkResultLeft,   // result multi, value 2
    MarkResultRight,  // result multi, value 4
};

// One item of the role popup, in menu order.
struct RoleMenuItem {
    const char* caption;
    uint8_t role;
    bool checked;
    bool enabled;
};

// The role popup as it opens: the item of the cell's current role is ticked.
struct RoleMenuState {
    std::array<RoleMenuItem, 3> items;
    // The ticked role, 0 when the cell is not marked.
    uint8_t checkedRole() const;
};

// The mark-editing rules of the sheet: each edit works on a private copy of the marks, which
// the multi takes back with GetMarks, and tells through PatternChange whether the shape of
// the multi (singles, doubles, triples) may have changed.
class clsDrawMultiMenu {
  public:
    // Byte index of a cell in MultiMarks for outcome code 1/0/2 and match 1..13; 0 when out of
    // range.
    static int CellIndex(int32_t outcome, int32_t match);
    static MultiClickAction ActionFor(int32_t selectMode, int32_t button, bool markLeft);

    // Each returns false (marks copied, nothing changed, no PatternChange) for a cell out of
    // range.
    bool ToggleMark(int32_t outcome, int32_t match, const MultiMarks& marks);
    bool MarkInOrder(int32_t outcome, int32_t match, const MultiMarks& marks);
    bool MarkResult(int32_t outcome, int32_t match, const MultiMarks& marks, uint8_t value);
    // Prepares the popup for the cell; the view shows it and calls SetRole for a chosen item.
    // Closing it without a choice leaves marks and PatternChange (false) as they are.
    RoleMenuState ShowRoleMenu(int32_t outcome, int32_t match, const MultiMarks& marks);
    // Gives the last cell the role 1..3; the previous holder of that role in the match
    // becomes a plain 対抗 mark.
    bool SetRole(uint8_t role);

    const MultiMarks& GetMarks() const { return marks_; }
    bool PatternChange() const { return patternChange_; }

  private:
    bool begin(int32_t outcome, int32_t match, const MultiMarks& marks);
    int markedInMatch() const;

    MultiMarks marks_{};
    int32_t outcome_ = 0;
    int32_t match_ = 0;
    bool patternChange_ = false;
};

}  // namespace brenvik
