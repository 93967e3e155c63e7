#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include "UiFixture.h"
#include "app/basStandard.h"
#include "ui/frmMain.h"
#include "ui/frmOption.h"
#include "ui/toolkit/PictureButton.h"

namespace brenvik::ui {
namespace {

class MainWindowTest : public test::UiTest {
  protected:
    static std::string tickedSize(const frmMain& w) {
        std::string s;
        for (QAction* a : {w.menu().mnuView_Nomal, w.menu().mnuView_Min, w.menu().mnuView_Mark})
            if (a->isChecked()) s += a->objectName().toStdString();
        return s;
    }
};

TEST_F(MainWindowTest, OpeningAppliesTheStoredViewSize) {
    struct Case {
        int32_t stored;
        int32_t viewSize;
        const char* ticked;
        int32_t storedAfter;
    };
    const Case cases[] = {
        {1, 1, "mnuView_Nomal", 1},
        {2, 2, "mnuView_Min", 2},
        {3, 2, "mnuView_Min", 2},  // a stored mark size opens as the standard size
        {0, 0, "", 0},             // no size command at all
        {7, 0, "", 7},
    };
    for (const Case& c : cases) {
        basIniFile::values().AppViewType = c.stored;
        frmMain w;
        EXPECT_EQ(w.viewState().ViewSize, c.viewSize) << c.stored;
        EXPECT_EQ(tickedSize(w), c.ticked) << c.stored;
        EXPECT_EQ(basIniFile::values().AppViewType, c.storedAfter) << c.stored;
    }
}

TEST_F(MainWindowTest, OpeningSetsTheSwitchesWithoutAVisibleToggle) {
    for (bool on : {false, true}) {
        basIniFile::values().AppVoteGraph = on;
        basIniFile::values().AppVoteGraphText = on;
        basIniFile::values().AppTopWindow = on;
        frmMain w;
        EXPECT_EQ(w.viewState().VoteGraphOn, on);
        EXPECT_EQ(w.menu().mnuView_VoteGraph->isChecked(), on);
        EXPECT_EQ(w.viewState().VoteTextOn, on);
        EXPECT_EQ(w.menu().mnuView_VoteGraphText->isChecked(), on);
        EXPECT_EQ(w.GetTopWindow(), on);
        EXPECT_EQ(w.menu().mnuView_TopWindow->isChecked(), on);
        EXPECT_EQ(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
        // The opening leaves the settings as it found them.
        EXPECT_EQ(basIniFile::values().AppVoteGraph, on);
        EXPECT_EQ(basIniFile::values().AppVoteGraphText, on);
        EXPECT_EQ(basIniFile::values().AppTopWindow, on);
    }
}

TEST_F(MainWindowTest, ViewSwitchesToggleTickAndStore) {
    frmMain w;
    w.show();
    const MainMenu& m = w.menu();
    m.mnuView_VoteGraph->trigger();  // default on, so off now
    EXPECT_FALSE(w.viewState().VoteGraphOn);
    EXPECT_FALSE(m.mnuView_VoteGraph->isChecked());
    EXPECT_FALSE(basIniFile::values().AppVoteGraph);
    m.mnuView_VoteGraphText->trigger();
    EXPECT_TRUE(m.mnuView_VoteGraphText->isChecked());
    EXPECT_TRUE(basIniFile::values().AppVoteGraphText);
    m.mnuView_TopWindow->trigger();
    EXPECT_TRUE(w.GetTopWindow());
    EXPECT_TRUE(basIniFile::values().AppTopWindow);
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(w.isVisible());  // changing the flag must not leave the window hidden
    m.mnuView_TopWindow->trigger();
    EXPECT_FALSE(basIniFile::values().AppTopWindow);
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(m.mnuView_TopWindow->isChecked());
    EXPECT_TRUE(w.isVisible());
}

TEST_F(MainWindowTest, SizeCommandsSetStoreAndIgnoreTheSizeInUse) {
    frmMain w;  // opens in the standard size
    const MainMenu& m = w.menu();
    m.mnuView_Nomal->trigger();
    EXPECT_EQ(w.viewState().ViewSize, 1);
    EXPECT_EQ(basIniFile::values().AppViewType, 1);
    EXPECT_EQ(tickedSize(w), "mnuView_Nomal");

    // Choosing it again changes nothing, not even the setting.
    basIniFile::values().AppViewType = 99;
    m.mnuView_Nomal->trigger();
    EXPECT_EQ(basIniFile::values().AppViewType, 99);
    EXPECT_EQ(tickedSize(w), "mnuView_Nomal");

    m.mnuView_Mark->trigger();
    EXPECT_EQ(w.viewState().ViewSize, 3);
    EXPECT_EQ(basIniFile::values().AppViewType, 3);
    EXPECT_EQ(tickedSize(w), "mnuView_Mark");
    EXPECT_EQ(w.page(), 1);  // the mark size shows the multi page

    m.mnuFile_new->trigger();  // a new prediction leaves the mark size
    EXPECT_EQ(w.viewState().ViewSize, 2);
    EXPECT_EQ(tickedSize(w), "mnuView_Min");
    EXPECT_EQ(w.page(), 0);
}

TEST_F(MainWindowTest, PageButtonsSwitchPages) {
    frmMain w;
    w.show();
    auto* stack = w.findChild<QStackedWidget*>("picPages");
    ASSERT_NE(stack, nullptr);
    EXPECT_EQ(w.page(), 0);
    for (int i : {2, 1, 3, 0}) {
        auto* button = w.findChild<PictureButton*>(QStringLiteral("imgMenu(%1)").arg(i));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(w.page(), i);
        EXPECT_EQ(stack->currentIndex(), i);
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(
                w.findChild<PictureButton*>(QStringLiteral("imgMenu(%1)").arg(j))->isSelected(),
                i == j);
    }
}

TEST_F(MainWindowTest, RoundListPageControls) {
    frmMain w;
    auto* no = w.findChild<QSpinBox*>("txtScheduleNo");
    ASSERT_NE(no, nullptr);
    EXPECT_EQ(no->minimum(), 0);
    EXPECT_EQ(no->maximum(), 9999);
    EXPECT_EQ(no->value(), 0);
    const char* captions[] = {"開催情報", "投票状況", "くじ結果"};
    for (int i = 0; i < 3; ++i) {
        auto* b = w.findChild<QPushButton*>(QStringLiteral("cmdOfficialDownload(%1)").arg(i));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text().toStdString(), captions[i]);
        EXPECT_FALSE(b->isEnabled());
    }
    EXPECT_EQ(w.findChild<QLabel*>("lblOfficialDownload")->text().toStdString(),
              "オフィシャルサイトよりダウンロード");
    EXPECT_EQ(w.findChild<QWidget*>("picMenu")->width(), 70);
}

TEST_F(MainWindowTest, CaptionAtOpening) {
    frmMain w;
    EXPECT_EQ(w.windowTitle().toStdString(), " Talvenmoore  Brenvik ");
    EXPECT_EQ(w.GetLoadFileName(), "");
}

TEST_F(MainWindowTest, ClosingWritesTheSettingsOnce) {
    frmMain w;
    QSignalSpy unloaded(&w, &frmMain::Unloaded);
    w.show();
    w.menu().mnuView_Nomal->trigger();
    EXPECT_FALSE(folder.exists("SysData/Brenvik.ini"));  // nothing is written before the close
    w.menu().mnuFile_End->trigger();
    EXPECT_FALSE(w.isVisible());
    ASSERT_TRUE(folder.exists("SysData/Brenvik.ini"));
    EXPECT_NE(folder.read("SysData/Brenvik.ini").find("AppViewType = 1\r\n"), std::string::npos);
    EXPECT_EQ(unloaded.count(), 1);

    std::filesystem::remove(folder.path() / "SysData/Brenvik.ini");
    w.close();
    EXPECT_FALSE(folder.exists("SysData/Brenvik.ini"));
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainWindowTest, VersionItemShowsNameAndVersion) {
    frmMain w;
    w.menu().mnuHelp_Version->trigger();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::Information);
    EXPECT_EQ(boxes.boxes[0].title, "Brenvik");
    EXPECT_NE(boxes.boxes[0].text.find("Brenvik Version " + basStandard::AppVersionText()),
              std::string::npos);
}

TEST_F(MainWindowTest, OptionsOpenModallyAndOnTopWithTheWindow) {
    for (bool topMost : {false, true}) {
        basIniFile::values().AppTopWindow = topMost;
        frmMain w;
        w.show();
        bool seen = false, onTop = !topMost, modal = false;
        QTimer::singleShot(0, [&] {
            if (auto* dlg = qobject_cast<frmOption*>(QApplication::activeModalWidget())) {
                seen = true;
                modal = dlg->isModal();
                onTop = dlg->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                dlg->reject();
            }
        });
        // A backstop so that a dialog the first timer missed cannot hang the suite.
        QTimer::singleShot(5000, &w, [] {
            if (QWidget* m = QApplication::activeModalWidget()) m->close();
        });
        w.menu().mnuTool_Option->trigger();
        EXPECT_TRUE(seen);
        EXPECT_TRUE(modal);
        EXPECT_EQ(onTop, topMost);
    }
}

}  // namespace
}  // namespace brenvik::ui
