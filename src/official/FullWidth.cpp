#include "official/FullWidth.h"

#include <array>

#include "app/Utf8.h"

namespace brenvik::fullwidth {

namespace {

// The one table: a run of `count` full-width characters from `from` maps onto the run
// starting at `to`.
struct Run {
    char32_t from;
    char32_t count;
    char32_t to;
};

constexpr std::array<Run, 8> Table{{
    {0xFF01, 0x5E, 0x21},  // ！ … ～ → ! … ~ (digits, Latin letters, punctuation)
    {0x3000, 1, 0x20},     // ideographic blank
    {0xFFE0, 1, 0xA2},     // ￠
    {0xFFE1, 1, 0xA3},     // ￡
    {0xFFE2, 1, 0xAC},     // ￢
    {0xFFE5, 1, 0xA5},     // ￥
    {0x2019, 1, 0x27},     // ’ (the full-width apostrophe of the Japanese code page)
    {0x201D, 1, 0x22},     // ” (its full-width quotation mark)
}};

}  // namespace

char32_t toHalfWidth(char32_t c) {
    for (const Run& run : Table)
        if (c >= run.from && c < run.from + run.count) return run.to + (c - run.from);
    return c;
}

std::string toHalfWidth(std::string_view text) {
    // Most cells are plain ASCII already.
    bool ascii = true;
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii) return std::string(text);
    std::vector<char32_t> chars = utf8::decode(text);
    for (char32_t& c : chars) c = toHalfWidth(c);
    return utf8::encode(chars);
}

}  // namespace brenvik::fullwidth
