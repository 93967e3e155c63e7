#pragma once
#include <memory>

#include "app/basMain.h"

namespace brenvik::ui {

class frmLoadQel;
class frmMain;

// The program's part of the start-up: its boxes and windows.
class ProgramStartup final : public basMain::StartupSteps {
  public:
    ProgramStartup();
    ~ProgramStartup() override;

    void showFatal(const std::string& text) override;
    void createTeamNames() override;
    void loadSiteSettings() override;
    void createToto() override;
    void showLoadingWindow() override;
    bool loadPatternLibrary() override;
    void closeLoadingWindow() override;
    void showMainWindow() override;

    frmMain* mainWindow() const { return main_.get(); }

  private:
    std::unique_ptr<frmLoadQel> loading_;
    std::unique_ptr<frmMain> main_;
};

}  // namespace brenvik::ui
