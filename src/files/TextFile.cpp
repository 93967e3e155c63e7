#include "files/TextFile.h"

#include <algorithm>

#include "app/Cp932.h"
#include "app/Utf8.h"
#include "app/clsFileStream.h"

namespace brenvik::textfile {
namespace {

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

bool LineCursor::next(std::string_view& line) {
    const std::size_t n = text_.size();
    if (pos_ >= n) return false;
    std::size_t end = text_.find_first_of("\r\n", pos_);
    if (end == std::string_view::npos) end = n;
    line = text_.substr(pos_, end - pos_);
    pos_ = end + (end + 1 < n && text_[end] == '\r' && text_[end + 1] == '\n' ? 2 : 1);
    return true;
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(' ') == std::string_view::npos;
}

std::string readText(const std::string& strFullPath) {
    std::string bytes = clsFileStream::ReadWholeFile(strFullPath);
    // Large data files are mostly digits: skip the converter when it would change nothing.
    if (isAscii(bytes)) return bytes;
    return cp932::toUtf8(bytes);
}

std::string fromFileBytes(std::string_view bytes) {
    if (isAscii(bytes)) return std::string(bytes);
    return cp932::toUtf8(bytes);
}

std::string toFileBytes(const std::string& utf8Text) {
    if (isAscii(utf8Text)) return utf8Text;
    return cp932::fromUtf8(utf8Text);
}

bool splitKeyValue(std::string_view line, std::string& key, std::string& value) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    key = utf8::trim(line.substr(0, eq));
    value = utf8::trim(line.substr(eq + 1));
    return true;
}

}  // namespace brenvik::textfile
