// Conversion of decimal text to integers, failing the way the user is told about.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/text.h"

namespace tessaro {

// Accepts optional leading blanks, an optional sign and decimal digits within the 32-bit range;
// anything else, the empty text included, throws ConversionError
// "'<text>' n'est pas une valeur entière correcte".
int32_t toInteger(std::string_view text);

// Decimal text of an integer (no leading zeros, "-" for negatives).
Text integerText(long long value);

}  // namespace tessaro
