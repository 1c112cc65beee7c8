// The 6-byte real of the calculator's registers: 40-bit significand, 8-bit exponent.
#pragma once

namespace tessaro {

// A value that the 48-bit real format can hold: zero, or a magnitude from 2^-128 (about 2.9E-39)
// to (2 - 2^-39) * 2^126 (about 1.7E38) with 40 significant bits, the leading one implied.
// Arithmetic is done on value() in extended precision and stored back with fromExtended.
class Real48 {
 public:
  Real48() = default;

  // Rounds to the nearest 40-bit significand; a magnitude below the smallest one becomes 0 and
  // one above the largest throws TessaroError "Débordement flottant".
  static Real48 fromExtended(long double value);

  long double value() const { return value_; }

  bool operator==(const Real48&) const = default;

 private:
  explicit Real48(long double value) : value_(value) {}

  long double value_ = 0;
};

}  // namespace tessaro
