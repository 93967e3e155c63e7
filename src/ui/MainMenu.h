#pragma once
#include <array>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

namespace brenvik::ui {

// The main window's menu bar; every action is named after its menu item.
struct MainMenu {
    QMenu* mnuFile = nullptr;
    QAction* mnuFile_new = nullptr;
    QAction* mnuFile_Open = nullptr;
    QAction* mnuFile_SaveAs = nullptr;
    QMenu* mnuFile_Csv = nullptr;
    QAction* mnuFile_Csv_Open = nullptr;
    QAction* mnuFile_Csv_Save = nullptr;
    QAction* mnuFile_Print = nullptr;
    QAction* mnuFile_End = nullptr;

    QMenu* mnuView = nullptr;
    QAction* mnuView_VoteGraph = nullptr;
    QAction* mnuView_VoteGraphText = nullptr;
    QAction* mnuView_Nomal = nullptr;
    QAction* mnuView_Min = nullptr;
    QAction* mnuView_Mark = nullptr;
    QAction* mnuView_TopWindow = nullptr;
    QActionGroup* viewSizes = nullptr;

    QMenu* mnuData = nullptr;
    std::array<QAction*, 3> mnuData_OfficialDownload{};
    QAction* mnuData_SetNoGame = nullptr;
    QAction* mnuData_SetNoGameClear = nullptr;

    QMenu* mnuTool = nullptr;
    QAction* mnuTool_Money = nullptr;
    QAction* mnuTool_ClipCopy = nullptr;
    QMenu* mnuTool_OLD = nullptr;
    QAction* mnuTool_PatternChecker = nullptr;
    QAction* mnuTool_Option = nullptr;

    QMenu* mnuHelp = nullptr;
    QAction* mnuHelp_Version = nullptr;
};

// Fills the menu bar with the main window's menus and returns their actions.
MainMenu BuildMainMenu(QMenuBar& bar);

}  // namespace brenvik::ui
