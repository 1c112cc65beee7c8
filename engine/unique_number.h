// The unique number: two name numbers and a date number added, then brought to 22 or less;
// and the unique number analysis built on it.
#pragma once

#include <string_view>

#include "common/study_subject.h"
#include "engine/primitives.h"

namespace tessaro {

// ReduceToDigit of the letters of the first name: the active number brought to one digit.
NumberText SingleDigitActiveNumber(const StudySubject& subject);
// ReduceToDigit of the letters of the last name: the hereditary number brought to one digit.
NumberText SingleDigitHereditaryNumber(const StudySubject& subject);

// ReduceTo22 of the integer sum of the three numbers, converted in the order given.
NumberText UniqueNumber(std::string_view firstNameNumber, std::string_view lastNameNumber,
                        std::string_view dateNumber);

// What the unique number dialog shows.
struct UniqueNumberResult {
  Text active;      // one digit
  Text hereditary;  // one digit
  Text lifePath;
  Text unique;
  Text reading;  // active, hereditary and life path lines, life path paragraph, unique line
};

// The unique number adds the date sum number, not the life path. The date is not checked
// first: a malformed one, or a name without any character of value, throws ConversionError.
UniqueNumberResult computeUniqueNumber(const StudySubject& subject);

}  // namespace tessaro
