#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <string>
#include <vector>

#include "UiFixture.h"
#include "ui/frmMain.h"

namespace brenvik::ui {
namespace {

// One line per entry: indent, object name | caption | shortcut | "check"; "-" a separator.
void describe(const QList<QAction*>& actions, const std::string& indent,
              std::vector<std::string>& out) {
    for (QAction* a : actions) {
        if (a->isSeparator()) {
            out.push_back(indent + "-");
            continue;
        }
        out.push_back(indent + a->objectName().toStdString() + "|" + a->text().toStdString() + "|" +
                      a->shortcut().toString(QKeySequence::PortableText).toStdString() +
                      (a->isCheckable() ? "|check" : ""));
        if (QMenu* sub = a->menu()) describe(sub->actions(), indent + "  ", out);
    }
}

class MainMenuTest : public test::UiTest {};

TEST_F(MainMenuTest, EveryItemWithCaptionShortcutAndSeparators) {
    frmMain w;
    std::vector<std::string> got;
    describe(w.menuBar()->actions(), "", got);
    const std::vector<std::string> expected = {
        "mnuFile|ファイル(&F)|",
        "  mnuFile_new|新規作成(&N)|",
        "  mnuFile_Open|開く(&O)...|Ctrl+O",
        "  -",
        "  mnuFile_SaveAs|名前を付けて保存(&A)...|",
        "  -",
        "  mnuFile_Csv|CSV ファイル(&C)|",
        "    mnuFile_Csv_Open|開く(&O)...|",
        "    -",
        "    mnuFile_Csv_Save|保存(&S)...|",
        "  -",
        "  mnuFile_Print|印刷(&P)...|Ctrl+P",
        "  -",
        "  mnuFile_End|終了(&X)|",
        "mnuView|表示(&V)|",
        "  mnuView_VoteGraph|投票率グラフの表示|Ctrl+G|check",
        "  mnuView_VoteGraphText|投票率パーセントの表示||check",
        "  -",
        "  mnuView_Nomal|拡大サイズ(&B)|Ctrl+B|check",
        "  mnuView_Min|標準サイズ(&N)|Ctrl+N|check",
        "  mnuView_Mark|マークサイズ(&M)|Ctrl+M|check",
        "  -",
        "  mnuView_TopWindow|常に最前面に表示|Ctrl+T|check",
        "mnuData|データ(&D)|",
        "  mnuData_OfficialDownload(0)|開催情報をダウンロード|",
        "  mnuData_OfficialDownload(1)|投票状況情報をダウンロード|",
        "  mnuData_OfficialDownload(2)|結果情報をダウンロード|",
        "  -",
        "  mnuData_SetNoGame|未開催情報を設定|",
        "  mnuData_SetNoGameClear|未開催情報の設定を解除|",
        "mnuTool|ツール(&T)|",
        "  mnuTool_Money|推定配当(&M)...|",
        "  -",
        "  mnuTool_ClipCopy|クリップボードへ予想をコピー(&C)|",
        "  mnuTool_OLD|旧バージョン互換|",
        "    mnuTool_PatternChecker|パターンチェック(&P)...||check",
        "  -",
        "  mnuTool_Option|オプション(&O)...|",
        "mnuHelp|ヘルプ(&H)|",
        "  mnuHelp_Version|バージョン情報(&A)...|",
    };
    EXPECT_EQ(got, expected);
}

TEST_F(MainMenuTest, CommandsNotYetBuiltAreOffTheRestOn) {
    frmMain w;
    const MainMenu& m = w.menu();
    for (QAction* a :
         {m.mnuFile_Open, m.mnuFile_SaveAs, m.mnuFile_Csv_Open, m.mnuFile_Csv_Save, m.mnuFile_Print,
          m.mnuData_OfficialDownload[0], m.mnuData_OfficialDownload[1],
          m.mnuData_OfficialDownload[2], m.mnuData_SetNoGame, m.mnuData_SetNoGameClear,
          m.mnuTool_Money, m.mnuTool_ClipCopy, m.mnuTool_PatternChecker})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    for (QAction* a : {m.mnuFile_new, m.mnuFile_End, m.mnuView_VoteGraph, m.mnuView_VoteGraphText,
                       m.mnuView_Nomal, m.mnuView_Min, m.mnuView_Mark, m.mnuView_TopWindow,
                       m.mnuTool_Option, m.mnuHelp_Version})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
}

}  // namespace
}  // namespace brenvik::ui
