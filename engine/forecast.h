// The personal calendar: the numbers of the current year analysis for any date, one date or a
// range of them, with the filters of the date finder.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "common/study_subject.h"
#include "engine/civil_date.h"
#include "engine/current_year.h"

namespace tessaro {

// What the current year analysis gives when the study date is this date.
struct ForecastDay {
  CivilDate date;
  int weekday = 0;  // weekdayIndex: 0 for Monday
  NumberText personalYear;
  NumberText monthNumber;
  NumberText dayNumber;
  Text transitLetter;  // NoTransitLetter when the age has none
  AnniversaryMarkers markers;
};

// The values that stay the same for every date of one calendar year.
struct ForecastYear {
  NumberText personalYear;
  Text transitLetter;
  AnniversaryMarkers markers;
  std::array<NumberText, 12> monthNumbers;  // January first
};

// The dates a walk keeps: every value that is given must be equal; weekdays Monday first.
struct ForecastFilter {
  std::optional<int> personalYear;
  std::optional<int> monthNumber;
  std::optional<int> dayNumber;
  std::array<bool, 7> weekdays{true, true, true, true, true, true, true};
};

// The opening sentences of a personal year's reading, before its three themes ("Travail : "...).
Text personalYearHeadline(std::string_view personalYear);
// The reading of a month or a day number, as the current year analysis gives it.
Text periodReading(std::string_view number);

class PersonalForecast {
 public:
  // The birth date must be a day of the calendar: throws UserMessage "Date de naissance
  // manquante" when it is empty, readCivilDate's refusal otherwise. The study date is not used.
  explicit PersonalForecast(const StudySubject& subject);

  const CivilDate& birth() const { return birthDate; }
  ForecastYear year(int year) const;
  ForecastDay day(const CivilDate& date) const;
  // The birth day and month; a birthday of 29 February falls on the 28th in other years.
  bool isBirthday(const CivilDate& date) const;

  // Every date from `from` to `to` (both kept) that the filter keeps, in date order, until visit
  // returns false. The cost grows with the number of days walked, never faster.
  void walk(const CivilDate& from, const CivilDate& to, const ForecastFilter& filter,
            const std::function<bool(const ForecastDay&)>& visit) const;

 private:
  Text birthText;
  CivilDate birthDate;
  Text nameLetters;
  // The month and day numbers depend only on the month and the personal year, and on the day
  // and the month number: both worked out once, by the analysis's own rules.
  std::array<std::array<NumberText, 12>, 10> monthNumberOf;  // [personal year][month - 1]
  std::array<std::array<NumberText, 31>, 10> dayNumberOf;    // [month number][day - 1]
};

}  // namespace tessaro
