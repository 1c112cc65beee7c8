// The pocket calculator's registers and the effect of each of its keys.
#pragma once

#include <optional>
#include <string_view>

#include "common/text.h"
#include "utilities/real48.h"

namespace tessaro {

struct PocketState {
  Real48 Accumulator;
  Real48 Operand;
  char PendingOperator = 0;  // '+', '-', '*', '/' or 0 for none
  bool HasAccumulator = false;
  bool StartNewEntry = false;
  Text display;  // the entry being typed, or the last result

  bool operator==(const PocketState&) const = default;
};

// Every key either completes or throws TessaroError (conversion, division by zero, square root
// of a negative number, overflow) and then leaves the state as it was.
class PocketCalculator {
 public:
  const PocketState& state() const { return state_; }
  const Text& display() const { return state_.display; }

  // The key with that caption: "0" to "9", ",", "=", "+", "-", "*", "/", "1/x", "sqr", "C";
  // any other caption does nothing.
  void press(std::string_view caption);

  // "C": forgets the display, both registers and the pending operator.
  void clear();
  // '0' to '9'; a digit after a result starts a new entry.
  void digit(char digit);
  // Appends "," whatever the display holds; a malformed entry fails when it is converted.
  void comma();
  // "=": applies the pending operator to the accumulator and the display, left to right.
  void equals();
  // '+', '-', '*' or '/': "=" then remembers the operator.
  void applyOperator(char op);
  // "1/x" and "sqr" of the display.
  void reciprocal();
  void squareRoot();

 private:
  void showFunction(long double (*function)(long double));

  PocketState state_;
};

// What "=" and the operator keys show: the accumulator to the 12 digits a 6-byte real holds, so
// that the rounding of 0,1 + 0,2 does not show; a text with a comma is held to 15 characters by
// rounding to fewer digits, never by cutting it.
Text resultText(long double value);

// The caption of the button that a typed character presses ("7", ",", "=", "sqr", "1/x", "C"...),
// or empty for a character that presses none. "." stands for the comma.
std::optional<std::string_view> pocketButtonFor(char typed);

}  // namespace tessaro
