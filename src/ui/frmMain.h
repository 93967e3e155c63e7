#pragma once
#include <QMainWindow>
#include <array>
#include <cstdint>
#include <string>

#include "ui/MainMenu.h"
#include "ui/MainViewState.h"

class QLabel;
class QPushButton;
class QSpinBox;
class QStackedWidget;

namespace brenvik::ui {

class PictureButton;

// The main window: owns the run's working state, switches its four pages and routes the
// commands of its menu. Closing it saves the settings and ends the program.
class frmMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Dialogs stay above the window while it is kept on top.
    bool GetTopWindow() const { return view_.TopMost; }
    // The file-name part of the file last loaded or saved.
    std::string GetLoadFileName() const;

    int32_t page() const { return Page; }
    const MainViewState& viewState() const { return view_; }
    const MainMenu& menu() const { return menu_; }

    void imgMenu_Click(int intIndex);

  signals:
    // The window has closed and saved the settings: the program ends.
    void Unloaded();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildBody();
    QWidget* BuildRoundListPage();
    void ConnectMenu();
    void ApplyOpeningSettings();

    void ShowPage();
    void UpdateCaption();
    void ViewSizeCommand(int32_t lngSize);
    void SetViewOld(int32_t lngSize);
    void ApplyTopMost();

    void mnuFile_new_Click();
    void mnuView_VoteGraph_Click();
    void mnuView_VoteGraphText_Click();
    void mnuView_TopWindow_Click();
    void mnuTool_Option_Click();
    void mnuHelp_Version_Click();

    MainMenu menu_;
    MainViewState view_;
    int32_t Page = 0;
    bool SingleMode = false;
    std::string TitleBase;
    std::string FileName;
    std::string UserFolder;
    bool unloaded_ = false;

    QWidget* picMain = nullptr;
    QWidget* picMenu = nullptr;
    std::array<PictureButton*, 4> imgMenu{};
    QStackedWidget* pages_ = nullptr;
    QWidget* picGameList = nullptr;
    QWidget* picMulti = nullptr;
    QWidget* picSingle = nullptr;
    QWidget* picCheckBase = nullptr;
    QSpinBox* txtScheduleNo = nullptr;
    std::array<QPushButton*, 3> cmdOfficialDownload{};
    QPushButton* cmdTalvenmooreDownload = nullptr;
};

}  // namespace brenvik::ui
