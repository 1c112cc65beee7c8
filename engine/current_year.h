// The current year analysis: personal year, transit letter, birthday markers and the numbers of
// the month and the day of the study, with their readings.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/study_subject.h"
#include "engine/primitives.h"

namespace tessaro {

// Shown in place of the transit letter when the age has none.
inline constexpr std::string_view NoTransitLetter = "-";

// ReduceToDigit of birth day + birth month + study year.
NumberText PersonalYearNumber(std::string_view birthDate, std::string_view studyDate);

// Study year minus birth year; negative for a study before the birth year.
int32_t studyAge(std::string_view birthDate, std::string_view studyDate);

// The plain capitals A-Z of the first name, then of the last name.
Text NameLetters(const StudySubject& subject);

// The name letter at place age + 1 of the name letters written ten times over, or
// NoTransitLetter when the age falls outside that cycle or the names have no letter A-Z.
Text TransitLetter(std::string_view nameLetters, int32_t age);

// The reading of a transit letter, by its place in the alphabet; NoTransitLetter has its own.
Text TransitLetterReading(std::string_view letter);

struct AnniversaryMarkers {
  NumberText before;  // age mod 12, 12 for 0; keeps the sign of a negative age
  NumberText after;   // before + 1, 1 after 12
};
AnniversaryMarkers anniversaryMarkers(int32_t age);

// ReduceToDigit of the study month + the personal year number.
NumberText StudyMonthNumber(std::string_view studyDate, std::string_view personalYear);
// ReduceToDigit of the study day + the month number.
NumberText StudyDayNumber(std::string_view studyDate, std::string_view monthNumber);

// What the current year dialog shows.
struct CurrentYearResult {
  Text title;  // "Analyse au " and the study date
  Text personalYear;
  Text transitLetter;
  Text markerBefore;
  Text markerAfter;
  Text monthNumber;
  Text dayNumber;
  Text reading;  // one line for each of the six values, in that order
};

// Throws UserMessage "Date de naissance manquante" when either date is not ten characters
// long, and ConversionError when a part of a date is not a number.
CurrentYearResult computeCurrentYear(const StudySubject& subject);

}  // namespace tessaro
