#include "official/clsTalvenmooreDownload.h"

#include "app/Classic.h"
#include "app/Cp932.h"
#include "app/ProgramFolder.h"
#include "app/RuntimeError.h"
#include "app/Utf8.h"
#include "app/clsFileStream.h"
#include "lottery/clsTotoData.h"
#include "official/basTotoSettings.h"

namespace brenvik {

namespace {

const char* const Title = " Talvenmoore";
const char* const Subject = "海外チーム名";
const char* const TableFile = "TeamName2.dat";

void information(const std::string& text) {
    showInformation(Title, text);
}
void failure(const std::string& text) {
    showWarning(Title, text);
}

}  // namespace

int64_t clsTalvenmooreDownload::VersionNumber(const std::string& strVersion) {
    const std::size_t dot = strVersion.find('.');
    if (dot == std::string::npos) return 0;
    const std::string major = utf8::trim(strVersion.substr(0, dot));
    const std::string minor = utf8::trim(strVersion.substr(dot + 1));
    if (major.empty() || minor.empty()) return 0;
    // Only whole numbers count; anything else is an unknown version.
    const auto whole = [](const std::string& t) {
        return t.find_first_not_of("0123456789") == std::string::npos && t.size() <= 9;
    };
    if (!whole(major) || !whole(minor)) return 0;
    return int64_t{classic::toLong(major)} * 1000 + classic::toLong(minor);
}

bool clsTalvenmooreDownload::ParseVersionList(
    const std::string& strText, std::vector<std::pair<std::string, std::string>>& lstItems) {
    lstItems.clear();
    if (strText.find("[VersionEnd]") == std::string::npos) return false;
    std::size_t start = 0;
    while (start <= strText.size()) {
        // Lines end in CR LF; a bare LF is taken as well.
        std::size_t end = strText.find('\n', start);
        if (end == std::string::npos) end = strText.size();
        std::string raw = strText.substr(start, end - start);
        start = end + 1;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        const std::string line = utf8::trim(raw);
        if (line.empty() || line.rfind("//", 0) == 0 || line.front() == ';') continue;
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        std::string name = utf8::trim(line.substr(0, eq));
        std::string value = utf8::trim(line.substr(eq + 1));
        if (name.empty() || value.empty()) continue;
        lstItems.emplace_back(std::move(name), std::move(value));
    }
    return true;
}

std::string clsTalvenmooreDownload::GetItem(const std::string& strKey,
                                            const std::string& strDefault) const {
    if (strKey.empty()) return strDefault;
    for (const auto& [name, value] : list_)
        if (utf8::equalsIgnoreCase(name, strKey)) return value;
    return strDefault;
}

void clsTalvenmooreDownload::downloadFailure(const std::string& strCause) const {
    failure("インターネットよりダウンロードに失敗しました。\r\n" + strCause);
}

bool clsTalvenmooreDownload::CheckText(const std::string& strText) const {
    if (strText.empty()) {
        downloadFailure("原因：サイトが見つかりません");
        return false;
    }
    if (strText.find("The requested URL was not found on this server") != std::string::npos) {
        downloadFailure("原因：アドレスが見つかりません");
        return false;
    }
    return true;
}

bool clsTalvenmooreDownload::GetFileVersion(OwnerWindow* objOwnerForm) {
    try {
        list_.clear();
        net_.ProgressDialogMessage("ファイルバージョン取得中 (Talvenmoore)");
        std::string text;
        if (net_.Connection())
            text = net_.GetHttpDataString(
                basTotoSettings::values().TalvenmooreDownloadUrl + "version.dat", "", objOwnerForm,
                0);
        if (!CheckText(text)) return false;
        if (!ParseVersionList(text, list_)) {
            downloadFailure("原因：ダウンロード内容(version.dat)が異常です");
            return false;
        }
        return true;
    } catch (const RuntimeError& e) {
        report_.error("GetFileVersion", e);
    } catch (const std::exception& e) {
        report_.error("GetFileVersion", e);
    }
    list_.clear();
    return false;
}

bool clsTalvenmooreDownload::GetTeamName2(OwnerWindow* objOwnerForm) {
    try {
        net_.ProgressDialogMessage("海外チーム名取得中 (Talvenmoore)");
        std::string bytes;
        if (net_.Connection())
            net_.GetHttpData(basTotoSettings::values().TalvenmooreDownloadUrl + TableFile, bytes,
                             "", objOwnerForm);
        const std::string text = cp932::toUtf8(bytes);
        if (!CheckText(text)) return false;
        if (text.find("[End]") == std::string::npos) {
            downloadFailure(std::string("原因：") + TableFile + " が異常です");
            return false;
        }
        // The bytes as they came: a decode and encode would not give every CP932 code back.
        // The write replaces the installed table only once the new one is complete.
        return clsFileStream().SaveToBinaryFile(
            programFolder().join(std::string("SysData/") + TableFile), bytes);
    } catch (const RuntimeError& e) {
        report_.error("GetTeamName2", e);
    } catch (const std::exception& e) {
        report_.error("GetTeamName2", e);
    }
    return false;
}

bool clsTalvenmooreDownload::DownloadTeamName2(OwnerWindow* objOwnerForm, bool blnDQuestion) {
    if (!DownloadQuestion(Subject, blnDQuestion, true)) return false;
    if (list_.empty() && !GetFileVersion(objOwnerForm)) return false;

    const int64_t remote = VersionNumber(GetItem(TableFile, ""));
    if (remote == 0) {
        failure("海外チーム名のバージョン取得に失敗しました。");
        return false;
    }
    const int64_t local = VersionNumber(clsTotoData().GetTeamName2Version());
    if (local == 0) {
        failure("海外チーム名のバージョンが不明です。");
        return false;
    }
    if (remote < local) {
        failure("海外チーム名のバージョンが異常です。");
        return false;
    }
    if (remote == local) {
        information("海外チーム名の情報は最新です。");
        return true;
    }
    if (!GetTeamName2(objOwnerForm)) return false;
    information("海外チーム名を最新版に更新しました。");
    return true;
}

}  // namespace brenvik
