#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace brenvik::cp932 {

// Windows Japanese code page <-> UTF-8 through glibc iconv ("CP932"), the converter closest to
// Windows. Bytes that are no CP932 become U+FFFD; characters CP932 lacks become "?".
// `errors`, when given, counts the replacements.
std::string toUtf8(std::string_view bytes, std::size_t* errors = nullptr);
std::string fromUtf8(std::string_view text, std::size_t* errors = nullptr);

}  // namespace brenvik::cp932
