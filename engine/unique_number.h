// The unique number: two name numbers and a date number added, then brought to 22 or less.
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

}  // namespace tessaro
