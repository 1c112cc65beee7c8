// The calculator's key sequences, its failures and its keyboard.
#include "utilities/pocket_calculator.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "common/cp1252_literal.h"
#include "common/errors.h"

namespace tessaro {
namespace {

std::vector<std::string> captions(const std::string& keys) {
  std::istringstream stream(keys);
  std::vector<std::string> result;
  for (std::string caption; stream >> caption;) result.push_back(caption);
  return result;
}

// "1 0 0 ... ": a one followed by that many zeros, typed key by key.
std::string powerOfTen(int zeros) {
  std::string keys = "1";
  for (int i = 0; i < zeros; ++i) keys += " 0";
  return keys + " ";
}

// What typing powerOfTen shows.
Text typedPowerOfTen(int zeros) { return "1" + Text(zeros, '0'); }

const Text DivisionByZero = "Division flottante par zéro"_cp1252;
const Text InvalidOperation = "Opération flottante incorrecte"_cp1252;
const Text Overflow = "Débordement flottant"_cp1252;

struct SequenceCase {
  std::string keys;     // captions separated by blanks
  Text display;         // after the last key, failed or not
  Text lastKeyFailure;  // the message the last key throws, or empty
};

TEST(PocketCalculator, KeySequences) {
  const SequenceCase cases[] = {
      {"2 + 3 =", "5", ""},
      {"2 + 3 = =", "10", ""},    // the result is added to the displayed result
      {"2 + 3 * 4 =", "20", ""},  // left to right
      {"9 sqr", "3", ""},
      {"9 sqr =", "3", ""},      // no pending operator
      {"2 + 9 sqr =", "6", ""},  // the pending operator applies to 3 and 3
      {"1 , 5 + 1 , 5 =", "3", ""},
      {"0 , 1 + 0 , 2 =", "0,3", ""},  // the 6-byte rounding digits do not show
      {"1 / 3 =", "0,333333333333", ""},
      {"2 / 3 =", "0,666666666667", ""},
      {"1 / 3 * 3 =", "1", ""},
      {"1 - 3 =", "-2", ""},
      {"3 1/x", "0,333333333333333", ""},  // the general format, unshortened
      {"4 1/x", "0,25", ""},
      {"2 sqr", "1,4142135623731", ""},
      {"2 + 3 C 4 = + 1 =", "5", ""},  // "C" forgets the accumulator and the operator
      {"2 + 3 C", "", ""},
      {"5 =", "5", ""},  // the first "=" keeps the entry as typed
      {"0 7 =", "07", ""},
      {"0 7 + 1 =", "8", ""},
      {"5 + =", "10", ""},
      {"2 + 3 = ,", "5,", ""},   // the comma is appended to the result...
      {"2 + 3 = , 7", "7", ""},  // ...and lost with the next digit
      {"1 0 0 0 0 0 0 * 1 0 0 0 0 0 0 =", "1000000000000", ""},
      {"9 9 9 9 9 9 9 9 9 9 9 9 + 1 =", "1000000000000", ""},
      {"1 / 7 0 0 0 =", "0,0001428571429", ""},  // rounded to fit 15 characters
      {"0 - 1 / " + powerOfTen(20) + "=", "-1E-20", ""},
      {"0 - 3 / 7 / " + powerOfTen(20) + "=", "-4,28571429E-21", ""},  // exponent kept
      {powerOfTen(20) + "1/x * =", "0", ""},                           // 1E-40 is stored as 0
      {powerOfTen(20) + "+ 0 =", "1E20", ""},
      // Failures: the display is what it was before the key.
      {"=", "", ""},  // nothing to convert: cleared silently
      {"1 , , 2 =", "", ""},
      {"5 / 0 =", "0", DivisionByZero},
      {"0 1/x", "0", DivisionByZero},
      {"0 - 1 = sqr", "-1", InvalidOperation},
      {"2 + 1 , , =", "1,,", "'1,,' n'est pas une valeur flottante correcte"},
      {"2 + 1 , , *", "1,,", "'1,,' n'est pas une valeur flottante correcte"},
      {"sqr", "", "'' n'est pas une valeur flottante correcte"},
      {"1 , , 1/x", "1,,", "'1,,' n'est pas une valeur flottante correcte"},
      {powerOfTen(20) + "* =", typedPowerOfTen(20), Overflow},
      {powerOfTen(40) + "=", typedPowerOfTen(40), Overflow},
      {powerOfTen(40) + "sqr", typedPowerOfTen(40), Overflow},
  };
  for (const SequenceCase& c : cases) {
    SCOPED_TRACE(c.keys);
    PocketCalculator calculator;
    const std::vector<std::string> keys = captions(c.keys);
    for (size_t i = 0; i + 1 < keys.size(); ++i) calculator.press(keys[i]);
    const PocketState before = calculator.state();
    if (c.lastKeyFailure.empty()) {
      calculator.press(keys.back());
    } else {
      try {
        calculator.press(keys.back());
        ADD_FAILURE() << "no failure";
      } catch (const TessaroError& error) {
        EXPECT_EQ(error.message(), c.lastKeyFailure);
      }
      EXPECT_EQ(calculator.state(), before);
    }
    EXPECT_EQ(calculator.display(), c.display);
  }
}

TEST(PocketCalculator, GoesOnAfterAFailure) {
  PocketCalculator calculator;
  for (const char* key : {"6", "/", "0"}) calculator.press(key);
  EXPECT_THROW(calculator.press("="), TessaroError);
  for (const char* key : {"C", "2", "+", "1", "="}) calculator.press(key);
  EXPECT_EQ(calculator.display(), "3");
}

TEST(PocketCalculator, ClearLeavesNewEntryAsItWas) {
  PocketCalculator calculator;
  for (const char* key : {"2", "+", "3", "=", "C"}) calculator.press(key);
  EXPECT_TRUE(calculator.state().StartNewEntry);
  EXPECT_FALSE(calculator.state().HasAccumulator);
  EXPECT_EQ(calculator.state().PendingOperator, 0);
  EXPECT_EQ(calculator.state().Accumulator.value(), 0.0L);
  EXPECT_EQ(calculator.display(), "");
}

TEST(PocketCalculator, ResultTextNeverHoldsMoreThan15CharactersWithAComma) {
  const long double values[] = {1.0L / 3,     -1.0L / 3,     -1.0L / 7000,
                                1.0L / 7E20L, -1.0L / 7E20L, 1.23456789012345E30L,
                                1.7E38L / 3,  -2.94E-39L * 3};
  for (const long double value : values) {
    const Text text = resultText(value);
    SCOPED_TRACE(text);
    EXPECT_TRUE(text.find(',') == Text::npos || text.size() <= 15);
    EXPECT_NE(text.back(), 'E');
  }
  EXPECT_EQ(resultText(-1.0L / 3), "-0,333333333333");
  EXPECT_EQ(resultText(1.23456789012345E30L), "1,2345678901E30");
}

TEST(PocketCalculator, KeyboardPressesTheButtons) {
  struct Case {
    char typed;
    std::optional<std::string_view> button;
  };
  const Case cases[] = {
      {'0', "0"}, {'7', "7"}, {'9', "9"}, {',', ","}, {'.', ","},   {'+', "+"},   {'-', "-"},   {'*', "*"},
      {'/', "/"}, {'=', "="}, {'C', "C"}, {'c', "C"}, {'S', "sqr"}, {'s', "sqr"}, {'X', "1/x"}, {'x', "1/x"},
      {'a', {}},  {'E', {}},  {' ', {}},  {'\r', {}}, {'\x1B', {}}, {'\xE9', {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.typed));
    EXPECT_EQ(pocketButtonFor(c.typed), c.button);
  }
}

}  // namespace
}  // namespace tessaro
