#include "app/basIniFile.h"

#include <cstdio>
#include <filesystem>
#include <string_view>

#include "app/AppInfo.h"
#include "app/Classic.h"
#include "app/Cp932.h"
#include "app/Messages.h"
#include "app/ProgramFolder.h"
#include "app/Utf8.h"
#include "app/clsFileStream.h"

namespace brenvik::basIniFile {
namespace {

const ErrorReport report("basIniFile");

constexpr KeyInfo currencyKey(const char* name, Currency Settings::*m) {
    return {name, KeyType::Currency, m, nullptr, nullptr, nullptr, nullptr, 0, nullptr};
}
constexpr KeyInfo longKey(const char* name, int32_t Settings::*m, int32_t def) {
    return {name, KeyType::Long, nullptr, m, nullptr, nullptr, nullptr, def, nullptr};
}
constexpr KeyInfo booleanKey(const char* name, bool Settings::*m, bool def) {
    return {name, KeyType::Boolean, nullptr, nullptr, m, nullptr, nullptr, def ? 1 : 0, nullptr};
}
constexpr KeyInfo byteKey(const char* name, uint8_t Settings::*m, int32_t def,
                          const char* caption) {
    return {name, KeyType::Byte, nullptr, nullptr, nullptr, m, nullptr, def, caption};
}
constexpr KeyInfo textKey(const char* name, std::string Settings::*m) {
    return {name, KeyType::Text, nullptr, nullptr, nullptr, nullptr, m, 0, nullptr};
}

// The version as the file's second line shows it: "1.00", "1.05.3".
std::string versionText() {
    char minor[8];
    std::snprintf(minor, sizeof minor, "%02d", app::VersionMinor);
    std::string s = std::to_string(app::VersionMajor) + "." + minor;
    if (app::VersionRevision > 0) s += "." + std::to_string(app::VersionRevision);
    return s;
}

std::string valueText(const Settings& s, const KeyInfo& k) {
    switch (k.type) {
        case KeyType::Currency:
            // The file holds the writing program's version, not the value read.
            return std::to_string(app::VersionMajor) + "." + std::to_string(app::VersionMinor);
        case KeyType::Long:
            return std::to_string(s.*k.longMember);
        case KeyType::Boolean:
            return classic::booleanText(s.*k.booleanMember);
        case KeyType::Byte:
            return std::to_string(s.*k.byteMember);
        case KeyType::Text:
            return s.*k.textMember;
    }
    return {};
}

// Throws the conversion's RuntimeError for a value of the wrong kind.
void store(Settings& s, const KeyInfo& k, const std::string& value) {
    switch (k.type) {
        case KeyType::Currency:
            s.*k.currencyMember = classic::toCurrency(value);
            break;
        case KeyType::Long:
            s.*k.longMember = classic::toLong(value);
            break;
        case KeyType::Boolean:
            s.*k.booleanMember = classic::toBoolean(value);
            break;
        case KeyType::Byte:
            s.*k.byteMember = classic::toByte(value);
            break;
        case KeyType::Text:
            s.*k.textMember = value;
            break;
    }
}

const KeyInfo* findKey(const std::string& name) {
    for (const auto& k : Keys())
        if (name == k.name) return &k;
    return nullptr;
}

}  // namespace

const std::vector<KeyInfo>& Keys() {
    static const std::vector<KeyInfo> keys = {
        currencyKey("Version", &Settings::Version),
        longKey("AppViewType", &Settings::AppViewType, 2),
        booleanKey("AppTopWindow", &Settings::AppTopWindow, false),
        booleanKey("AppVoteGraph", &Settings::AppVoteGraph, true),
        booleanKey("AppVoteGraphText", &Settings::AppVoteGraphText, false),
        byteKey("CopyHeader", &Settings::CopyHeader, 1, "ヘッダを表示"),
        byteKey("CopyMoney", &Settings::CopyMoney, 1, "金額を表示"),
        byteKey("CopyGameNo", &Settings::CopyGameNo, 1, "試合番号を表示"),
        byteKey("CopyGameData", &Settings::CopyGameData, 1, "試合内容を表示"),
        byteKey("CopyMulti", &Settings::CopyMulti, 1, "マルチを表示"),
        byteKey("CopyFavorite", &Settings::CopyFavorite, 1, "本命・対抗・穴を表示"),
        byteKey("CopyFrontRearBracket", &Settings::CopyFrontRearBracket, 1, "前後の[ ]を表示"),
        byteKey("CopyMultiFavorite", &Settings::CopyMultiFavorite, 0, "マルチ本命を表示"),
        byteKey("CopyMark", &Settings::CopyMark, 1, "マーク説明を表示"),
        byteKey("CopySingleList", &Settings::CopySingleList, 1, "シングル内容を表示"),
        byteKey("MarkLeft", &Settings::MarkLeft, 0, "左選択時に本命・対抗・穴をマーク"),
        byteKey("NetConnectionDialog", &Settings::NetConnectionDialog, 1,
                "インターネット接続時に警告する"),
        textKey("WindowMoney", &Settings::WindowMoney),
        textKey("WindowMoneyColumn", &Settings::WindowMoneyColumn),
    };
    return keys;
}

Settings& values() {
    static Settings settings;
    return settings;
}

std::string IniFilePath() {
    return programFolder().join("SysData/Brenvik.ini");
}

bool LoadSettings() {
    MemoryInitialize();
    LoadIniData();
    return true;
}

bool MemoryInitialize() {
    try {
        Settings& s = values();
        for (const auto& k : Keys()) {
            switch (k.type) {
                case KeyType::Long:
                    s.*k.longMember = k.defaultValue;
                    break;
                case KeyType::Boolean:
                    s.*k.booleanMember = k.defaultValue != 0;
                    break;
                case KeyType::Byte:
                    s.*k.byteMember = static_cast<uint8_t>(k.defaultValue);
                    break;
                case KeyType::Currency:
                case KeyType::Text:
                    break;  // no default: Version stays 0, the texts empty
            }
        }
        return true;
    } catch (const std::exception&) {
        report.message("MemoryInitialize", "メモリー初期化に失敗しました。");
    }
    return false;
}

bool LoadIniText(const std::string& utf8Text, const std::string& pathForMessages) {
    std::size_t start = 0;
    const std::size_t n = utf8Text.size();
    while (start < n) {
        // A line ends at CR LF, LF or CR, whichever tool wrote the file.
        std::size_t end = utf8Text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = n;
        const std::string line = utf8Text.substr(start, end - start);
        start = end + (end + 1 < n && utf8Text[end] == '\r' && utf8Text[end + 1] == '\n' ? 2 : 1);

        if (!line.empty() && line.front() == ';') continue;  // tested before any trimming
        const auto eq = line.find('=');
        if (eq == std::string::npos || utf8::trim(line).empty()) continue;
        const KeyInfo* key = findKey(utf8::trim(std::string_view(line).substr(0, eq)));
        if (!key) continue;
        try {
            store(values(), *key, utf8::trim(std::string_view(line).substr(eq + 1)));
        } catch (const std::exception&) {
            report.message("LoadIniData", "ファイルの読込に失敗しました。\r\n" + pathForMessages);
            return false;
        }
    }
    return true;
}

bool LoadIniData() {
    const std::string path = IniFilePath();
    std::string text;
    try {
        std::error_code ec;
        // A folder of that name is no settings file either.
        if (!std::filesystem::is_regular_file(path, ec)) return true;
        text = cp932::toUtf8(clsFileStream::ReadWholeFile(path));
    } catch (const std::exception&) {
        report.message("LoadIniData", "ファイルの読込に失敗しました。\r\n" + path);
        return false;
    }
    return LoadIniText(text, path);
}

std::string IniFileText() {
    const Settings& s = values();
    std::string t;
    auto line = [&t](const std::string& text) { t += text + "\r\n"; };
    line(std::string(";") + app::ProductName + " (" + app::ExeName + ")");
    line(";Version " + versionText());
    line(std::string(";") + app::LegalCopyright);
    line(";");
    // Section lines are comments: the reader sees one flat name space.
    struct Section {
        const char* firstKey;
        const char* header;
    };
    static constexpr Section sections[] = {{"Version", ";[App]"},
                                           {"CopyHeader", ";[Copy]"},
                                           {"MarkLeft", ";[Mark]"},
                                           {"NetConnectionDialog", ";[Net]"},
                                           {"WindowMoney", ";[Window]"}};
    bool first = true;
    for (const auto& k : Keys()) {
        for (const auto& sec : sections) {
            if (std::string_view(k.name) != sec.firstKey) continue;
            if (!first) line("");
            line(sec.header);
        }
        first = false;
        line(std::string(k.name) + " = " + valueText(s, k));
    }
    return t;
}

bool SaveIniFile() {
    const std::string path = IniFilePath();
    try {
        clsFileStream::WriteFileReplacing(path, cp932::fromUtf8(IniFileText()));
        return true;
    } catch (const std::exception&) {
        report.message("SaveIniFile", "ファイルの保存に失敗しました。\r\n" + path);
    }
    return false;
}

std::string LongListToString(const std::vector<int32_t>& lngList) {
    std::string s;
    for (std::size_t i = 0; i < lngList.size(); ++i) {
        if (i) s += ',';
        s += std::to_string(lngList[i]);
    }
    return s;
}

std::vector<int32_t> StringToLongList(const std::string& strText) {
    std::vector<int32_t> list;
    if (strText.empty()) return list;  // no pieces at all, as the classic split gives
    std::size_t start = 0;
    while (true) {
        const auto comma = strText.find(',', start);
        const std::string piece = strText.substr(start, comma - start);
        int32_t v = 0;
        try {
            v = classic::toLong(piece);
        } catch (const std::exception&) {
            v = 0;  // not a number (or out of range): 0
        }
        list.push_back(v);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return list;
}

}  // namespace brenvik::basIniFile
