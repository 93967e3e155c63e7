#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/Currency.h"

namespace brenvik::classic {

// "Converts to a number" as the classic runtime does: blanks around are allowed, an optional
// sign, digits with an optional "." fraction and exponent, or &H / &O forms; anything else is
// RuntimeError 13 (type mismatch). A fraction going into an integer type is rounded half to
// even; a value outside the type is RuntimeError 6 (overflow).

std::optional<double> parseNumber(std::string_view text);
bool isNumeric(std::string_view text);

double toDouble(std::string_view text);
int32_t toLong(std::string_view text);
int16_t toInteger(std::string_view text);
uint8_t toByte(std::string_view text);
// "True"/"False" in any letter case, or a number (0 false, anything else true).
bool toBoolean(std::string_view text);
Currency toCurrency(std::string_view text);

// The same rules from a double.
int32_t toLong(double value);
uint8_t toByte(double value);
double roundHalfEven(double value);

// The classic text of a Boolean.
inline const char* booleanText(bool v) { return v ? "True" : "False"; }

}  // namespace brenvik::classic
