#include "app/Classic.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "app/RuntimeError.h"
#include "app/Utf8.h"

namespace brenvik::classic {
namespace {

std::string_view trimBlanks(std::string_view s) {
    std::size_t i = 0, n = s.size();
    while (i < n && (s[i] == ' ' || s[i] == '\t')) ++i;
    while (n > i && (s[n - 1] == ' ' || s[n - 1] == '\t')) --n;
    return s.substr(i, n - i);
}

std::optional<double> parseRadix(std::string_view s, int radix) {
    if (s.empty() || s.size() > 22) return std::nullopt;
    unsigned long long v = 0;
    for (char c : s) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return std::nullopt;
        if (d >= radix) return std::nullopt;
        v = v * static_cast<unsigned>(radix) + static_cast<unsigned>(d);
        if (v > 0xFFFFFFFFULL) return std::nullopt;
    }
    // Up to 8 hex digits the value is a signed 32-bit pattern (&HFFFFFFFF = -1).
    if (v > 0x7FFFFFFFULL) return static_cast<double>(static_cast<int64_t>(v) - 0x100000000LL);
    if (v > 0x7FFF && v <= 0xFFFF && s.size() <= 4)
        return static_cast<double>(static_cast<int64_t>(v) - 0x10000);
    return static_cast<double>(v);
}

// The decimal shape: sign, digits with an optional "." fraction, optional exponent. Checked
// first so that strtod's own extensions (hex, inf, nan) never apply.
bool isDecimalShape(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == s.size();
}

}  // namespace

std::optional<double> parseNumber(std::string_view text) {
    const std::string_view s = trimBlanks(text);
    if (s.empty()) return std::nullopt;
    if (s.size() > 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') return parseRadix(s.substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o') return parseRadix(s.substr(2), 8);
        return std::nullopt;
    }
    if (!isDecimalShape(s)) return std::nullopt;
    const std::string copy(s);
    const double v = std::strtod(copy.c_str(), nullptr);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

bool isNumeric(std::string_view text) {
    return parseNumber(text).has_value();
}

double toDouble(std::string_view text) {
    const auto v = parseNumber(text);
    if (!v) {
        // A well-formed number too large for a double is an overflow, not a mismatch.
        if (isDecimalShape(trimBlanks(text))) err::raise(err::Overflow);
        err::raise(err::TypeMismatch);
    }
    return *v;
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

int32_t toLong(double value) {
    const double r = roundHalfEven(value);
    if (!(r >= std::numeric_limits<int32_t>::min() && r <= std::numeric_limits<int32_t>::max()))
        err::raise(err::Overflow);
    return static_cast<int32_t>(r);
}

uint8_t toByte(double value) {
    const double r = roundHalfEven(value);
    if (!(r >= 0 && r <= 255)) err::raise(err::Overflow);
    return static_cast<uint8_t>(r);
}

int32_t toLong(std::string_view text) {
    return toLong(toDouble(text));
}

int16_t toInteger(std::string_view text) {
    const double r = roundHalfEven(toDouble(text));
    if (!(r >= -32768 && r <= 32767)) err::raise(err::Overflow);
    return static_cast<int16_t>(r);
}

uint8_t toByte(std::string_view text) {
    return toByte(toDouble(text));
}

bool toBoolean(std::string_view text) {
    const std::string_view s = trimBlanks(text);
    if (utf8::equalsIgnoreCase(s, "True")) return true;
    if (utf8::equalsIgnoreCase(s, "False")) return false;
    return toDouble(s) != 0.0;
}

Currency toCurrency(std::string_view text) {
    const std::string_view s = trimBlanks(text);
    // Plain decimals go through the exact parser; other numeric forms through a double.
    if (!s.empty() && s.find_first_not_of("+-0123456789.") == std::string_view::npos)
        return Currency::parse(s);
    const double v = toDouble(s);
    const double scaled = roundHalfEven(v * Currency::Scale);
    if (!(std::fabs(scaled) < 9.2e18)) err::raise(err::Overflow);
    return Currency::fromRaw(static_cast<int64_t>(scaled));
}

}  // namespace brenvik::classic
