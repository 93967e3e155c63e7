#pragma once
#include <string>

namespace brenvik::basMain {

// The steps of the start-up that belong to layers above this one (team names, the lottery
// object, the pattern library, the windows). The program and the command line implement them.
class StartupSteps {
public:
    virtual ~StartupSteps() = default;
    // A failed check: an error box with the program title, then the program ends.
    virtual void showFatal(const std::string& text) = 0;
    // Step 7: create the team-name store and call its CheckVersion.
    virtual void createTeamNames() = 0;
    // Step 8: the site settings.
    virtual void loadSiteSettings() = 0;
    // Step 9: the shared lottery object.
    virtual void createToto() = 0;
    // Step 11: show the loading window and paint it at once.
    virtual void showLoadingWindow() = 0;
    // Step 14: false when the library could not be read (its own message has been shown).
    virtual bool loadPatternLibrary() = 0;
    virtual void closeLoadingWindow() = 0;
    // Step 16: show the main window (the loading window is closed right after).
    virtual void showMainWindow() = 0;
};

// Runs the start-up in its documented order. true when the main window was shown.
bool Startup(StartupSteps& steps);

// Steps 1 to 6 alone: the first missing folder or file's message, or empty text.
std::string CheckRequiredFiles();

void CreateDataFolders();
void CleanTempResults();
void MigrateUserData();

// The module error report (module, procedure, message); without a message nothing pending is
// known here, so callers with an exception use ErrorReport::error.
void ShowModuleError(const std::string& strModule, const std::string& strProcedure,
                     const std::string& strMessage);

}  // namespace brenvik::basMain
