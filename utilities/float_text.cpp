// Parsing and general formatting of floating-point text with a decimal comma.
#include "utilities/float_text.h"

#include <algorithm>
#include <charconv>

#include "common/errors.h"
#include "common/integer.h"
#include "utilities/float_messages.h"

namespace tessaro {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

size_t skipDigits(std::string_view text, size_t i) {
  while (i < text.size() && isDigit(text[i])) ++i;
  return i;
}

// The number's text in the form from_chars reads (point, no blanks), or empty when it is not one.
std::optional<std::string> portableForm(std::string_view text) {
  const std::string_view body = [&] {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && text[first] == ' ') ++first;
    while (last > first && text[last - 1] == ' ') --last;
    return text.substr(first, last - first);
  }();
  std::string portable;
  size_t i = 0;
  if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
    if (body[i] == '-') portable += '-';
    ++i;
  }
  size_t end = skipDigits(body, i);
  size_t digits = end - i;
  portable += body.substr(i, end - i);
  i = end;
  if (i < body.size() && body[i] == ',') {
    end = skipDigits(body, i + 1);
    digits += end - i - 1;
    portable += '.';
    portable += body.substr(i + 1, end - i - 1);
    i = end;
  }
  if (digits == 0) return std::nullopt;
  if (i < body.size() && (body[i] == 'E' || body[i] == 'e')) {
    portable += 'e';
    ++i;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) portable += body[i++];
    end = skipDigits(body, i);
    if (end == i) return std::nullopt;
    portable += body.substr(i, end - i);
    i = end;
  }
  if (i != body.size()) return std::nullopt;
  return portable;
}

template <size_t Size>
std::string_view scientificText(char (&buffer)[Size], long double value, int significantDigits) {
  const auto result =
      std::to_chars(buffer, buffer + Size, value, std::chars_format::scientific, significantDigits - 1);
  return std::string_view(buffer, result.ptr - buffer);
}

}  // namespace

std::optional<long double> parseFloat(std::string_view text) {
  const std::optional<std::string> portable = portableForm(text);
  if (!portable) return std::nullopt;
  long double value = 0;
  const char* end = portable->data() + portable->size();
  const auto [ptr, error] = std::from_chars(portable->data(), end, value);
  if (error != std::errc() || ptr != end) return std::nullopt;
  return value;
}

long double toFloat(std::string_view text) {
  const std::optional<long double> value = parseFloat(text);
  if (!value) throw ConversionError(formatMessage(NotAFloatPattern, text));
  return *value;
}

Text generalFloatText(long double value) {
  constexpr int significantDigits = 15;
  if (value == 0) return "0";
  // Scientific text "-d.ddde+XX" gives the rounded digits and the decimal exponent at once, and
  // unlike printf it does not depend on the C locale's decimal point.
  char buffer[64];
  const std::string_view scientific = scientificText(buffer, value, significantDigits);
  const bool negative = scientific.front() == '-';
  const size_t mark = scientific.find('e');
  std::string digits;
  for (const char c : scientific.substr(0, mark)) {
    if (isDigit(c)) digits += c;
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  // The exponent is written "e+XX" or "e-XX"; the comma stands that many places after the first
  // digit, plus one (1 for 1 <= |value| < 10).
  int exponent = 0;
  std::from_chars(scientific.data() + mark + 2, scientific.data() + scientific.size(), exponent);
  const int point = (scientific[mark + 1] == '-' ? -exponent : exponent) + 1;
  const int count = static_cast<int>(digits.size());

  Text text = negative ? "-" : "";
  if (point > significantDigits || point < -4) {
    text += digits[0];
    if (count > 1) text += "," + digits.substr(1);
    text += "E" + integerText(point - 1);
  } else if (point <= 0) {
    text += "0," + std::string(-point, '0') + digits;
  } else {
    text += digits.substr(0, std::min(point, count));
    if (point > count) text += std::string(point - count, '0');
    if (count > point) text += "," + digits.substr(point);
  }
  return text;
}

long double roundToSignificantDigits(long double value, int digits) {
  char buffer[64];
  const std::string_view scientific = scientificText(buffer, value, digits);
  long double rounded = 0;
  std::from_chars(scientific.data(), scientific.data() + scientific.size(), rounded);
  return rounded;
}

}  // namespace tessaro
