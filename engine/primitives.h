// The letter codings, digit-sum reductions and digit count that every analysis is built from.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "common/text.h"

namespace tessaro {

// A number carried as its decimal text; converted only to add, compare or index a table.
using NumberText = Text;

// Digit string (one character 1-9 per character of value) of every character the letters
// table knows: A-Z, a handful of lower-case accented letters and the digits 1-9.
Text LettersToDigits(std::string_view text);
// Vowels only (Y included, and ë, ü which the letters table does not know).
Text VowelsToDigits(std::string_view text);
// Consonants and digits only (neither Y nor ç).
Text ConsonantsToDigits(std::string_view text);

// Repeated digit sums until the text is 1-9, 11 or 22 (or the sum is 0); empty gives empty.
// A digit that is not a decimal digit meets the conversion error.
NumberText ReduceKeepMasters(std::string_view text);
// The value of each digit-sum pass ReduceKeepMasters makes of the text, in order: the last is its
// result. None for the empty text. Four passes reduce any text, so the room never runs out.
struct ReductionPasses {
  std::array<long long, 8> sums{};
  size_t count = 0;
};
ReductionPasses KeepMastersPasses(std::string_view text);
// Repeated digit sums until the text is 1-9 (or the sum is 0); empty gives empty.
NumberText ReduceToDigit(std::string_view text);
// The argument itself when it is 22 or less, else repeated digit sums until 22 or less.
NumberText ReduceTo22(std::string_view text);

// Element 0: the number of characters of the text; element d: occurrences of the digit d.
using DigitCountArray = std::array<int32_t, 10>;
DigitCountArray Denombre(std::string_view text);

// Sum of the integer values of several number texts, as text (each converted with toInteger).
NumberText addNumbers(std::initializer_list<std::string_view> numbers);

}  // namespace tessaro
