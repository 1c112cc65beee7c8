// The calculator's state machine.
#include "utilities/pocket_calculator.h"

#include <cmath>

#include "common/errors.h"
#include "utilities/float_messages.h"
#include "utilities/float_text.h"

namespace tessaro {
namespace {

constexpr int HeldDigits = 12;
constexpr size_t MaxCommaResultLength = 15;

long double apply(char op, long double left, long double right) {
  switch (op) {
    case '+':
      return left + right;
    case '-':
      return left - right;
    case '*':
      return left * right;
    case '/':
      if (right == 0) throw TessaroError(Text(FloatDivisionByZeroMessage));
      return left / right;
    default:
      return left;
  }
}

long double reciprocalOf(long double value) { return apply('/', 1, value); }

long double squareRootOf(long double value) {
  if (value < 0) throw TessaroError(Text(InvalidFloatOperationMessage));
  return std::sqrt(value);
}

}  // namespace

void PocketCalculator::press(std::string_view caption) {
  if (caption.size() == 1 && caption[0] >= '0' && caption[0] <= '9') {
    digit(caption[0]);
  } else if (caption == ",") {
    comma();
  } else if (caption == "=") {
    equals();
  } else if (caption == "+" || caption == "-" || caption == "*" || caption == "/") {
    applyOperator(caption[0]);
  } else if (caption == "1/x") {
    reciprocal();
  } else if (caption == "sqr") {
    squareRoot();
  } else if (caption == "C") {
    clear();
  }
}

void PocketCalculator::clear() {
  state_.display.clear();
  state_.Accumulator = Real48();
  state_.Operand = Real48();
  state_.HasAccumulator = false;
  state_.PendingOperator = 0;
}

void PocketCalculator::digit(char digit) {
  if (state_.StartNewEntry) state_.display.clear();
  state_.display += digit;
  state_.StartNewEntry = false;
}

void PocketCalculator::comma() { state_.display += ','; }

void PocketCalculator::equals() {
  PocketState next = state_;
  if (!next.HasAccumulator) {
    const std::optional<long double> entry = parseFloat(next.display);
    if (!entry) {
      state_.display.clear();
      return;
    }
    next.Accumulator = Real48::fromExtended(*entry);
    next.HasAccumulator = true;
  } else {
    next.Operand = Real48::fromExtended(toFloat(next.display));
    next.Accumulator =
        Real48::fromExtended(apply(next.PendingOperator, next.Accumulator.value(), next.Operand.value()));
    next.display = resultText(next.Accumulator.value());
  }
  next.StartNewEntry = true;
  state_ = next;
}

void PocketCalculator::applyOperator(char op) {
  equals();
  state_.PendingOperator = op;
}

void PocketCalculator::reciprocal() { showFunction(reciprocalOf); }

void PocketCalculator::squareRoot() { showFunction(squareRootOf); }

void PocketCalculator::showFunction(long double (*function)(long double)) {
  PocketState next = state_;
  next.Operand = Real48::fromExtended(toFloat(next.display));
  const long double result = function(next.Operand.value());
  next.Accumulator = Real48::fromExtended(result);
  next.display = generalFloatText(result);
  next.HasAccumulator = true;
  next.StartNewEntry = true;
  state_ = next;
}

Text resultText(long double value) {
  for (int digits = HeldDigits;; --digits) {
    Text text = generalFloatText(roundToSignificantDigits(value, digits));
    if (digits == 1 || text.size() <= MaxCommaResultLength || text.find(',') == Text::npos) return text;
  }
}

std::optional<std::string_view> pocketButtonFor(char typed) {
  static constexpr std::string_view digits = "0123456789";
  if (typed >= '0' && typed <= '9') return digits.substr(typed - '0', 1);
  switch (typed) {
    case ',':
    case '.':
      return ",";
    case '+':
      return "+";
    case '-':
      return "-";
    case '*':
      return "*";
    case '/':
      return "/";
    case '=':
      return "=";
    case 'C':
    case 'c':
      return "C";
    case 'S':
    case 's':
      return "sqr";
    case 'X':
    case 'x':
      return "1/x";
    default:
      return std::nullopt;
  }
}

}  // namespace tessaro
