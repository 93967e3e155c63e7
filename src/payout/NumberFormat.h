#pragma once
#include <cstdint>
#include <string>

#include "app/Currency.h"

namespace brenvik::NumberFormat {

// "#,##0": digits with "," every three places, a leading "-" for negatives.
std::string Thousands(int64_t value);
// The same for a currency value, rounded to the whole number as the classic format does
// (half away from zero).
std::string Thousands(Currency value);
// Reads such a text back ("1,234" -> 1234); false for anything else.
bool ParseThousands(const std::string& text, int64_t& value);

// The digits of a non-negative number in full-width form (０ to ９).
std::string FullWidthDigits(int64_t value);

}  // namespace brenvik::NumberFormat
