#include "lottery/clsTotoData.h"

#include <exception>

#include "app/AppInfo.h"
#include "app/ProgramFolder.h"

namespace brenvik {
namespace {

// Rounds from this one on print the names of TeamName2.dat, earlier ones those of TeamName1.dat.
constexpr int32_t kTeamName2FirstRound = 750;

}  // namespace

clsTotoData::clsTotoData() {
    teamName_.Initialize(programFolder().join("SysData/TeamName.dat"));
    teamName1_.Initialize(programFolder().join("SysData/TeamName1.dat"));
    teamName2_.Initialize(programFolder().join("SysData/TeamName2.dat"));
    teamName3_.Initialize(programFolder().join("SysData/TeamName3.dat"));
    j1j2_.Initialize(programFolder().join("SysData/J1J2.dat"));
}

std::string clsTotoData::GetShortTeamName(const std::string& strLongName, int32_t lngRound) const {
    try {
        if (lngRound == 0) {
            showWarning("GetShortTeamName", "開催回が不明です");
            return {};
        }
        std::string shortName = teamName_.GetKey(strLongName);
        if (shortName.empty()) {
            const clsIniFile& byRound = lngRound < kTeamName2FirstRound ? teamName1_ : teamName2_;
            shortName = byRound.GetKey(strLongName);
        }
        if (shortName.empty() && teamName3_.Enabled()) shortName = teamName3_.GetKey(strLongName);
        if (shortName.empty()) {
            showWarning(app::Title,
                        "チーム名：" + strLongName + " が見つかりません。" + "\r\n" +
                            "最新のチーム名データをダウンロードするかチーム名を追加して下さい。");
        }
        return shortName;
    } catch (const std::exception& e) {
        report_.error("GetShortTeamName", e);
        return {};
    }
}

std::string clsTotoData::GetLongTeamName(const std::string& strShortName) const {
    try {
        return teamName_.GetItem(strShortName, "");
    } catch (const std::exception& e) {
        report_.error("GetLongTeamName", e);
        return {};
    }
}

std::string clsTotoData::GetShortToJ1J2String(const std::string& strShortName,
                                              int32_t lngYear) const {
    try {
        // Every membership text "contains" the empty text; no team has an empty name.
        if (strShortName.empty()) return {};
        for (int league = 1; league <= 3; ++league) {
            const std::string key = std::to_string(lngYear) + "J" + std::to_string(league);
            if (j1j2_.GetItem(key, "").find(strShortName) != std::string::npos)
                return "J" + std::to_string(league);
        }
        return {};
    } catch (const std::exception& e) {
        report_.error("GetShortToJ1J2String", e);
        return {};
    }
}

std::string clsTotoData::GetTeamName2Version() const {
    try {
        return teamName2_.GetItem("Version", "") + "." + teamName2_.GetItem("Revision", "");
    } catch (const std::exception& e) {
        report_.error("GetTeamName2Version", e);
        return {};
    }
}

bool clsTotoData::ExistsLongTeamName(const std::string& strLongName) const {
    try {
        if (teamName_.KeyExists(strLongName)) return true;
        if (teamName2_.KeyExists(strLongName)) return true;
        return teamName3_.Enabled() && teamName3_.KeyExists(strLongName);
    } catch (const std::exception& e) {
        report_.error("ExistsLongTeamName", e);
        return false;
    }
}

}  // namespace brenvik
