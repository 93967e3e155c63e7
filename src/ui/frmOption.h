#pragma once
#include <QDialog>
#include <vector>

#include "app/basIniFile.h"

class QCheckBox;
class QPushButton;

namespace brenvik::ui {

// The options dialog: the clipboard, marking and network settings as check boxes, one per
// byte key of the settings table. OK writes them into the settings, not into the file.
class frmOption : public QDialog {
    Q_OBJECT
  public:
    // blnTopMost: the main window is kept on top, so the dialog must be too.
    explicit frmOption(QWidget* parent = nullptr, bool blnTopMost = false);

  private:
    void cmdOK_Click();
    void cmdFormat_Click();

    struct Option {
        const basIniFile::KeyInfo* key;
        QCheckBox* box;
    };
    std::vector<Option> options_;
};

}  // namespace brenvik::ui
