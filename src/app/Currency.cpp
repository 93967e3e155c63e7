#include "app/Currency.h"

#include <limits>

#include "app/RuntimeError.h"

namespace brenvik {
namespace {

__extension__ typedef unsigned __int128 U128;
__extension__ typedef __int128 I128;

bool addOverflows(int64_t a, int64_t b, int64_t* r) { return __builtin_add_overflow(a, b, r); }

}  // namespace

Currency Currency::fromInteger(int64_t whole) {
    int64_t r;
    if (__builtin_mul_overflow(whole, Scale, &r)) err::raise(err::Overflow);
    return fromRaw(r);
}

Currency Currency::parse(std::string_view text) {
    std::size_t i = 0, n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    while (n > i && (text[n - 1] == ' ' || text[n - 1] == '\t')) --n;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Digits accumulate as an unsigned magnitude in units of 1/10000, with a rounding digit.
    U128 units = 0;
    int decimals = 0;
    bool anyDigit = false, point = false, overflow = false;
    int roundDigit = -1;
    bool stickyNonZero = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') err::raise(err::TypeMismatch);
        anyDigit = true;
        const int d = c - '0';
        if (point && decimals >= 4) {
            if (roundDigit < 0) roundDigit = d;
            else if (d != 0) stickyNonZero = true;
            continue;
        }
        if (point) ++decimals;
        units = units * 10 + static_cast<unsigned>(d);
        if (units > (static_cast<U128>(1) << 64)) overflow = true;
    }
    if (!anyDigit) err::raise(err::TypeMismatch);
    for (; decimals < 4; ++decimals) units *= 10;
    if (roundDigit > 5 || (roundDigit == 5 && (stickyNonZero || (units & 1)))) ++units;
    const U128 limit =
        static_cast<U128>(std::numeric_limits<int64_t>::max()) + (negative ? 1 : 0);
    if (overflow || units > limit) err::raise(err::Overflow);
    const int64_t raw = negative ? static_cast<int64_t>(-static_cast<I128>(units))
                                 : static_cast<int64_t>(units);
    return fromRaw(raw);
}

std::string Currency::toString() const {
    const bool negative = raw_ < 0;
    const unsigned long long mag =
        negative ? 0ULL - static_cast<unsigned long long>(raw_) : static_cast<unsigned long long>(raw_);
    std::string s = std::to_string(mag / Scale);
    unsigned long long frac = mag % Scale;
    if (frac) {
        std::string f = std::to_string(frac);
        f.insert(0, 4 - f.size(), '0');
        while (!f.empty() && f.back() == '0') f.pop_back();
        s += "." + f;
    }
    return negative ? "-" + s : s;
}

int64_t Currency::roundToInteger() const {
    int64_t q = raw_ / Scale;
    const int64_t r = raw_ % Scale;
    const int64_t twice = 2 * (r < 0 ? -r : r);
    if (twice > Scale || (twice == Scale && (q % 2 != 0))) q += raw_ < 0 ? -1 : 1;
    return q;
}

Currency Currency::operator+(Currency o) const {
    int64_t r;
    if (addOverflows(raw_, o.raw_, &r)) err::raise(err::Overflow);
    return fromRaw(r);
}
Currency Currency::operator-(Currency o) const {
    int64_t r;
    if (__builtin_sub_overflow(raw_, o.raw_, &r)) err::raise(err::Overflow);
    return fromRaw(r);
}
Currency Currency::operator-() const { return Currency() - *this; }

}  // namespace brenvik
