#include "files/clsFileSingle.h"

#include <exception>

#include "app/Classic.h"
#include "app/RuntimeError.h"
#include "app/clsFileStream.h"
#include "app/clsFileSystemObject.h"
#include "files/TextFile.h"

namespace brenvik {
namespace {

// One field as an outcome: the common one-digit form directly, the rest by the classic
// conversion (blanks around, "+1", "1.0" ...).
uint8_t outcomeOf(std::string_view piece) {
    int32_t value;
    if (piece.size() == 1 && piece[0] >= '0' && piece[0] <= '9')
        value = piece[0] - '0';
    else
        value = classic::toLong(piece);
    // Any other value would break the marks, the selection numbers and printing later on.
    if (value < 0 || value > 2) err::raise(err::Overflow);
    return static_cast<uint8_t>(value);
}

SingleRecord singleOf(std::string_view line) {
    SingleRecord s;
    std::size_t start = 0;
    for (int k = 1; k <= 13; ++k) {
        const std::size_t comma = line.find(',', start);
        const bool last = comma == std::string_view::npos;
        if (last != (k == 13)) err::raise(err::SubscriptOutOfRange);  // not 13 fields
        const std::size_t end = last ? line.size() : comma;
        s.Outcome[static_cast<std::size_t>(k)] = outcomeOf(line.substr(start, end - start));
        start = end + 1;
    }
    return s;
}

}  // namespace

bool clsFileSingle::LoadCsvData(const std::string& strFileName) {
    std::string text;
    try {
        clsFileSystemObject fso;
        if (!fso.FileExists(strFileName)) return true;
        text = textfile::readText(fso.GetFullPath(strFileName));
    } catch (const std::exception&) {
        count_ = 0;
        singles_.clear();
        report_.message("LoadCsvData", "ファイルの読込に失敗しました。\r\n" + strFileName);
        return false;
    }
    return LoadCsvText(text, strFileName);
}

bool clsFileSingle::LoadCsvText(const std::string& utf8Text, const std::string& strFileName) {
    count_ = 0;
    singles_.clear();
    try {
        textfile::LineCursor lines(utf8Text);
        std::string_view line;
        while (lines.next(line)) {
            if (!line.empty() && line.front() == ';') continue;
            if (textfile::isBlank(line)) continue;
            singles_.push_back(singleOf(line));
        }
        count_ = static_cast<int32_t>(singles_.size());
        return true;
    } catch (const std::exception&) {
        count_ = 0;
        singles_.clear();
        report_.message("LoadCsvData", "ファイルの読込に失敗しました。\r\n" + strFileName);
    }
    return false;
}

std::string clsFileSingle::CsvText(const std::vector<SingleRecord>& singles, int32_t lngCount) {
    if (lngCount < 0 || static_cast<std::size_t>(lngCount) > singles.size())
        err::raise(err::SubscriptOutOfRange);
    std::string text;
    text.reserve(static_cast<std::size_t>(lngCount) * 27);
    for (int32_t i = 0; i < lngCount; ++i) {
        const SingleRecord& s = singles[static_cast<std::size_t>(i)];
        for (std::size_t k = 1; k <= 13; ++k) {
            if (k > 1) text += ',';
            const uint8_t o = s.Outcome[k];
            if (o < 10)
                text += static_cast<char>('0' + o);
            else
                text += std::to_string(o);
        }
        text += "\r\n";
    }
    return text;
}

bool clsFileSingle::SinglesSave(const std::string& strFileName, bool /*blnWarningMsg*/,
                                const std::vector<SingleRecord>& singles, int32_t lngCount) {
    try {
        const std::string path = clsFileSystemObject().GetFullPath(strFileName);
        clsFileStream::WriteFileReplacing(path, CsvText(singles, lngCount));
        return true;
    } catch (const std::exception&) {
        report_.message("SinglesSave", "ファイル保存に失敗しました。\r\n" + strFileName);
    }
    return false;
}

}  // namespace brenvik
