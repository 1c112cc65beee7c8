// Storing extended-precision results into the 48-bit real.
#include "utilities/real48.h"

#include <cmath>

#include "common/errors.h"
#include "utilities/float_messages.h"

namespace tessaro {
namespace {

constexpr int SignificandBits = 40;
// frexp exponents (value = m * 2^e with 0.5 <= |m| < 1) that the format can hold.
constexpr int LowestExponent = -127;
constexpr int HighestExponent = 127;

}  // namespace

Real48 Real48::fromExtended(long double value) {
  if (value == 0) return Real48();
  int exponent = 0;
  const long double fraction = std::frexp(value, &exponent);
  // Rounding may carry into a new leading bit (0.111...1 becomes 1.0), so the exponent is
  // taken again from the rounded value.
  const long double rounded =
      std::ldexp(std::nearbyint(std::ldexp(fraction, SignificandBits)), exponent - SignificandBits);
  std::frexp(rounded, &exponent);
  if (!std::isfinite(rounded) || exponent > HighestExponent) {
    throw TessaroError(Text(FloatOverflowMessage));
  }
  if (exponent < LowestExponent) return Real48();
  return Real48(rounded);
}

}  // namespace tessaro
