// Floating-point text with a decimal comma: parsing and the general format.
#include "utilities/float_text.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace tessaro {
namespace {

TEST(FloatText, ParsesCommaNumbersAndExponents) {
  struct Case {
    const char* text;
    long double value;
  };
  const Case cases[] = {
      {"12", 12.0L},     {"1,5", 1.5L},        {",5", 0.5L},  {"5,", 5.0L},    {"  7 ", 7.0L},
      {"-3", -3.0L},     {"+3", 3.0L},         {"007", 7.0L}, {"1E20", 1E20L}, {"1,5E-7", 1.5E-7L},
      {"2e+3", 2000.0L}, {"-1,25E2", -125.0L}, {"0,1", 0.1L},  // as close as extended precision gets, like a
                                                               // literal
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<long double> value = parseFloat(c.text);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, c.value);
  }
}

TEST(FloatText, RejectsWhatIsNotANumber) {
  const char* const texts[] = {"",    " ",   ",",   "1,2,3", "1.5", "1,,",  "E5",     "1E",   "1E+",
                               "abc", "1 2", "--1", "1-",    "+",   "1E2,", "1E5000", "0x10", "1,5E-2,"};
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(parseFloat(text).has_value());
  }
}

TEST(FloatText, ConversionFailureNamesTheText) {
  try {
    toFloat("1,,2");
    FAIL() << "no conversion error";
  } catch (const ConversionError& error) {
    EXPECT_EQ(error.message(), "'1,,2' n'est pas une valeur flottante correcte");
  }
}

TEST(FloatText, GeneralFormatTakesTheShorterNotation) {
  struct Case {
    long double value;
    const char* text;
  };
  const Case cases[] = {
      {0.0L, "0"},
      {-0.0L, "0"},
      {1.0L, "1"},
      {-1.0L, "-1"},
      {0.5L, "0,5"},
      {-1.5L, "-1,5"},
      {123.456L, "123,456"},
      {1.0L / 3, "0,333333333333333"},
      {2.0L / 3, "0,666666666666667"},
      {1E-5L, "0,00001"},
      {-0.000123L, "-0,000123"},
      {9.9E-6L, "9,9E-6"},
      {1.5E-7L, "1,5E-7"},
      {-1.5E-7L, "-1,5E-7"},
      {1E20L, "1E20"},
      {1E14L, "100000000000000"},
      {1E15L, "1E15"},               // 16 digits before the comma
      {999999999999999.9L, "1E15"},  // rounding adds a digit
      {123456789012345678.0L, "1,23456789012346E17"},
      {1.7014118346E38L, "1,7014118346E38"},
      {2.9387358770557E-39L, "2,9387358770557E-39"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(generalFloatText(c.value), c.text);
  }
}

TEST(FloatText, RoundsToSignificantDigits) {
  struct Case {
    long double value;
    int digits;
    const char* text;
  };
  const Case cases[] = {
      {0.1L + 0.2L, 12, "0,3"}, {1.0L / 3, 12, "0,333333333333"},       {2.0L / 3, 12, "0,666666666667"},
      {2.0L / 3, 1, "0,7"},     {999999999999.6L, 12, "1000000000000"}, {-1234.5678L, 6, "-1234,57"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(generalFloatText(roundToSignificantDigits(c.value, c.digits)), c.text);
  }
}

}  // namespace
}  // namespace tessaro
