// Decimal text of floating-point numbers with "," as the decimal separator, both ways.
#pragma once

#include <optional>
#include <string_view>

#include "common/text.h"

namespace tessaro {

// Optional blanks, an optional sign, digits with at most one ",", an optional exponent ("E" or
// "e", optional sign, digits), optional blanks; at least one digit before the exponent. Empty
// when the text is anything else or beyond the extended range.
std::optional<long double> parseFloat(std::string_view text);

// The same, throwing ConversionError "'<text>' n'est pas une valeur flottante correcte".
long double toFloat(std::string_view text);

// The general format: the value rounded to 15 significant digits, trailing zeros dropped; fixed
// notation when at most 15 digits stand before the comma and the magnitude is at least 0,00001,
// otherwise exponent notation such as "1E20" or "-1,5E-7".
Text generalFloatText(long double value);

// The value rounded to that many significant decimal digits (1-18).
long double roundToSignificantDigits(long double value, int digits);

}  // namespace tessaro
