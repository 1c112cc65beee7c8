// The current year analysis.
#include "engine/current_year.h"

#include "common/errors.h"
#include "common/integer.h"
#include "engine/date_numbers.h"
#include "engine/text_table.h"
#include "engine/texts/current_year_texts.h"

namespace tessaro {
namespace {

constexpr std::string_view NoTransitLetterReading = "Aucune lettre de passage pour cette date.";

// How many times the name letters are written one after another to give the transit cycle.
constexpr int32_t TransitRounds = 10;

bool isPlainCapital(char c) { return c >= 'A' && c <= 'Z'; }

}  // namespace

NumberText PersonalYearNumber(std::string_view birthDate, std::string_view studyDate) {
  const DateParts birth = cutDate(birthDate);
  return ReduceToDigit(addNumbers({birth.day, birth.month, cutDate(studyDate).year}));
}

int32_t studyAge(std::string_view birthDate, std::string_view studyDate) {
  const int32_t birthYear = toInteger(cutDate(birthDate).year);
  return toInteger(cutDate(studyDate).year) - birthYear;
}

Text NameLetters(const StudySubject& subject) {
  Text letters;
  for (const Text* name : {&subject.FirstName, &subject.LastName}) {
    for (char c : *name) {
      if (isPlainCapital(c)) letters.push_back(c);
    }
  }
  return letters;
}

Text TransitLetter(std::string_view nameLetters, int32_t age) {
  if (age < 0 || static_cast<size_t>(age / TransitRounds) >= nameLetters.size()) {
    return Text(NoTransitLetter);
  }
  return Text(1, nameLetters[static_cast<size_t>(age) % nameLetters.size()]);
}

Text TransitLetterReading(std::string_view letter) {
  if (letter.size() != 1 || !isPlainCapital(letter[0])) return Text(NoTransitLetterReading);
  return tableText(TransitLetterTexts, letter[0] - 'A' + 1);
}

AnniversaryMarkers anniversaryMarkers(int32_t age) {
  int32_t before = age % 12;  // truncating: a negative age gives a negative marker
  if (before == 0) before = 12;
  const int32_t after = before + 1 > 12 ? 1 : before + 1;
  return {integerText(before), integerText(after)};
}

NumberText StudyMonthNumber(std::string_view studyDate, std::string_view personalYear) {
  return ReduceToDigit(addNumbers({cutDate(studyDate).month, personalYear}));
}

NumberText StudyDayNumber(std::string_view studyDate, std::string_view monthNumber) {
  return ReduceToDigit(addNumbers({cutDate(studyDate).day, monthNumber}));
}

CurrentYearResult computeCurrentYear(const StudySubject& subject) {
  if (subject.BirthDate.size() != 10 || subject.StudyDate.size() != 10) {
    throw UserMessage(MissingBirthDateMessage);
  }
  CurrentYearResult result;
  result.title = "Analyse au " + subject.StudyDate;
  result.personalYear = PersonalYearNumber(subject.BirthDate, subject.StudyDate);
  const int32_t age = studyAge(subject.BirthDate, subject.StudyDate);
  result.transitLetter = TransitLetter(NameLetters(subject), age);
  const AnniversaryMarkers markers = anniversaryMarkers(age);
  result.markerBefore = markers.before;
  result.markerAfter = markers.after;
  result.monthNumber = StudyMonthNumber(subject.StudyDate, result.personalYear);
  result.dayNumber = StudyDayNumber(subject.StudyDate, result.monthNumber);

  Text& reading = result.reading;
  reading.reserve(ReadingReserve);
  appendReadingLine(reading, result.personalYear, tableRow(PersonalYearTexts, result.personalYear));
  appendReadingLine(reading, result.transitLetter, TransitLetterReading(result.transitLetter));
  appendReadingLine(reading, markers.before, tableRow(AnniversaryMarkerTexts, markers.before));
  appendReadingLine(reading, markers.after, tableRow(AnniversaryMarkerTexts, markers.after));
  appendReadingLine(reading, result.monthNumber, tableRow(PeriodNumberTexts, result.monthNumber));
  appendReadingLine(reading, result.dayNumber, tableRow(PeriodNumberTexts, result.dayNumber));
  return result;
}

}  // namespace tessaro
