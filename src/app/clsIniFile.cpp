#include "app/clsIniFile.h"

#include "app/Utf8.h"
#include "app/clsFileStream.h"

namespace brenvik {

void clsIniFile::Initialize(const std::string& strFileName) {
    fileName_ = strFileName;
    enabled_ = false;
    pairs_.clear();
    clsFileStream stream;
    stream.ErrMessage(false);  // a missing optional file passes silently
    std::string text;
    if (!stream.LoadFromFile(strFileName, text)) return;
    InitializeFromText(text);
}

void clsIniFile::InitializeFromText(const std::string& strText) {
    enabled_ = false;
    pairs_.clear();
    std::string_view text(strText);
    if (const auto nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
    // Only CR LF ends a line: a lone LF or CR stays inside the line.
    std::size_t start = 0;
    while (start <= text.size()) {
        auto end = text.find("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string line = utf8::trim(text.substr(start, end - start));
        start = end + 2;
        if (line.empty() || line.rfind("//", 0) == 0 || line.front() == ';') continue;
        const auto eq = line.find('=');
        std::string name = utf8::trim(std::string_view(line).substr(0, eq));
        std::string value = eq == std::string::npos
                                ? std::string()
                                : utf8::trim(std::string_view(line).substr(eq + 1));
        if (!name.empty() && !value.empty()) pairs_.emplace_back(std::move(name), std::move(value));
    }
    enabled_ = true;
}

bool clsIniFile::ItemExists(const std::string& strKey) const {
    if (!enabled_) {
        report_.notInitialized("ItemExists");
        return false;
    }
    for (const auto& [name, value] : pairs_)
        if (utf8::equalsIgnoreCase(name, strKey)) return true;
    return false;
}

std::string clsIniFile::GetItem(const std::string& strKey, const std::string& strDefault) const {
    if (!enabled_) {
        report_.notInitialized("GetItem");
        return {};
    }
    if (strKey.empty()) return strDefault;
    for (const auto& [name, value] : pairs_)
        if (utf8::equalsIgnoreCase(name, strKey)) return value;
    return strDefault;
}

bool clsIniFile::KeyExists(const std::string& strItem) const {
    if (!enabled_) {
        report_.notInitialized("KeyExists");
        return false;
    }
    for (const auto& [name, value] : pairs_)
        if (utf8::equalsIgnoreCase(value, strItem)) return true;
    return false;
}

std::string clsIniFile::GetKey(const std::string& strItem) const {
    if (!enabled_) {
        report_.notInitialized("GetKey");
        return {};
    }
    for (const auto& [name, value] : pairs_)
        if (utf8::equalsIgnoreCase(value, strItem)) return name;
    return {};
}

}  // namespace brenvik
