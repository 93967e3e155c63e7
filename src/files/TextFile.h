#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace brenvik::textfile {

// The lines of a decoded text. A line ends at CR LF, LF or CR, whichever tool wrote the
// file; a last line without its end counts, an end at the very end adds no empty line.
class LineCursor {
  public:
    explicit LineCursor(std::string_view text) : text_(text) {}
    bool next(std::string_view& line);

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Empty or only blanks.
bool isBlank(std::string_view line);

// A file's text (CP932 on disk) as UTF-8; RuntimeError 53 when absent, 75 and the like when
// unreadable.
std::string readText(const std::string& strFullPath);
// CP932 bytes as UTF-8; ASCII passes through untouched.
std::string fromFileBytes(std::string_view bytes);
// The CP932 bytes of a text; ASCII passes through untouched.
std::string toFileBytes(const std::string& utf8Text);

// The key before the first "=" and the value after it, each trimmed of blanks; false
// without "=".
bool splitKeyValue(std::string_view line, std::string& key, std::string& value);

}  // namespace brenvik::textfile
