#pragma once
#include <cstdint>
#include <string>

namespace brenvik {

// The site settings of totoSettings.ini, process-wide, one member per key.
struct TotoSettings {
    int32_t Version = 0;
    std::string totoOfficialScheduleUrl;
    std::string totoOfficialVoteUrl;
    std::string totoOfficialResultUrl;
    std::string totoOfficialTotoUrl;
    std::string totoOfficialTotoGoal3Url;
    std::string totoOfficialTotoGoal2Url;
    std::string totoOfficialMiniTotoAUrl;
    std::string totoOfficialMiniTotoBUrl;
    // The maker's download folder (ends in "/"). Not a key of the file: the defaults set it,
    // tests point it elsewhere.
    std::string TalvenmooreDownloadUrl;
};

namespace basTotoSettings {

inline constexpr const char* FileName = "totoSettings.ini";
inline constexpr int32_t CurrentVersion = 1;
// The maker's download site: plain HTTP, a host of our own, the folder of the files.
inline constexpr const char* MakerHost = "www.talvenmoore.example";
inline constexpr const char* MakerFolder = "/download/2021/";

TotoSettings& values();  // the process-wide site settings

// Start-up: defaults; read the file when it exists and rewrite it when outdated (Version
// below 1); write it when missing.
void LoadTotoSettings();
void SetTotoSettingsDefaults();
void ReadTotoSettings();
bool SaveTotoSettings();
// The exact text SaveTotoSettings writes (UTF-8, CR LF), before the CP932 conversion.
std::string TotoSettingsText();
// The full path of the file in SysData.
std::string TotoSettingsPath();

}  // namespace basTotoSettings
}  // namespace brenvik
