#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

#include "UiFixture.h"
#include "ui/frmLoadQel.h"
#include "ui/frmMain.h"
#include "ui/frmOption.h"

namespace brenvik::ui {
namespace {

// Pictures of the windows for a person to look at; the test checks only that they exist.
QString save(QWidget& w, const char* name) {
    w.show();
    QApplication::processEvents();
    QDir().mkpath(QStringLiteral(BRENVIK_SCREENSHOT_DIR));
    const QString path = QStringLiteral(BRENVIK_SCREENSHOT_DIR "/%1.png").arg(name);
    EXPECT_TRUE(w.grab().save(path)) << path.toStdString();
    return path;
}

class ScreenshotTest : public test::UiTest {};

TEST_F(ScreenshotTest, JapaneseFontsAreSubstituted) {
    // Without the substitution Latin text would come out in DejaVu and kana in a fallback.
    EXPECT_EQ(QFontInfo(QApplication::font()).family().toStdString(), "IPAPGothic");
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("ＭＳ ゴシック"))).family().toStdString(),
              "IPAGothic");
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("ＭＳ 明朝"))).family().toStdString(), "IPAMincho");
}

TEST_F(ScreenshotTest, MainWindow) {
    frmMain w;
    save(w, "frmMain");
    // The open File menu shows the item captions and shortcuts.
    QMenu* file = w.menu().mnuFile;
    file->popup(w.mapToGlobal(QPoint(0, 0)));
    QApplication::processEvents();
    save(*file, "frmMain_menuFile");
    file->hide();
    QMenu* view = w.menu().mnuView;
    view->popup(w.mapToGlobal(QPoint(0, 0)));
    QApplication::processEvents();
    save(*view, "frmMain_menuView");
    view->hide();
}

TEST_F(ScreenshotTest, OptionDialog) {
    frmOption d;
    save(d, "frmOption");
}

TEST_F(ScreenshotTest, LoadingWindow) {
    frmLoadQel w;
    w.ShowNow();
    EXPECT_TRUE(w.isVisible());
    auto* notice = w.findChild<QLabel*>("lblCopyright");
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->text().startsWith(QStringLiteral("Copyright (C) 2026 Talvenmoore")));
    save(w, "frmLoadQel");
}

}  // namespace
}  // namespace brenvik::ui
