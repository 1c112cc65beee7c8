// The luck numbers.
#include "engine/luck_numbers.h"

#include <algorithm>
#include <vector>

#include "engine/date_numbers.h"
#include "engine/name_numbers.h"
#include "engine/unique_number.h"

namespace tessaro {
namespace {

// Decimal texts of non-negative numbers in numeric order. On the two-character forms this is
// plain text order; the length comes first so that a three-digit value, which only a malformed
// day of birth can produce, still sorts after the others instead of among them.
bool numericallyBefore(const Text& a, const Text& b) {
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

}  // namespace

Text luckListText(std::span<const Text> numbers) {
  std::vector<Text> items(numbers.begin(), numbers.end());
  for (Text& item : items) {
    if (item.size() < 2) item.insert(0, "0");
  }
  std::ranges::sort(items, numericallyBefore);
  Text list;
  for (const Text& item : items) {
    if (!list.empty()) list += ", ";
    list += item.starts_with('0') ? item.substr(1) : item;
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
