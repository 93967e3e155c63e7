#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QListWidget>
#include <QProgressBar>

#include <filesystem>
#include <fstream>

#include "support/Recorders.h"
#include "ui/toolkit/QtBusyPointer.h"
#include "ui/toolkit/QtProgressLog.h"
#include "ui/toolkit/QtShell.h"
#include "ui/toolkit/QtText.h"

namespace brenvik::ui {
namespace {

TEST(QtText, MessageLineBreaks) {
    EXPECT_EQ(messageText("ファイルの保存に失敗しました。\r\n/x/SysData/Brenvik.ini").toStdString(),
              "ファイルの保存に失敗しました。\n/x/SysData/Brenvik.ini");
    EXPECT_EQ(messageText("a\r\nb\r\n").toStdString(), "a\nb\n");
}

TEST(QtBusyPointer, NestsAndRestores) {
    QtBusyPointer busy;
    setBusyPointer(&busy);
    {
        BusyScope outer;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        { BusyScope inner; }
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    busy.end();  // an extra end pops nothing
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    setBusyPointer(nullptr);
}

TEST(QtProgressLog, ShowsLinesAndBar) {
    QtProgressLog log;
    log.open("ダウンロード");
    ASSERT_NE(log.window(), nullptr);
    EXPECT_TRUE(log.window()->isVisible());
    EXPECT_EQ(log.window()->windowTitle().toStdString(), "ダウンロード");
    log.addLine("接続中...");
    log.addLine("受信中...");
    auto* lines = log.window()->findChild<QListWidget*>("lstProgress");
    auto* bar = log.window()->findChild<QProgressBar*>("barProgress");
    ASSERT_EQ(lines->count(), 2);
    EXPECT_EQ(lines->item(1)->text().toStdString(), "受信中...");
    EXPECT_FALSE(bar->isVisibleTo(log.window()));
    // Counts beyond int still show the right share.
    log.setProgress(3'000'000'000LL, 6'000'000'000LL);
    EXPECT_TRUE(bar->isVisibleTo(log.window()));
    EXPECT_EQ(bar->value(), 500);
    log.setProgress(0, 0);
    EXPECT_FALSE(bar->isVisibleTo(log.window()));
    log.close();
    EXPECT_FALSE(log.window()->isVisible());
    log.open("次");
    EXPECT_EQ(lines->count(), 0);  // a new job starts with an empty list
    log.close();
}

TEST(QtShell, StartsAndWaitsForPrograms) {
    test::TempProgramFolder folder;
    QtShell shell;
    const auto marker = folder.path() / "done";
    EXPECT_TRUE(shell.start("/bin/sh -c \"sleep 0.2; touch '" + marker.string() + "'\"", true));
    EXPECT_TRUE(std::filesystem::exists(marker));  // waited for the end
    EXPECT_FALSE(shell.start("/nonexistent/program", true));
    EXPECT_FALSE(shell.start("", false));
}

TEST(QtShell, OpenRunsAProgramWithItsParametersAndRefusesMissingFiles) {
    test::TempProgramFolder folder;
    QtShell shell;
    const auto script = folder.path() / "viewer.sh";
    {
        std::ofstream f(script);
        f << "#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/seen\"\n";
    }
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    EXPECT_TRUE(shell.open(script.string(), "\"a b.txt\"", 1, true));
    EXPECT_EQ(folder.read("seen"), "a b.txt\n");
    EXPECT_FALSE(shell.open((folder.path() / "missing.txt").string(), "", 1, false));
    EXPECT_FALSE(shell.open("", "", 1, false));
}

}  // namespace
}  // namespace brenvik::ui
