// Letter codings, reductions and the digit count.
#include "engine/primitives.h"

#include <charconv>

#include "common/integer.h"

namespace tessaro {
namespace {

// One table per coding: the digit of each byte, 0 for a byte without value.
struct CodingTable {
  std::array<char, 256> digit{};

  constexpr void set(std::string_view characters, char d) {
    for (char c : characters) digit[static_cast<unsigned char>(c)] = d;
  }
};

constexpr CodingTable makeLetters() {
  CodingTable t;
  t.set("1AJS\xE0\xE2", '1');  // à â
  t.set("2BKT", '2');
  t.set("3CLU\xE7\xF9\xFB", '3');  // ç ù û
  t.set("4DMV", '4');
  t.set("5ENW\xE8\xE9\xEA", '5');  // è é ê
  t.set("6FOX\xF4\xF6", '6');      // ô ö
  t.set("7GPY", '7');
  t.set("8HQZ", '8');
  t.set("9IR\xEE\xEF", '9');  // î ï
  return t;
}

constexpr CodingTable makeVowels() {
  CodingTable t;
  t.set("A\xE0\xE2", '1');
  t.set("U\xF9\xFB\xFC", '3');      // ù û ü
  t.set("E\xE8\xE9\xEA\xEB", '5');  // è é ê ë
  t.set("O\xF4\xF6", '6');
  t.set("Y", '7');
  t.set("I\xEE\xEF", '9');
  return t;
}

constexpr CodingTable makeConsonants() {
  CodingTable t;
  t.set("1JS", '1');
  t.set("2BKT", '2');
  t.set("3CL", '3');
  t.set("4DMV", '4');
  t.set("5NW", '5');
  t.set("6FX", '6');
  t.set("7GP", '7');
  t.set("8HQZ", '8');
  t.set("9R", '9');
  return t;
}

constexpr CodingTable Letters = makeLetters();
constexpr CodingTable Vowels = makeVowels();
constexpr CodingTable Consonants = makeConsonants();

Text code(std::string_view text, const CodingTable& table) {
  Text digits;
  digits.reserve(text.size());
  for (char c : text) {
    const char d = table.digit[static_cast<unsigned char>(c)];
    if (d != 0) digits.push_back(d);
  }
  return digits;
}

// One digit-sum pass: each character converted on its own, so any character but a decimal digit
// meets the conversion error. The sum is never negative.
long long digitSum(std::string_view text) {
  long long sum = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      sum += c - '0';
    } else {
      sum += toInteger(std::string_view(&c, 1));
    }
  }
  return sum;
}

// The decimal text of a sum, written into a buffer of the caller's: the passes after the first
// work on these few characters without building a string each time.
std::string_view decimalText(long long value, std::array<char, 24>& buffer) {
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
  return {buffer.data(), static_cast<size_t>(end - buffer.data())};
}

NumberText reduceUntil(std::string_view text, std::string_view accepted) {
  if (text.empty()) return {};
  std::array<char, 24> buffer;
  std::string_view current = decimalText(digitSum(text), buffer);
  while (current != "0" && accepted.find(current) == std::string_view::npos) {
    current = decimalText(digitSum(current), buffer);
  }
  return NumberText(current);
}

}  // namespace

Text LettersToDigits(std::string_view text) { return code(text, Letters); }
Text VowelsToDigits(std::string_view text) { return code(text, Vowels); }
Text ConsonantsToDigits(std::string_view text) { return code(text, Consonants); }

NumberText ReduceKeepMasters(std::string_view text) { return reduceUntil(text, "1 2 3 4 5 6 7 8 9 11 22"); }

NumberText ReduceToDigit(std::string_view text) { return reduceUntil(text, "1 2 3 4 5 6 7 8 9"); }

NumberText ReduceTo22(std::string_view text) {
  if (text.empty()) return {};
  if (toInteger(text) <= 22) return NumberText(text);
  std::array<char, 24> buffer;
  long long value = digitSum(text);
  while (value > 22) value = digitSum(decimalText(value, buffer));
  return NumberText(decimalText(value, buffer));
}

DigitCountArray Denombre(std::string_view text) {
  DigitCountArray counts{};
  for (char c : text) {
    if (c >= '1' && c <= '9') ++counts[static_cast<size_t>(c - '0')];
  }
  counts[0] = static_cast<int32_t>(text.size());
  return counts;
}

NumberText addNumbers(std::initializer_list<std::string_view> numbers) {
  long long sum = 0;
  for (std::string_view n : numbers) sum += toInteger(n);
  return integerText(sum);
}

}  // namespace tessaro
