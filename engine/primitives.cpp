// Letter codings, reductions and the digit count.
#include "engine/primitives.h"

#include "common/cp1252_literal.h"
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
  t.set("1AJSàâ"_cp1252, '1');
  t.set("2BKT", '2');
  t.set("3CLUçùû"_cp1252, '3');
  t.set("4DMV", '4');
  t.set("5ENWèéê"_cp1252, '5');
  t.set("6FOXôö"_cp1252, '6');
  t.set("7GPY", '7');
  t.set("8HQZ", '8');
  t.set("9IRîï"_cp1252, '9');
  return t;
}

constexpr CodingTable makeVowels() {
  CodingTable t;
  t.set("Aàâ"_cp1252, '1');
  t.set("Uùûü"_cp1252, '3');
  t.set("Eèéêë"_cp1252, '5');
  t.set("Oôö"_cp1252, '6');
  t.set("Y", '7');
  t.set("Iîï"_cp1252, '9');
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
  // Every byte's digit (or 0) is written and the end moves on only past a digit: no test to
  // mispredict on names that mix letters with and without value.
  Text digits(text.size(), '\0');
  size_t count = 0;
  for (char c : text) {
    const char d = table.digit[static_cast<unsigned char>(c)];
    digits[count] = d;
    count += d != 0;
  }
  digits.resize(count);
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

// The next pass over the decimal text of a sum: the sum of its decimal digits.
long long digitSumOf(long long sum) {
  long long next = 0;
  for (; sum > 0; sum /= 10) next += sum % 10;
  return next;
}

// Whether a value ends a reduction. The rule looks for the text among the words of a literal
// ("1 2 3 4 5 6 7 8 9 11 22"); after a pass the text is the plain decimal of a sum, for which that
// is exactly these values.
bool isDigit(long long value) { return value >= 1 && value <= 9; }
bool isDigitOrMaster(long long value) { return isDigit(value) || value == 11 || value == 22; }

// pass(sum) sees the value of every pass, the last one included.
template <class Pass>
NumberText reduceUntil(std::string_view text, bool (*accepted)(long long), Pass&& pass) {
  if (text.empty()) return {};
  long long sum = digitSum(text);
  pass(sum);
  while (sum != 0 && !accepted(sum)) {
    sum = digitSumOf(sum);
    pass(sum);
  }
  return integerText(sum);
}

void noPass(long long) {}

}  // namespace

Text LettersToDigits(std::string_view text) { return code(text, Letters); }
Text VowelsToDigits(std::string_view text) { return code(text, Vowels); }
Text ConsonantsToDigits(std::string_view text) { return code(text, Consonants); }

NumberText ReduceKeepMasters(std::string_view text) { return reduceUntil(text, isDigitOrMaster, noPass); }

ReductionPasses KeepMastersPasses(std::string_view text) {
  ReductionPasses passes;
  reduceUntil(text, isDigitOrMaster, [&passes](long long sum) {
    if (passes.count < passes.sums.size()) passes.sums[passes.count++] = sum;
  });
  return passes;
}

NumberText ReduceToDigit(std::string_view text) { return reduceUntil(text, isDigit, noPass); }

NumberText ReduceTo22(std::string_view text) {
  if (text.empty()) return {};
  if (toInteger(text) <= 22) return NumberText(text);
  long long value = digitSum(text);
  while (value > 22) value = digitSumOf(value);
  return integerText(value);
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
