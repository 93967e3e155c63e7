#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace brenvik::utf8 {

// Character-wise text helpers: a "character" is one code point, not one byte. Positions are
// 1-based as the classic string functions count them. Invalid bytes count as one character each.

std::vector<char32_t> decode(std::string_view text);
std::string encode(const std::vector<char32_t>& chars);
std::string encode(char32_t c);
bool isValid(std::string_view text);
// Invalid bytes replaced by U+FFFD.
std::string sanitize(std::string_view text);

std::size_t length(std::string_view text);
std::string left(std::string_view text, std::size_t count);
std::string right(std::string_view text, std::size_t count);
// `count` characters from the 1-based `start`; npos = to the end.
std::string mid(std::string_view text, std::size_t start, std::size_t count = std::string::npos);
// 1-based character position of `what` at or after character `start`, 0 when absent.
std::size_t find(std::string_view text, std::string_view what, std::size_t start = 1);

// Blanks (U+0020) removed at both ends / the left / the right.
std::string trim(std::string_view text);
std::string trimLeft(std::string_view text);
std::string trimRight(std::string_view text);

// Right-aligned (padded with blanks on the left) or left-aligned in `width` characters;
// longer text stays whole.
std::string padLeft(std::string_view text, std::size_t width);
std::string padRight(std::string_view text, std::size_t width);

// ASCII letters only, as the classic case-insensitive comparisons do for this program's texts.
std::string toLowerAscii(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
bool startsWithIgnoreCase(std::string_view text, std::string_view prefix);

}  // namespace brenvik::utf8
