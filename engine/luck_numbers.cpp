// The luck numbers.
#include "engine/luck_numbers.h"

#include <algorithm>
#include <vector>

#include "engine/date_numbers.h"
#include "engine/name_numbers.h"
#include "engine/unique_number.h"

namespace tessaro {
namespace {

// Decimal texts of non-negative numbers in numeric order, compared in their two-character forms
// (a leading "0" before a shorter one). On those forms this is plain text order; the length comes
// first so that a three-digit value, which only a malformed day of birth can produce, still sorts
// after the others instead of among them.
bool numericallyBefore(std::string_view a, std::string_view b) {
  const size_t aSize = a.size() < 2 ? a.size() + 1 : a.size();
  const size_t bSize = b.size() < 2 ? b.size() + 1 : b.size();
  if (aSize != bSize) return aSize < bSize;
  const char aFirst = a.size() < 2 ? '0' : a[0];
  const char bFirst = b.size() < 2 ? '0' : b[0];
  if (aFirst != bFirst) return aFirst < bFirst;
  return (a.size() < 2 ? a : a.substr(1)) < (b.size() < 2 ? b : b.substr(1));
}

}  // namespace

Text luckListText(std::span<const Text> numbers) {
  std::vector<std::string_view> items(numbers.begin(), numbers.end());
  std::ranges::sort(items, numericallyBefore);
  Text list;
  for (std::string_view item : items) {
    if (!list.empty()) list += ", ";
    // The two-character form without one leading "0".
    list += item.size() >= 2 && item[0] == '0' ? item.substr(1) : item;
  }
  return list;
}

LuckNumbersResult computeLuckNumbers(const StudySubject& subject) {
  const NumberText firstNameNumber = SingleDigitActiveNumber(subject);
  const NumberText lastNameNumber = SingleDigitHereditaryNumber(subject);

  // Here the day + month + year sum is brought to one digit, so only the eight-digit addition
  // can reach a master number.
  const DateParts date = cutDate(subject.BirthDate);
  const NumberText dateDigit = ReduceToDigit(addNumbers({date.day, date.month, date.year}));
  const NumberText lifePath = largerDateNumber(dateDigit, DateDigitsNumber(subject.BirthDate));

  const NumberText unique = UniqueNumber(firstNameNumber, lastNameNumber, lifePath);
  const NumberText intimate = IntimateNumber(subject);

  const Text items[] = {
      addNumbers({unique, dateDigit, date.day, intimate}),
      addNumbers({ReduceKeepMasters(unique), ReduceKeepMasters(date.day), dateDigit, intimate}),
      unique,
      dateDigit,
      date.day,
      intimate,
  };
  return {unique, lifePath, date.day, intimate, luckListText(items)};
}

}  // namespace tessaro
