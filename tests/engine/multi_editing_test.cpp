// Clicks on the mark sheet: which marks they leave and which events they raise.
#include <gtest/gtest.h>

#include "engine/clsDrawMultiMenu.h"
#include "multi_support.h"

namespace brenvik {
namespace {

using test::cellsOf;
using test::EventLog;
using test::kChanged;
using test::kReshaped;
using test::MatchCells;
using test::setCells;

const std::vector<std::string> kNothing{};

struct ClickCase {
    const char* name;
    int32_t selectMode;
    bool markLeft;
    MatchCells before;
    int32_t outcome;
    int32_t button;
    uint8_t menuChoice;  // right click on the prediction: 0 closes the menu
    MatchCells after;
    const std::vector<std::string>& events;
};

const ClickCase kClicks[] = {
    // Plain left clicks toggle a 対抗 mark; any role is cleared.
    {"ToggleMarksEmptyCell", 0, false, {0, 0, 0}, 1, MouseLeft, 0, {2, 0, 0}, kReshaped},
    {"ToggleClearsHonmei", 0, false, {1, 2, 0}, 1, MouseLeft, 0, {0, 2, 0}, kReshaped},
    {"ToggleClearsAna", 0, false, {1, 0, 3}, 2, MouseLeft, 0, {1, 0, 0}, kReshaped},
    {"ToggleAddsThirdAsTaikou", 0, false, {1, 3, 0}, 2, MouseLeft, 0, {1, 3, 2}, kReshaped},
    // MarkLeft: marks in click order become 本命, 対抗, 穴.
    {"InOrderFirstIsHonmei", 0, true, {0, 0, 0}, 0, MouseLeft, 0, {0, 1, 0}, kReshaped},
    {"InOrderSecondIsTaikou", 0, true, {0, 1, 0}, 2, MouseLeft, 0, {0, 1, 2}, kReshaped},
    {"InOrderThirdIsAna", 0, true, {0, 1, 2}, 1, MouseLeft, 0, {3, 1, 2}, kReshaped},
    {"InOrderSecondBesidePlainMark", 0, true, {0, 2, 0}, 1, MouseLeft, 0, {2, 2, 0}, kReshaped},
    {"InOrderThirdDemotesOtherAna", 0, true, {0, 1, 3}, 1, MouseLeft, 0, {3, 1, 2}, kReshaped},
    {"InOrderClearsMarkedCell", 0, true, {1, 2, 3}, 0, MouseLeft, 0, {1, 0, 3}, kReshaped},
    // Right click: the chosen role; a previous holder of it becomes 対抗.
    {"RoleHonmeiMovesHonmei", 0, false, {1, 2, 0}, 0, MouseRight, 1, {2, 1, 0}, kChanged},
    {"RoleAnaToUnmarkedCell", 0, false, {1, 0, 0}, 2, MouseRight, 3, {1, 0, 3}, kReshaped},
    {"RoleMarksEmptyMatch", 0, true, {0, 0, 0}, 1, MouseRight, 1, {1, 0, 0}, kReshaped},
    {"RoleTaikouOnHonmei", 0, false, {1, 2, 0}, 1, MouseRight, 2, {2, 2, 0}, kChanged},
    {"RoleSameAsBefore", 0, false, {1, 2, 3}, 2, MouseRight, 3, {1, 2, 3}, kChanged},
    {"RoleMenuClosed", 0, false, {1, 2, 0}, 0, MouseRight, 0, {1, 2, 0}, kChanged},
    {"RoleMenuClosedOnEmptyCell", 0, false, {0, 0, 0}, 0, MouseRight, 0, {0, 0, 0}, kChanged},
    // Result multi: one hand-made result per match.
    {"ResultLeftMarks2", 1, false, {0, 0, 0}, 1, MouseLeft, 0, {2, 0, 0}, kReshaped},
    {"ResultRightMarks4", 1, true, {0, 0, 0}, 2, MouseRight, 0, {0, 0, 4}, kReshaped},
    {"ResultMovesToClickedCell", 1, false, {0, 2, 0}, 2, MouseLeft, 0, {0, 0, 2}, kReshaped},
    {"ResultReplacesOfficial", 1, false, {1, 0, 0}, 0, MouseRight, 0, {0, 4, 0}, kReshaped},
    {"ResultClickOnMarkClears", 1, false, {0, 0, 4}, 2, MouseLeft, 0, {0, 0, 0}, kReshaped},
    {"ResultVoidMatchCleared", 1, false, {1, 1, 1}, 0, MouseLeft, 0, {0, 0, 0}, kReshaped},
    // Other buttons do nothing.
    {"MiddleButtonPrediction", 0, false, {1, 0, 0}, 0, 4, 0, {1, 0, 0}, kNothing},
    {"MiddleButtonResult", 1, false, {1, 0, 0}, 0, 4, 0, {1, 0, 0}, kNothing},
};

class MultiClick : public ::testing::TestWithParam<ClickCase> {
  protected:
    test::SettingsScope settings;
};

TEST_P(MultiClick, LeavesMarksAndRaisesEvents) {
    const ClickCase& c = GetParam();
    basIniFile::values().MarkLeft = c.markLeft ? 1 : 0;

    // The clicked match sits among marked neighbours, which must stay as they are.
    MultiMarks start{};
    setCells(start, 6, {1, 2, 3});
    setCells(start, 8, {0, 2, 0});
    setCells(start, 7, c.before);

    clsMulti multi;
    multi.SelectMode(c.selectMode);
    multi.SetMarks(start);
    std::vector<RoleMenuState> menus;
    multi.PopupMenu([&](const RoleMenuState& s) {
        menus.push_back(s);
        return c.menuChoice;
    });
    EventLog log(multi);

    multi.cMulti_MouseDown(c.outcome, 7, c.button, 0);

    MultiMarks expected = start;
    setCells(expected, 7, c.after);
    EXPECT_EQ(multi.GetMarks(), expected);
    EXPECT_EQ(log.take(), c.events);
    const bool menuExpected = c.selectMode == 0 && c.button == MouseRight;
    EXPECT_EQ(menus.size(), menuExpected ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Rules, MultiClick, ::testing::ValuesIn(kClicks),
                         [](const auto& tc) { return std::string(tc.param.name); });

class MultiEditing : public ::testing::Test {
  protected:
    test::SettingsScope settings;
    clsMulti multi;
};

TEST_F(MultiEditing, ToggleTwiceRestoresAndReportsEachTime) {
    basIniFile::values().MarkLeft = 0;
    MultiMarks start{};
    setCells(start, 1, {1, 0, 3});
    multi.SetMarks(start);
    EventLog log(multi);

    multi.cMulti_MouseDown(0, 1, MouseLeft, 0);
    EXPECT_EQ(cellsOf(multi.GetMarks(), 1), (MatchCells{1, 2, 3}));
    EXPECT_EQ(log.take(), kReshaped);
    multi.cMulti_MouseDown(0, 1, MouseLeft, 0);
    EXPECT_EQ(multi.GetMarks(), start);
    EXPECT_EQ(log.take(), kReshaped);
}

TEST_F(MultiEditing, InOrderAfterClearingHonmeiLeavesNoHonmei) {
    basIniFile::values().MarkLeft = 1;
    for (int32_t outcome : {1, 0}) multi.cMulti_MouseDown(outcome, 4, MouseLeft, 0);
    EXPECT_EQ(cellsOf(multi.GetMarks(), 4), (MatchCells{1, 2, 0}));
    multi.cMulti_MouseDown(1, 4, MouseLeft, 0);  // clears the 本命
    multi.cMulti_MouseDown(2, 4, MouseLeft, 0);  // second mark of the match
    EXPECT_EQ(cellsOf(multi.GetMarks(), 4), (MatchCells{0, 2, 2}));
}

TEST_F(MultiEditing, CellsOutsideTheSheetAreIgnored) {
    MultiMarks start{};
    setCells(start, 13, {2, 0, 0});
    multi.SetMarks(start);
    multi.PopupMenu([](const RoleMenuState&) -> uint8_t { return 1; });
    EventLog log(multi);
    for (int32_t mode : {0, 1})
        for (int32_t button : {MouseLeft, MouseRight}) {
            multi.SelectMode(mode);
            multi.cMulti_MouseDown(1, 0, button, 0);
            multi.cMulti_MouseDown(1, 14, button, 0);
            multi.cMulti_MouseDown(3, 5, button, 0);
            multi.cMulti_MouseDown(-1, 5, button, 0);
        }
    EXPECT_EQ(multi.GetMarks(), start);
    EXPECT_TRUE(log.take().empty());
}

TEST_F(MultiEditing, RightClickWithoutMenuWiredChangesNothing) {
    MultiMarks start{};
    setCells(start, 2, {1, 2, 0});
    multi.SetMarks(start);
    EventLog log(multi);
    multi.cMulti_MouseDown(2, 2, MouseRight, 0);
    EXPECT_EQ(multi.GetMarks(), start);
    EXPECT_EQ(log.take(), kChanged);
}

TEST(MultiRoleMenu, TicksTheCellsRoleAndEnablesAllItems) {
    struct Row {
        uint8_t value;
        uint8_t ticked;
    };
    for (const Row row : {Row{0, 0}, Row{1, 1}, Row{2, 2}, Row{3, 3}}) {
        SCOPED_TRACE(int(row.value));
        MultiMarks marks{};
        marks[clsDrawMultiMenu::CellIndex(2, 9)] = row.value;
        clsDrawMultiMenu menu;
        const RoleMenuState state = menu.ShowRoleMenu(2, 9, marks);
        EXPECT_STREQ(state.items[0].caption, "本命");
        EXPECT_STREQ(state.items[1].caption, "対抗(自動)");
        EXPECT_STREQ(state.items[2].caption, "穴");
        int ticks = 0;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(state.items[i].role, i + 1);
            EXPECT_TRUE(state.items[i].enabled);
            ticks += state.items[i].checked;
        }
        EXPECT_EQ(ticks, row.ticked == 0 ? 0 : 1);
        EXPECT_EQ(state.checkedRole(), row.ticked);
        // Opening the menu alone reports no change of shape.
        EXPECT_FALSE(menu.PatternChange());
        EXPECT_EQ(menu.GetMarks(), marks);
    }
}

TEST(MultiRoleMenu, MultiHandsTheMenuTheClickedCell) {
    clsMulti multi;
    MultiMarks start{};
    setCells(start, 5, {0, 3, 1});
    multi.SetMarks(start);
    std::vector<uint8_t> ticked;
    multi.PopupMenu([&](const RoleMenuState& s) {
        ticked.push_back(s.checkedRole());
        return uint8_t{0};
    });
    multi.cMulti_MouseDown(1, 5, MouseRight, 0);
    multi.cMulti_MouseDown(0, 5, MouseRight, 0);
    multi.cMulti_MouseDown(2, 5, MouseRight, 0);
    EXPECT_EQ(ticked, (std::vector<uint8_t>{0, 3, 1}));
}

TEST(MultiDrawMenu, MapsClicksToEditingRules) {
    struct Row {
        int32_t mode;
        int32_t button;
        bool markLeft;
        MultiClickAction action;
    };
    const Row rows[] = {
        {0, MouseLeft, false, MultiClickAction::ToggleMark},
        {0, MouseLeft, true, MultiClickAction::MarkInOrder},
        {0, MouseRight, false, MultiClickAction::ShowRoleMenu},
        {0, MouseRight, true, MultiClickAction::ShowRoleMenu},
        {1, MouseLeft, true, MultiClickAction::MarkResultLeft},
        {1, MouseRight, false, MultiClickAction::MarkResultRight},
        {0, 4, false, MultiClickAction::None},
        {1, 4, true, MultiClickAction::None},
        {2, MouseLeft, false, MultiClickAction::None},
    };
    for (const Row& r : rows)
        EXPECT_EQ(clsDrawMultiMenu::ActionFor(r.mode, r.button, r.markLeft), r.action)
            << "mode " << r.mode << " button " << r.button << " markLeft " << r.markLeft;
}

TEST(MultiDrawMenu, CellIndexFollowsTheMarkLayout) {
    EXPECT_EQ(clsDrawMultiMenu::CellIndex(1, 1), 1);
    EXPECT_EQ(clsDrawMultiMenu::CellIndex(1, 13), 13);
    EXPECT_EQ(clsDrawMultiMenu::CellIndex(0, 1), 14);
    EXPECT_EQ(clsDrawMultiMenu::CellIndex(0, 13), 26);
    EXPECT_EQ(clsDrawMultiMenu::CellIndex(2, 1), 27);
    EXPECT_EQ(clsDrawMultiMenu::CellIndex(2, 13), 39);
    EXPECT_EQ(clsDrawMultiMenu::CellIndex(3, 1), 0);
    EXPECT_EQ(clsDrawMultiMenu::CellIndex(1, 0), 0);
    EXPECT_EQ(clsDrawMultiMenu::CellIndex(2, 14), 0);
}

TEST(MultiDrawMenu, SetRoleWithoutACellOrOutOfRangeChangesNothing) {
    clsDrawMultiMenu menu;
    EXPECT_FALSE(menu.SetRole(1));  // no cell yet
    MultiMarks marks{};
    marks[5] = 2;
    menu.ShowRoleMenu(1, 5, marks);
    for (uint8_t role : {uint8_t{0}, uint8_t{4}}) {
        EXPECT_FALSE(menu.SetRole(role));
        EXPECT_FALSE(menu.PatternChange());
        EXPECT_EQ(menu.GetMarks(), marks);
    }
}

}  // namespace
}  // namespace brenvik
