#include "files/clsFileMulti.h"

#include <exception>

#include "app/Classic.h"
#include "app/RuntimeError.h"
#include "app/Utf8.h"
#include "app/clsFileSystemObject.h"
#include "files/TextFile.h"

namespace brenvik {
namespace {

// The match of a key "Multi01" to "Multi13", 0 for any other key.
int matchOfKey(const std::string& key) {
    if (key.size() != 7 || key.compare(0, 5, "Multi") != 0) return 0;
    const char a = key[5], b = key[6];
    if (a < '0' || a > '9' || b < '0' || b > '9') return 0;
    const int match = (a - '0') * 10 + (b - '0');
    return match >= 1 && match <= 13 ? match : 0;
}

}  // namespace

bool clsFileMulti::LoadMultiData(const std::string& strFileName) {
    std::string text;
    try {
        clsFileSystemObject fso;
        if (!fso.FileExists(strFileName)) return true;
        text = textfile::readText(fso.GetFullPath(strFileName));
    } catch (const std::exception&) {
        data_ = FileMultiData{};
        report_.message("LoadMultiData", "ファイルの読込に失敗しました。\r\n" + strFileName);
        return false;
    }
    return LoadMultiText(text, strFileName);
}

bool clsFileMulti::LoadMultiText(const std::string& utf8Text, const std::string& strFileName) {
    data_ = FileMultiData{};
    try {
        textfile::LineCursor lines(utf8Text);
        std::string_view line;
        std::string key, value;
        while (lines.next(line)) {
            if (!line.empty() && line.front() == ';') continue;
            if (textfile::isBlank(line) || !textfile::splitKeyValue(line, key, value)) continue;
            if (key == "GameNo") {
                data_.GameNo = classic::toLong(value);
            } else if (key == "PatternID") {
                data_.PatternID = classic::toLong(value);
            } else if (const int match = matchOfKey(key); match != 0) {
                if (utf8::length(value) != 3) continue;
                for (std::size_t k = 0; k < 3; ++k) {
                    const uint8_t state = classic::toByte(utf8::mid(value, k + 1, 1));
                    // The multi knows the states 0 to 3 only; more would break its views.
                    if (state > 3) err::raise(err::Overflow);
                    data_.Marks[k * 13 + static_cast<std::size_t>(match)] = state;
                }
            }
        }
        return true;
    } catch (const std::exception&) {
        data_ = FileMultiData{};
        report_.message("LoadMultiData", "ファイルの読込に失敗しました。\r\n" + strFileName);
    }
    return false;
}

}  // namespace brenvik
