#include "app/basMain.h"

#include <cstdio>
#include <vector>

#include "app/Currency.h"
#include "app/Messages.h"
#include "app/Random.h"
#include "app/Utf8.h"
#include "app/basIniFile.h"
#include "app/basStandard.h"
#include "app/clsFileSystemObject.h"

namespace brenvik::basMain {
namespace {

const ErrorReport report("basMain");

constexpr const char* SysData = "SysData";
constexpr const char* TempFolder = "SysData/Temp";
constexpr const char* ResultFolder = "SysData/toto_Result";

}  // namespace

std::string CheckRequiredFiles() {
    clsFileSystemObject fso;
    if (!fso.FolderExists(SysData)) return "システムデータフォルダ(SysData)が見つかりません";
    for (const char* name :
         {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat", "Qel.dat"}) {
        if (!fso.FileExists(std::string(SysData) + "/" + name))
            return std::string("データファイル(") + name + ")が見つかりません";
    }
    return {};
}

bool Startup(StartupSteps& steps) {
    if (const std::string missing = CheckRequiredFiles(); !missing.empty()) {
        steps.showFatal(missing);
        return false;
    }
    steps.createTeamNames();
    steps.loadSiteSettings();
    steps.createToto();
    Randomize();
    steps.showLoadingWindow();
    basIniFile::LoadSettings();
    if (basIniFile::values().Version == Currency()) MigrateUserData();
    if (!steps.loadPatternLibrary()) {
        steps.closeLoadingWindow();
        return false;
    }
    SetDrawingColors();
    CreateDataFolders();
    CleanTempResults();
    steps.showMainWindow();
    steps.closeLoadingWindow();
    return true;
}

void CreateDataFolders() {
    try {
        clsFileSystemObject fso;
        for (const char* folder : {SysData, TempFolder, "ExData"}) {
            if (!fso.FolderExists(folder) && !fso.FolderCheck(folder)) return;
        }
    } catch (...) {
        // Quietly: a folder that cannot be made shows up where it is needed.
    }
}

void CleanTempResults() {
    try {
        clsFileSystemObject fso;
        const std::string temp = fso.GetFullPath(TempFolder);
        std::vector<std::string> files;
        // The listing takes any name with the prefix; the length rule below picks the round
        // numbers of three and four digits.
        fso.GetFileList(fso.BuildPath(temp, "Brenvik_Result_*.dat"), files, false);
        for (const std::string& name : files) {
            const std::size_t len = utf8::length(name);
            std::string round;
            if (len == 22) round = utf8::mid(name, 16, 3);
            else if (len == 23) round = utf8::mid(name, 16, 4);
            else continue;
            const std::string cached =
                fso.BuildPath(fso.GetFullPath(ResultFolder), "toto_result_" + round + ".xml");
            if (fso.FileExists(cached)) std::remove(fso.BuildPath(temp, name).c_str());
        }
        files.clear();
        // Downloaded result pages: "result_" and up to three characters.
        fso.GetFileList(fso.BuildPath(temp, "result_*.dat"), files, false);
        for (const std::string& name : files) {
            const std::size_t len = utf8::length(name);
            if (len >= 11 && len <= 14) std::remove(fso.BuildPath(temp, name).c_str());
        }
    } catch (const std::exception& e) {
        report.error("CleanTempResults", e);
    }
}

void MigrateUserData() {
    try {
        clsFileSystemObject fso;
        if (!fso.FolderCheck("UserData")) return;
        for (const char* old : {"UserData/QelPrint.csv", "UserData/QelData.qel"}) {
            if (fso.FileExists(old)) std::remove(fso.GetFullPath(old).c_str());
        }
        if (!fso.FolderCheck("UserData/Brenvik")) return;
        std::vector<std::string> files;
        fso.GetFileList("UserData/*", files, true);
        for (const std::string& name : files) {
            const std::string target = "UserData/Brenvik/" + name;
            // A file of that name already in the user folder is never overwritten.
            if (fso.FileExists(target)) continue;
            fso.ShellMove("UserData/" + name, target, true);
        }
    } catch (const std::exception& e) {
        report.error("MigrateUserData", e);
    }
}

void ShowModuleError(const std::string& strModule, const std::string& strProcedure,
                     const std::string& strMessage) {
    ErrorReport(strModule).message(strProcedure, strMessage);
}

}  // namespace brenvik::basMain
