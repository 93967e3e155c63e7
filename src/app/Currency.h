#pragma once
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace brenvik {

// Fixed-point decimal: a 64-bit integer scaled by 10,000. Never passes through a double on the
// way in or out of text.
class Currency {
public:
    static constexpr int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(int64_t raw) { Currency c; c.raw_ = raw; return c; }
    static Currency fromInteger(int64_t whole);  // overflow: RuntimeError 6
    // Exact decimal text: blanks around, optional sign, digits with "." as decimal point,
    // more than four decimals rounded half to even. Letters: RuntimeError 13; out of range: 6.
    static Currency parse(std::string_view text);

    constexpr int64_t raw() const { return raw_; }
    // The shortest plain decimal text: "12.5", "-3", "0.0001".
    std::string toString() const;
    // The value rounded half to even to a whole number.
    int64_t roundToInteger() const;
    double toDouble() const { return static_cast<double>(raw_) / Scale; }

    Currency operator+(Currency o) const;
    Currency operator-(Currency o) const;
    Currency operator-() const;
    auto operator<=>(const Currency&) const = default;

private:
    int64_t raw_ = 0;
};

}  // namespace brenvik
