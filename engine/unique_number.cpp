// The unique number and its analysis.
#include "engine/unique_number.h"

#include "engine/birth_date.h"
#include "engine/date_numbers.h"
#include "engine/name_numbers.h"
#include "engine/text_table.h"
#include "engine/texts/birth_date_texts.h"
#include "engine/texts/name_chart_texts.h"
#include "engine/texts/unique_number_texts.h"

namespace tessaro {

// A digit sum keeps the value modulo 9, so one digit of the master-keeping number is the one
// digit of the letters themselves.
NumberText SingleDigitActiveNumber(const StudySubject& subject) {
  return ReduceToDigit(ActiveNumber(subject));
}

NumberText SingleDigitHereditaryNumber(const StudySubject& subject) {
  return ReduceToDigit(HereditaryNumber(subject));
}

NumberText UniqueNumber(std::string_view firstNameNumber, std::string_view lastNameNumber,
                        std::string_view dateNumber) {
  return ReduceTo22(addNumbers({firstNameNumber, lastNameNumber, dateNumber}));
}

UniqueNumberResult computeUniqueNumber(const StudySubject& subject) {
  const NumberText active = SingleDigitActiveNumber(subject);
  const NumberText hereditary = SingleDigitHereditaryNumber(subject);
  const NumberText dateSum = DateSumNumber(subject.BirthDate);
  const NumberText lifePath = largerDateNumber(dateSum, DateDigitsNumber(subject.BirthDate));
  const NumberText unique = UniqueNumber(active, hereditary, dateSum);

  UniqueNumberResult result;
  result.active = active;
  result.hereditary = hereditary;
  result.lifePath = lifePath;
  result.unique = unique;
  Text& reading = result.reading;
  reading.reserve(ReadingReserve);
  appendReadingLine(reading, active, tableRow(ActiveNumberTexts, active));
  appendReadingLine(reading, hereditary, tableRow(HereditaryNumberTexts, hereditary));
  appendLifePathReading(reading, lifePath);
  appendReadingLine(reading, unique, tableRow(UniqueNumberTexts, unique));
  return result;
}

}  // namespace tessaro
