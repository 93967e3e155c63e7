#include "engine/clsDrawMultiMenu.h"

#include "engine/clsMulti.h"

namespace brenvik {

namespace {

// The three cells of a match in sheet order 1, 0, 2.
std::array<int, 3> matchCells(int32_t match) {
    return {clsDrawMultiMenu::CellIndex(1, match), clsDrawMultiMenu::CellIndex(0, match),
            clsDrawMultiMenu::CellIndex(2, match)};
}

}  // namespace

uint8_t RoleMenuState::checkedRole() const {
    for (const auto& item : items)
        if (item.checked) return item.role;
    return 0;
}

int clsDrawMultiMenu::CellIndex(int32_t outcome, int32_t match) {
    if (match < 1 || match > 13) return 0;
    switch (outcome) {
        case 1:
            return match;
        case 0:
            return 13 + match;
        case 2:
            return 26 + match;
        default:
            return 0;
    }
}

MultiClickAction clsDrawMultiMenu::ActionFor(int32_t selectMode, int32_t button, bool markLeft) {
    if (selectMode == 0) {
        if (button == MouseLeft)
            return markLeft ? MultiClickAction::MarkInOrder : MultiClickAction::ToggleMark;
        if (button == MouseRight) return MultiClickAction::ShowRoleMenu;
    } else if (selectMode == 1) {
        if (button == MouseLeft) return MultiClickAction::MarkResultLeft;
        if (button == MouseRight) return MultiClickAction::MarkResultRight;
    }
    return MultiClickAction::None;
}

bool clsDrawMultiMenu::begin(int32_t outcome, int32_t match, const MultiMarks& marks) {
    marks_ = marks;
    outcome_ = outcome;
    match_ = match;
    const bool valid = CellIndex(outcome, match) != 0;
    patternChange_ = valid;
    return valid;
}

int clsDrawMultiMenu::markedInMatch() const {
    int count = 0;
    for (int cell : matchCells(match_))
        if (marks_[cell] != 0) ++count;
    return count;
}

bool clsDrawMultiMenu::ToggleMark(int32_t outcome, int32_t match, const MultiMarks& marks) {
    if (!begin(outcome, match, marks)) return false;
    auto& cell = marks_[CellIndex(outcome, match)];
    cell = cell != 0 ? 0 : RoleTaikou;
    return true;
}

bool clsDrawMultiMenu::MarkInOrder(int32_t outcome, int32_t match, const MultiMarks& marks) {
    if (!begin(outcome, match, marks)) return false;
    auto& cell = marks_[CellIndex(outcome, match)];
    if (cell != 0) {
        cell = 0;
        return true;
    }
    return SetRole(static_cast<uint8_t>(1 + markedInMatch()));
}

bool clsDrawMultiMenu::MarkResult(int32_t outcome, int32_t match, const MultiMarks& marks,
                                  uint8_t value) {
    if (!begin(outcome, match, marks)) return false;
    const int clicked = CellIndex(outcome, match);
    const uint8_t before = marks_[clicked];
    for (int cell : matchCells(match)) marks_[cell] = 0;
    marks_[clicked] = before != 0 ? 0 : value;
    return true;
}

RoleMenuState clsDrawMultiMenu::ShowRoleMenu(int32_t outcome, int32_t match,
                                             const MultiMarks& marks) {
    const bool valid = begin(outcome, match, marks);
    patternChange_ = false;
    const uint8_t current = valid ? marks_[CellIndex(outcome, match)] : 0;
    return RoleMenuState{{{
        {"本命", RoleHonmei, current == RoleHonmei, valid},
        {"対抗(自動)", RoleTaikou, current == RoleTaikou, valid},
        {"穴", RoleAna, current == RoleAna, valid},
    }}};
}

bool clsDrawMultiMenu::SetRole(uint8_t role) {
    const int clicked = CellIndex(outcome_, match_);
    if (clicked == 0 || role < RoleHonmei || role > RoleAna) {
        patternChange_ = false;
        return false;
    }
    const MultiSummary before = clsMulti::Summary(marks_);
    for (int cell : matchCells(match_))
        if (marks_[cell] == role) marks_[cell] = RoleTaikou;
    marks_[clicked] = role;
    patternChange_ = clsMulti::ShapeDiffers(before, clsMulti::Summary(marks_));
    return true;
}

}  // namespace brenvik
