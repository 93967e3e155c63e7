#include "ui/MainMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace brenvik::ui {
namespace {

QMenu* addMenu(QMenuBar& bar, const char* name, const char* caption) {
    QMenu* menu = bar.addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromUtf8(name));
    menu->menuAction()->setObjectName(QString::fromUtf8(name));
    return menu;
}

QMenu* addSubmenu(QMenu& parent, const char* name, const char* caption) {
    QMenu* menu = parent.addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromUtf8(name));
    menu->menuAction()->setObjectName(QString::fromUtf8(name));
    return menu;
}

QAction* addItem(QMenu& menu, const char* name, const char* caption,
                 QKeyCombination shortcut = QKeyCombination()) {
    QAction* action = menu.addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    if (shortcut.key() != Qt::Key_unknown) action->setShortcut(QKeySequence(shortcut));
    return action;
}

QAction* addCheckItem(QMenu& menu, const char* name, const char* caption,
                      QKeyCombination shortcut = QKeyCombination()) {
    QAction* action = addItem(menu, name, caption, shortcut);
    action->setCheckable(true);
    return action;
}

}  // namespace

MainMenu BuildMainMenu(QMenuBar& bar) {
    MainMenu m;

    m.mnuFile = addMenu(bar, "mnuFile", "ファイル(&F)");
    m.mnuFile_new = addItem(*m.mnuFile, "mnuFile_new", "新規作成(&N)");
    m.mnuFile_Open = addItem(*m.mnuFile, "mnuFile_Open", "開く(&O)...", Qt::CTRL | Qt::Key_O);
    m.mnuFile->addSeparator();
    m.mnuFile_SaveAs = addItem(*m.mnuFile, "mnuFile_SaveAs", "名前を付けて保存(&A)...");
    m.mnuFile->addSeparator();
    m.mnuFile_Csv = addSubmenu(*m.mnuFile, "mnuFile_Csv", "CSV ファイル(&C)");
    m.mnuFile_Csv_Open = addItem(*m.mnuFile_Csv, "mnuFile_Csv_Open", "開く(&O)...");
    m.mnuFile_Csv->addSeparator();
    m.mnuFile_Csv_Save = addItem(*m.mnuFile_Csv, "mnuFile_Csv_Save", "保存(&S)...");
    m.mnuFile->addSeparator();
    m.mnuFile_Print = addItem(*m.mnuFile, "mnuFile_Print", "印刷(&P)...", Qt::CTRL | Qt::Key_P);
    m.mnuFile->addSeparator();
    m.mnuFile_End = addItem(*m.mnuFile, "mnuFile_End", "終了(&X)");

    m.mnuView = addMenu(bar, "mnuView", "表示(&V)");
    m.mnuView_VoteGraph =
        addCheckItem(*m.mnuView, "mnuView_VoteGraph", "投票率グラフの表示", Qt::CTRL | Qt::Key_G);
    m.mnuView_VoteGraphText =
        addCheckItem(*m.mnuView, "mnuView_VoteGraphText", "投票率パーセントの表示");
    m.mnuView->addSeparator();
    m.mnuView_Nomal =
        addCheckItem(*m.mnuView, "mnuView_Nomal", "拡大サイズ(&B)", Qt::CTRL | Qt::Key_B);
    m.mnuView_Min = addCheckItem(*m.mnuView, "mnuView_Min", "標準サイズ(&N)", Qt::CTRL | Qt::Key_N);
    m.mnuView_Mark =
        addCheckItem(*m.mnuView, "mnuView_Mark", "マークサイズ(&M)", Qt::CTRL | Qt::Key_M);
    m.mnuView->addSeparator();
    m.mnuView_TopWindow =
        addCheckItem(*m.mnuView, "mnuView_TopWindow", "常に最前面に表示", Qt::CTRL | Qt::Key_T);
    // One size is ticked at a time, and choosing the ticked one must not untick it.
    m.viewSizes = new QActionGroup(m.mnuView);
    m.viewSizes->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (QAction* a : {m.mnuView_Nomal, m.mnuView_Min, m.mnuView_Mark}) m.viewSizes->addAction(a);

    m.mnuData = addMenu(bar, "mnuData", "データ(&D)");
    m.mnuData_OfficialDownload[0] =
        addItem(*m.mnuData, "mnuData_OfficialDownload(0)", "開催情報をダウンロード");
    m.mnuData_OfficialDownload[1] =
        addItem(*m.mnuData, "mnuData_OfficialDownload(1)", "投票状況情報をダウンロード");
    m.mnuData_OfficialDownload[2] =
        addItem(*m.mnuData, "mnuData_OfficialDownload(2)", "結果情報をダウンロード");
    m.mnuData->addSeparator();
    m.mnuData_SetNoGame = addItem(*m.mnuData, "mnuData_SetNoGame", "未開催情報を設定");
    m.mnuData_SetNoGameClear =
        addItem(*m.mnuData, "mnuData_SetNoGameClear", "未開催情報の設定を解除");

    m.mnuTool = addMenu(bar, "mnuTool", "ツール(&T)");
    m.mnuTool_Money = addItem(*m.mnuTool, "mnuTool_Money", "推定配当(&M)...");
    m.mnuTool->addSeparator();
    m.mnuTool_ClipCopy =
        addItem(*m.mnuTool, "mnuTool_ClipCopy", "クリップボードへ予想をコピー(&C)");
    m.mnuTool_OLD = addSubmenu(*m.mnuTool, "mnuTool_OLD", "旧バージョン互換");
    m.mnuTool_PatternChecker =
        addCheckItem(*m.mnuTool_OLD, "mnuTool_PatternChecker", "パターンチェック(&P)...");
    m.mnuTool->addSeparator();
    m.mnuTool_Option = addItem(*m.mnuTool, "mnuTool_Option", "オプション(&O)...");

    m.mnuHelp = addMenu(bar, "mnuHelp", "ヘルプ(&H)");
    m.mnuHelp_Version = addItem(*m.mnuHelp, "mnuHelp_Version", "バージョン情報(&A)...");

    return m;
}

}  // namespace brenvik::ui
