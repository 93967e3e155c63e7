#include "ui/ProgramStartup.h"

#include <QCoreApplication>

#include "app/AppInfo.h"
#include "app/Messages.h"
#include "engine/clsQelFile.h"
#include "lottery/clsTotoData.h"
#include "official/basTotoSettings.h"
#include "ui/ProgramObjects.h"
#include "ui/frmLoadQel.h"
#include "ui/frmMain.h"
#include "ui/frmWinInet.h"

namespace brenvik::ui {

ProgramStartup::ProgramStartup() = default;
ProgramStartup::~ProgramStartup() = default;

void ProgramStartup::showFatal(const std::string& text) {
    showError(app::Title, text);
}

void ProgramStartup::createTeamNames() {
    // The store reads its tables on construction; the readers of team names make their own.
    clsTotoData teamNames;
    teamNames.CheckVersion();
}

void ProgramStartup::loadSiteSettings() {
    basTotoSettings::LoadTotoSettings();
    // The downloads that use these addresses show their lines in the one progress window.
    frmWinInet::install();
}

void ProgramStartup::createToto() {
    SharedToto().emplace();
}

void ProgramStartup::showLoadingWindow() {
    loading_ = std::make_unique<frmLoadQel>();
    loading_->ShowNow();
}

bool ProgramStartup::loadPatternLibrary() {
    return clsQelFile().GetAllData();
}

void ProgramStartup::closeLoadingWindow() {
    if (!loading_) return;
    loading_->close();
    loading_.reset();
}

void ProgramStartup::showMainWindow() {
    main_ = std::make_unique<frmMain>();
    // Closing the main window ends the program, whatever other windows are still open.
    QObject::connect(main_.get(), &frmMain::Unloaded, QCoreApplication::instance(),
                     &QCoreApplication::quit, Qt::QueuedConnection);
    main_->show();
}

}  // namespace brenvik::ui
