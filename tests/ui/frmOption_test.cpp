#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <string>
#include <vector>

#include "UiFixture.h"
#include "ui/frmOption.h"

namespace brenvik::ui {
namespace {

struct Box {
    const char* control;
    const char* frame;
    const char* caption;
    uint8_t Settings::*key;
    bool defaultChecked;
};

const std::vector<Box>& optionBoxes() {
    static const std::vector<Box> all = {
        {"chkCopyHeader", "fraCopy", "ヘッダを表示", &Settings::CopyHeader, true},
        {"chkCopyMoney", "fraCopy", "金額を表示", &Settings::CopyMoney, true},
        {"chkCopyGameNo", "fraCopy", "試合番号を表示", &Settings::CopyGameNo, true},
        {"chkCopyGameData", "fraCopy", "試合内容を表示", &Settings::CopyGameData, true},
        {"chkCopyMulti", "fraCopy", "マルチを表示", &Settings::CopyMulti, true},
        {"chkCopyFavorite", "fraCopy", "本命・対抗・穴を表示", &Settings::CopyFavorite, true},
        {"chkCopyFrontRearBracket", "fraCopy", "前後の[ ]を表示", &Settings::CopyFrontRearBracket,
         true},
        {"chkCopyMultiFavorite", "fraCopy", "マルチ本命を表示", &Settings::CopyMultiFavorite,
         false},
        {"chkCopyMark", "fraCopy", "マーク説明を表示", &Settings::CopyMark, true},
        {"chkCopySingleList", "fraCopy", "シングル内容を表示", &Settings::CopySingleList, true},
        {"chkMarkLeft", "fraMark", "左選択時に本命・対抗・穴をマーク", &Settings::MarkLeft, false},
        {"chkConnectionDialog", "fraNet", "インターネット接続時に警告する",
         &Settings::NetConnectionDialog, true},
    };
    return all;
}

class OptionDialogTest : public test::UiTest {
  protected:
    static QCheckBox* box(frmOption& d, const char* name) {
        return d.findChild<QCheckBox*>(QString::fromUtf8(name));
    }
    static void click(frmOption& d, const char* button) {
        d.findChild<QPushButton*>(QString::fromUtf8(button))->click();
    }
    // Every key set against its default, so each box shows that it was read and written.
    static void invertDefaults() {
        for (const Box& b : optionBoxes()) basIniFile::values().*b.key = b.defaultChecked ? 0 : 1;
    }
};

TEST_F(OptionDialogTest, LayoutAndCaptions) {
    frmOption d;
    EXPECT_EQ(d.windowTitle().toStdString(), " オプション");
    EXPECT_EQ(d.findChild<QGroupBox*>("fraCopy")->title().toStdString(),
              "クリップボードへコピー(&C)");
    EXPECT_EQ(d.findChild<QGroupBox*>("fraMark")->title().toStdString(), "マーク方法(&M)");
    EXPECT_EQ(d.findChild<QGroupBox*>("fraNet")->title().toStdString(), "ネットワーク(&N)");
    for (const Box& b : optionBoxes()) {
        QCheckBox* c = box(d, b.control);
        ASSERT_NE(c, nullptr) << b.control;
        EXPECT_EQ(c->text().toStdString(), b.caption);
        EXPECT_EQ(c->parentWidget()->objectName().toStdString(), b.frame) << b.control;
    }
    EXPECT_EQ(d.findChildren<QCheckBox*>().size(), 12);
    EXPECT_EQ(d.findChild<QPushButton*>("cmdOK")->text().toStdString(), "OK");
    EXPECT_EQ(d.findChild<QPushButton*>("cmdCancel")->text().toStdString(), "キャンセル");
    EXPECT_EQ(d.findChild<QPushButton*>("cmdFormat")->text().toStdString(), "初期値に戻す");
}

TEST_F(OptionDialogTest, BoxesShowTheKeysAndOkStoresThem) {
    invertDefaults();
    frmOption d;
    for (const Box& b : optionBoxes()) EXPECT_EQ(box(d, b.control)->isChecked(), !b.defaultChecked);
    // Flip every box back, then OK.
    for (const Box& b : optionBoxes()) box(d, b.control)->setChecked(b.defaultChecked);
    click(d, "cmdOK");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    for (const Box& b : optionBoxes())
        EXPECT_EQ(basIniFile::values().*b.key, b.defaultChecked ? 1 : 0) << b.control;
    EXPECT_FALSE(folder.exists("SysData/Brenvik.ini"));  // the file waits for the close
}

TEST_F(OptionDialogTest, CancelKeepsTheKeys) {
    invertDefaults();
    frmOption d;
    for (const Box& b : optionBoxes()) box(d, b.control)->setChecked(b.defaultChecked);
    click(d, "cmdCancel");
    EXPECT_EQ(d.result(), QDialog::Rejected);
    for (const Box& b : optionBoxes())
        EXPECT_EQ(basIniFile::values().*b.key, b.defaultChecked ? 0 : 1) << b.control;
}

TEST_F(OptionDialogTest, FormatSetsOnlyTheBoxesToTheDefaults) {
    invertDefaults();
    frmOption d;
    d.show();
    click(d, "cmdFormat");
    EXPECT_TRUE(d.isVisible());  // the dialog stays open
    for (const Box& b : optionBoxes()) {
        EXPECT_EQ(box(d, b.control)->isChecked(), b.defaultChecked) << b.control;
        EXPECT_EQ(basIniFile::values().*b.key, b.defaultChecked ? 0 : 1) << b.control;
    }
    click(d, "cmdOK");
    for (const Box& b : optionBoxes())
        EXPECT_EQ(basIniFile::values().*b.key, b.defaultChecked ? 1 : 0) << b.control;
}

}  // namespace
}  // namespace brenvik::ui
