#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QWidget>

#include "UiFixture.h"
#include "official/clsWinInet.h"
#include "ui/frmWinInet.h"

namespace brenvik::ui {
namespace {

using WinInetWindowTest = test::UiTest;

TEST_F(WinInetWindowTest, ShowsItsLinesWhileOpenAndHidesWhenClosed) {
    QWidget owner;
    owner.setWindowFlag(Qt::WindowStaysOnTopHint);
    owner.show();
    QtOwnerWindow ownerWindow(&owner);
    frmWinInet progress;
    progress.openFor(&ownerWindow);
    progress.addLine("開催情報をダウンロードしています");
    progress.addLine("接続中");
    progress.appendText(" ... OK");
    progress.setProgress(512, 2048);
    ASSERT_NE(progress.window(), nullptr);
    EXPECT_TRUE(progress.window()->isVisible());
    EXPECT_EQ(progress.window()->windowTitle().toStdString(), DownloadProgressCaption);
    // Topmost with its owner, so it never hides behind a topmost main window.
    EXPECT_TRUE(progress.window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    ASSERT_EQ(progress.lines()->count(), 2);
    EXPECT_EQ(progress.lines()->item(1)->text().toStdString(), "接続中 ... OK");

    QDir().mkpath(QStringLiteral(BRENVIK_SCREENSHOT_DIR));
    EXPECT_TRUE(progress.window()->grab().save(QStringLiteral(BRENVIK_SCREENSHOT_DIR "/frmWinInet.png")));

    progress.close();
    EXPECT_TRUE(progress.window() == nullptr || !progress.window()->isVisible());
}

}  // namespace
}  // namespace brenvik::ui
