#pragma once
#include <string>
#include <string_view>

namespace brenvik::fullwidth {

// Full-width → half-width in one table: the full-width ASCII forms (digits, Latin letters,
// punctuation), the ideographic blank and a few signs. Everything else is kept.
char32_t toHalfWidth(char32_t c);
std::string toHalfWidth(std::string_view text);

}  // namespace brenvik::fullwidth
