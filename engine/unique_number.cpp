// The unique number.
#include "engine/unique_number.h"

namespace tessaro {

NumberText SingleDigitActiveNumber(const StudySubject& subject) {
  return ReduceToDigit(LettersToDigits(subject.FirstName));
}

NumberText SingleDigitHereditaryNumber(const StudySubject& subject) {
  return ReduceToDigit(LettersToDigits(subject.LastName));
}

NumberText UniqueNumber(std::string_view firstNameNumber, std::string_view lastNameNumber,
                        std::string_view dateNumber) {
  return ReduceTo22(addNumbers({firstNameNumber, lastNameNumber, dateNumber}));
}

}  // namespace tessaro
