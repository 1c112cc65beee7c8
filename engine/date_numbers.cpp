// Date sum, date digits and life path numbers.
#include "engine/date_numbers.h"

#include <algorithm>

#include "common/integer.h"

namespace tessaro {
namespace {

Text cut(std::string_view text, size_t first, size_t length) {
  return Text(text.substr(std::min(first, text.size()), length));
}

}  // namespace

DateParts cutDate(std::string_view date) { return {cut(date, 0, 2), cut(date, 3, 2), cut(date, 6, 4)}; }

NumberText DateSumNumber(std::string_view date) {
  const DateParts parts = cutDate(date);
  return ReduceKeepMasters(addNumbers({parts.day, parts.month, parts.year}));
}

NumberText DateDigitsNumber(std::string_view date) {
  const DateParts parts = cutDate(date);
  return ReduceKeepMasters(parts.day + parts.month + parts.year);
}

NumberText LifePathNumber(std::string_view date) {
  // The sum is computed first so that a malformed date fails on its parts' conversion.
  const NumberText sum = DateSumNumber(date);
  return largerDateNumber(sum, DateDigitsNumber(date));
}

NumberText largerDateNumber(std::string_view sumNumber, std::string_view digitsNumber) {
  return NumberText(toInteger(digitsNumber) > toInteger(sumNumber) ? digitsNumber : sumNumber);
}

}  // namespace tessaro
