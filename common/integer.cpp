// Strict decimal conversion.
#include "common/integer.h"

#include <limits>

#include "common/errors.h"

namespace tessaro {

int32_t toInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const size_t firstDigit = i;
  long long value = 0;
  const long long limit = negative ? -static_cast<long long>(std::numeric_limits<int32_t>::min())
                                   : std::numeric_limits<int32_t>::max();
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > limit) break;
  }
  if (i != text.size() || i == firstDigit) {
    throw ConversionError(formatMessage(NotAnIntegerPattern, text));
  }
  return static_cast<int32_t>(negative ? -value : value);
}

Text integerText(long long value) { return std::to_string(value); }

}  // namespace tessaro
