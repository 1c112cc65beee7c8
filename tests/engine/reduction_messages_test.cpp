// The reductions stop on the first character that is not a decimal digit, naming it.
#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "engine/primitives.h"

namespace tessaro {
namespace {

TEST(Reductions, NameTheFirstCharacterThatIsNotADigit) {
  struct Case {
    NumberText (*reduce)(std::string_view);
    const char* text;
    const char* offending;
  };
  for (const Case& c : {Case{ReduceKeepMasters, "05031990 ", " "}, Case{ReduceKeepMasters, "+5031990", "+"},
                        Case{ReduceToDigit, "-1001", "-"}, Case{ReduceToDigit, "19x0", "x"},
                        Case{ReduceTo22, "+30", "+"}, Case{ReduceTo22, "4é"_cp1252, "4é"_cp1252}}) {
    try {
      c.reduce(c.text);
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const ConversionError& error) {
      EXPECT_EQ(error.message(), formatMessage(NotAnIntegerPattern, c.offending)) << c.text;
    }
  }
}

TEST(Reductions, LongDigitStringsAndLargeSums) {
  // A digit string longer than any name, and sums that need several passes.
  const std::string nines(1000, '9');
  EXPECT_EQ(ReduceKeepMasters(nines), "9");  // 9000, then 9
  EXPECT_EQ(ReduceToDigit("99999999999"), "9");
  EXPECT_EQ(ReduceKeepMasters("9999999992"), "11");  // 83, then 11
  EXPECT_EQ(ReduceTo22("2147483647"), "10");         // 46, then 10
  EXPECT_EQ(ReduceTo22("+22"), "+22");
}

}  // namespace
}  // namespace tessaro
