#include <QApplication>

#include "UiFixture.h"
#include "app/basMain.h"
#include "ui/ProgramObjects.h"
#include "ui/ProgramStartup.h"
#include "ui/frmLoadQel.h"
#include "ui/frmMain.h"

namespace brenvik::ui {
namespace {

class ProgramStartupTest : public test::UiTest {
  protected:
    static bool loadingWindowOpen() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<frmLoadQel*>(w) && w->isVisible()) return true;
        return false;
    }
};

TEST_F(ProgramStartupTest, OpensTheMainWindowAndClosesTheLoadingWindow) {
    folder.copyShippedSysData();
    SharedToto().reset();
    ProgramStartup steps;
    ASSERT_TRUE(basMain::Startup(steps));
    ASSERT_NE(steps.mainWindow(), nullptr);
    EXPECT_TRUE(steps.mainWindow()->isVisible());
    EXPECT_FALSE(loadingWindowOpen());
    EXPECT_TRUE(SharedToto().has_value());
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ProgramStartupTest, MissingDataFileEndsWithOneErrorBox) {
    folder.copyShippedSysData();
    std::filesystem::remove(folder.path() / "SysData/J1J2.dat");
    ProgramStartup steps;
    EXPECT_FALSE(basMain::Startup(steps));
    EXPECT_EQ(steps.mainWindow(), nullptr);
    EXPECT_FALSE(loadingWindowOpen());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(boxes.boxes[0].title, "Brenvik");
    EXPECT_EQ(boxes.boxes[0].text, "データファイル(J1J2.dat)が見つかりません");
}

TEST_F(ProgramStartupTest, BrokenPatternLibraryStopsBeforeTheMainWindow) {
    folder.copyShippedSysData();
    // A pattern line whose ID is no number cannot be read.
    folder.write("SysData/Qel.dat", "PatternList, 1, A, B\r\nD01T00,1,x,1:2:3:4:5,1,10000,-,@\r\n");
    ProgramStartup steps;
    EXPECT_FALSE(basMain::Startup(steps));
    EXPECT_EQ(steps.mainWindow(), nullptr);
    EXPECT_FALSE(loadingWindowOpen());
    ASSERT_FALSE(boxes.boxes.empty());
    EXPECT_EQ(boxes.boxes.back().text,
              (folder.path() / "SysData/Qel.dat").string() + "ファイルが壊れています");
    EXPECT_FALSE(folder.exists("ExData"));
}

}  // namespace
}  // namespace brenvik::ui
