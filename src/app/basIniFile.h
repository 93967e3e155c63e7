#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/Currency.h"

namespace brenvik {

// The application settings of Brenvik.ini, process-wide, one member per key.
struct Settings {
    Currency Version;
    int32_t AppViewType = 0;
    bool AppTopWindow = false;
    bool AppVoteGraph = false;
    bool AppVoteGraphText = false;
    uint8_t CopyHeader = 0;
    uint8_t CopyMoney = 0;
    uint8_t CopyGameNo = 0;
    uint8_t CopyGameData = 0;
    uint8_t CopyMulti = 0;
    uint8_t CopyFavorite = 0;
    uint8_t CopyFrontRearBracket = 0;
    uint8_t CopyMultiFavorite = 0;
    uint8_t CopyMark = 0;
    uint8_t CopySingleList = 0;
    uint8_t MarkLeft = 0;
    uint8_t NetConnectionDialog = 0;
    std::string WindowMoney;
    std::string WindowMoneyColumn;
};

namespace basIniFile {

// The settings table: one row per key, in file order, driving reading, writing and the
// options dialog.
enum class KeyType { Currency, Long, Boolean, Byte, Text };
struct KeyInfo {
    const char* name;
    KeyType type;
    // Exactly one of these points at the member, by type.
    Currency Settings::*currencyMember;
    int32_t Settings::*longMember;
    bool Settings::*booleanMember;
    uint8_t Settings::*byteMember;
    std::string Settings::*textMember;
    // Default that MemoryInitialize gives (Version and the texts have none).
    int32_t defaultValue;
    // Caption of the options dialog's check box for the twelve byte keys, else nullptr.
    const char* optionCaption;
};
const std::vector<KeyInfo>& Keys();

Settings& values();  // the process-wide settings

bool LoadSettings();
bool MemoryInitialize();
bool LoadIniData();
// The reading rules of LoadIniData over text already decoded; the path only names the file in
// the read error message.
bool LoadIniText(const std::string& utf8Text, const std::string& pathForMessages);
bool SaveIniFile();
// The exact file text (UTF-8, CR LF) SaveIniFile writes, before the CP932 conversion.
std::string IniFileText();
std::string IniFilePath();

std::string LongListToString(const std::vector<int32_t>& lngList);
std::vector<int32_t> StringToLongList(const std::string& strText);

}  // namespace basIniFile
}  // namespace brenvik
