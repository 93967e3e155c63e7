#include "payout/NumberFormat.h"

namespace brenvik::NumberFormat {

std::string Thousands(int64_t value) {
    // Work on the unsigned magnitude so that the smallest value has one too.
    const bool negative = value < 0;
    uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    std::string digits;
    int inGroup = 0;
    do {
        if (inGroup == 3) {
            digits += ',';
            inGroup = 0;
        }
        digits += static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
        ++inGroup;
    } while (magnitude != 0);
    if (negative) digits += '-';
    return {digits.rbegin(), digits.rend()};
}

std::string Thousands(Currency value) {
    const int64_t raw = value.raw();
    int64_t whole = raw / Currency::Scale;
    const int64_t fraction = raw % Currency::Scale;
    if (fraction >= Currency::Scale / 2) ++whole;
    if (fraction <= -Currency::Scale / 2) --whole;
    return Thousands(whole);
}

bool ParseThousands(const std::string& text, int64_t& value) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) i = 1;
    if (i == text.size()) return false;
    int64_t v = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ',') continue;
        if (c < '0' || c > '9') return false;
        if (__builtin_mul_overflow(v, 10, &v) || __builtin_add_overflow(v, c - '0', &v))
            return false;
    }
    value = negative ? -v : v;
    return true;
}

std::string FullWidthDigits(int64_t value) {
    std::string out;
    for (const char c : std::to_string(value)) {
        if (c >= '0' && c <= '9') {
            // U+FF10 + digit: EF BC 90..99 in UTF-8.
            out += "\xEF\xBC";
            out += static_cast<char>(0x90 + (c - '0'));
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace brenvik::NumberFormat
