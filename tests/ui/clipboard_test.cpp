#include <QClipboard>
#include <QGuiApplication>

#include "UiFixture.h"
#include "ui/toolkit/QtClipboard.h"

namespace brenvik::ui {
namespace {

using QtClipboardTest = test::UiTest;

TEST_F(QtClipboardTest, PlacesTheTextWithPlatformLineEndsAndClears) {
    QtClipboard adapter;
    clipboard().setText("[第1回 toto]\r\n01 鹿島 vs 浦和 : 1\r\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              "[第1回 toto]\n01 鹿島 vs 浦和 : 1\n");
    clipboard().clear();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

}  // namespace
}  // namespace brenvik::ui
