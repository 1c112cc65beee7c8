// Storing extended values into the 6-byte real.
#include "utilities/real48.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/cp1252_literal.h"
#include "common/errors.h"

namespace tessaro {
namespace {

const long double Largest = std::ldexp(2.0L - std::ldexp(1.0L, -39), 126);
const long double Smallest = std::ldexp(1.0L, -128);

TEST(Real48, RoundsToFortyBitsAndFlushesTinyValues) {
  struct Case {
    const char* what;
    long double value;
    long double stored;
  };
  const Case cases[] = {
      {"zero", 0.0L, 0.0L},
      {"one", 1.0L, 1.0L},
      {"last bit kept", 1 + std::ldexp(1.0L, -39), 1 + std::ldexp(1.0L, -39)},
      {"below half a unit", 1 + std::ldexp(1.0L, -41), 1.0L},
      {"above half a unit", 1 + 3 * std::ldexp(1.0L, -41), 1 + std::ldexp(1.0L, -39)},
      {"half a unit, even stays", 1 + std::ldexp(1.0L, -40), 1.0L},
      {"carry into a new bit", 2 - std::ldexp(1.0L, -41), 2.0L},
      {"0.1", 0.1L, std::ldexp(879609302221.0L, -43)},
      {"negative", -0.1L, -std::ldexp(879609302221.0L, -43)},
      {"largest", Largest, Largest},
      {"rounds down to the largest", Largest + std::ldexp(1.0L, 85), Largest},
      {"smallest", Smallest, Smallest},
      {"rounds up to the smallest", Smallest * (1 - std::ldexp(1.0L, -42)), Smallest},
      {"half the smallest", Smallest / 2, 0.0L},
      {"2.93E-39 is too small", 2.93E-39L, 0.0L},
      {"far too small", -1E-60L, 0.0L},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Real48::fromExtended(c.value).value(), c.stored);
  }
  EXPECT_NE(Real48::fromExtended(1.7E38L).value(), 0.0L);
  EXPECT_NE(Real48::fromExtended(2.94E-39L).value(), 0.0L);
}

TEST(Real48, OverflowIsReportedInFrench) {
  const long double tooLarge[] = {1.8E38L, -1.8E38L, Largest + std::ldexp(1.0L, 86), 1E300L};
  for (const long double value : tooLarge) {
    SCOPED_TRACE(static_cast<double>(value));
    try {
      Real48::fromExtended(value);
      ADD_FAILURE() << "no overflow";
    } catch (const TessaroError& error) {
      EXPECT_EQ(error.message(), "Débordement flottant"_cp1252);
    }
  }
}

}  // namespace
}  // namespace tessaro
