#include "official/basTotoSettings.h"

#include "app/AppInfo.h"
#include "app/Classic.h"
#include "app/Messages.h"
#include "app/ProgramFolder.h"
#include "app/RuntimeError.h"
#include "app/clsFileStream.h"
#include "app/clsFileSystemObject.h"
#include "app/clsIniFile.h"
#include "official/OperatorSite.h"

namespace brenvik::basTotoSettings {

namespace {

// The keys after Version, in file order, with their comment lines.
struct TextKey {
    const char* name;
    const char* comment;
    std::string TotoSettings::*member;
};

const TextKey TextKeys[] = {
    {"totoOfficialScheduleUrl", ";totoオフィシャル開催情報URL",
     &TotoSettings::totoOfficialScheduleUrl},
    {"totoOfficialVoteUrl", ";totoオフィシャル投票状況URL", &TotoSettings::totoOfficialVoteUrl},
    {"totoOfficialResultUrl", ";totoオフィシャルくじ結果URL", &TotoSettings::totoOfficialResultUrl},
    {"totoOfficialTotoUrl", ";totoオフィシャルURL(toto)", &TotoSettings::totoOfficialTotoUrl},
    {"totoOfficialTotoGoal3Url", ";totoオフィシャルURL(totoGoal3)",
     &TotoSettings::totoOfficialTotoGoal3Url},
    {"totoOfficialTotoGoal2Url", ";totoオフィシャルURL(totoGoal2)",
     &TotoSettings::totoOfficialTotoGoal2Url},
    {"totoOfficialMiniTotoAUrl", ";totoオフィシャルURL(mini toto-A組)",
     &TotoSettings::totoOfficialMiniTotoAUrl},
    {"totoOfficialMiniTotoBUrl", ";totoオフィシャルURL(mini toto-B組)",
     &TotoSettings::totoOfficialMiniTotoBUrl},
};

TotoSettings defaults() {
    namespace site = operator_site;
    const std::string host = std::string(site::Scheme) + site::Host;
    TotoSettings s;
    s.Version = CurrentVersion;
    s.totoOfficialScheduleUrl = host + site::SchedulePath;
    s.totoOfficialVoteUrl = host + site::VotePath;
    s.totoOfficialResultUrl = host + site::ResultPath;
    s.totoOfficialTotoUrl = site::TotoProduct;
    s.totoOfficialTotoGoal3Url = site::TotoGoal3Product;
    s.totoOfficialTotoGoal2Url = site::TotoGoal2Product;
    s.totoOfficialMiniTotoAUrl = site::MiniTotoAProduct;
    s.totoOfficialMiniTotoBUrl = site::MiniTotoBProduct;
    s.TalvenmooreDownloadUrl = std::string("http://") + MakerHost + MakerFolder;
    return s;
}

void brokenFile() {
    showError(app::Title, std::string(FileName) + "ファイルが破損しています。");
}

}  // namespace

TotoSettings& values() {
    static TotoSettings settings = defaults();
    return settings;
}

void SetTotoSettingsDefaults() {
    values() = defaults();
}

std::string TotoSettingsPath() {
    return programFolder().join(std::string("SysData/") + FileName);
}

void ReadTotoSettings() {
    clsIniFile ini;
    ini.Initialize(TotoSettingsPath());
    if (!ini.Enabled()) {
        // Unreadable: every key keeps its default.
        brokenFile();
        return;
    }
    TotoSettings& s = values();
    try {
        s.Version = classic::toLong(ini.GetItem("Version", "0"));
    } catch (const RuntimeError&) {
        brokenFile();
    }
    for (const TextKey& key : TextKeys) s.*key.member = ini.GetItem(key.name, s.*key.member);
}

std::string TotoSettingsText() {
    const TotoSettings& s = values();
    std::string text;
    const auto line = [&text](const std::string& l) { text += l + "\r\n"; };
    line(std::string(";Talvenmoore Toto Settings Ini File (") + FileName + ")");
    line(std::string(";") + app::LegalCopyright);
    line("");
    line("Version = " + std::to_string(s.Version));
    line("");
    for (const TextKey& key : TextKeys) {
        line(key.comment);
        line(std::string(key.name) + " = " + s.*key.member);
    }
    return text;
}

bool SaveTotoSettings() {
    return clsFileStream().SaveToFile(TotoSettingsPath(), TotoSettingsText());
}

void LoadTotoSettings() {
    SetTotoSettingsDefaults();
    if (clsFileSystemObject().FileExists(TotoSettingsPath())) {
        ReadTotoSettings();
        if (values().Version < CurrentVersion) {
            SetTotoSettingsDefaults();
            SaveTotoSettings();
        }
    } else {
        SaveTotoSettings();
    }
}

}  // namespace brenvik::basTotoSettings
