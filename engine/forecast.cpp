// The personal calendar, built on the current year analysis's own functions.
#include "engine/forecast.h"

#include "common/errors.h"
#include "common/integer.h"
#include "engine/date_numbers.h"
#include "engine/text_table.h"
#include "engine/texts/current_year_texts.h"

namespace tessaro {
namespace {

// Any year serves to ask for the month or the day number: only the month and the day count.
constexpr int AnyYear = 2000;

// The tables are indexed by a number 1-9 of ReduceToDigit.
size_t indexOf(const NumberText& number) { return static_cast<size_t>(toInteger(number)); }

CivilDate readBirthDate(std::string_view text) {
  if (text.empty()) throw UserMessage(MissingBirthDateMessage);
  return readCivilDate(text, "Date de naissance");
}

}  // namespace

Text personalYearHeadline(std::string_view personalYear) {
  const std::string_view row = tableRow(PersonalYearTexts, personalYear);
  return trim(row.substr(0, row.find("Travail : ")));
}

Text periodReading(std::string_view number) { return tableText(PeriodNumberTexts, number); }

PersonalForecast::PersonalForecast(const StudySubject& subject)
    : birthText(subject.BirthDate),
      birthDate(readBirthDate(subject.BirthDate)),
      nameLetters(NameLetters(subject)) {
  for (int number = 1; number <= 9; ++number) {
    const NumberText numberText = integerText(number);
    for (int month = 1; month <= 12; ++month) {
      monthNumberOf[number][month - 1] = StudyMonthNumber(dateText(1, month, AnyYear), numberText);
    }
    for (int day = 1; day <= 31; ++day) {
      dayNumberOf[number][day - 1] = StudyDayNumber(dateText(day, 1, AnyYear), numberText);
    }
  }
}

ForecastYear PersonalForecast::year(int year) const {
  const Text yearDate = dateText(1, 1, year);
  ForecastYear values;
  values.personalYear = PersonalYearNumber(birthText, yearDate);
  const int32_t age = studyAge(birthText, yearDate);
  values.transitLetter = TransitLetter(nameLetters, age);
  values.markers = anniversaryMarkers(age);
  values.monthNumbers = monthNumberOf[indexOf(values.personalYear)];
  return values;
}

ForecastDay PersonalForecast::day(const CivilDate& date) const {
  ForecastDay found;
  walk(date, date, {}, [&](const ForecastDay& day) {
    found = day;
    return false;
  });
  return found;
}

bool PersonalForecast::isBirthday(const CivilDate& date) const {
  if (date.month != birthDate.month) return false;
  const bool leapDayInCommonYear = birthDate.day == 29 && date.month == 2 && !isLeapYear(date.year);
  return date.day == (leapDayInCommonYear ? 28 : birthDate.day);
}

void PersonalForecast::walk(const CivilDate& from, const CivilDate& to, const ForecastFilter& filter,
                            const std::function<bool(const ForecastDay&)>& visit) const {
  if (to < from) return;
  int weekday = weekdayIndex(from);
  ForecastDay day;
  for (int year = from.year; year <= to.year; ++year) {
    const int firstMonth = year == from.year ? from.month : 1;
    const int lastMonth = year == to.year ? to.month : 12;
    const ForecastYear values = this->year(year);
    const size_t personalYear = indexOf(values.personalYear);
    if (filter.personalYear && *filter.personalYear != static_cast<int>(personalYear)) {
      // Whole years are passed over; the weekday follows the days left out.
      const CivilDate start = year == from.year ? from : CivilDate{year, 1, 1};
      const CivilDate end = year == to.year ? to : CivilDate{year, 12, 31};
      weekday = static_cast<int>((weekday + serialDay(end) - serialDay(start) + 1) % 7);
      continue;
    }
    day.personalYear = values.personalYear;
    day.transitLetter = values.transitLetter;
    day.markers = values.markers;
    for (int month = firstMonth; month <= lastMonth; ++month) {
      const int firstDay = year == from.year && month == from.month ? from.day : 1;
      const int lastDay = year == to.year && month == to.month ? to.day : monthLength(year, month);
      const NumberText& monthNumber = values.monthNumbers[static_cast<size_t>(month - 1)];
      const size_t monthIndex = indexOf(monthNumber);
      const bool monthKept = !filter.monthNumber || *filter.monthNumber == static_cast<int>(monthIndex);
      for (int dayOfMonth = firstDay; monthKept && dayOfMonth <= lastDay; ++dayOfMonth) {
        const NumberText& dayNumber = dayNumberOf[monthIndex][static_cast<size_t>(dayOfMonth - 1)];
        const int weekdayHere = (weekday + dayOfMonth - firstDay) % 7;
        if (!filter.weekdays[static_cast<size_t>(weekdayHere)]) continue;
        if (filter.dayNumber && *filter.dayNumber != static_cast<int>(indexOf(dayNumber))) continue;
        day.date = {year, month, dayOfMonth};
        day.weekday = weekdayHere;
        day.monthNumber = monthNumber;
        day.dayNumber = dayNumber;
        if (!visit(day)) return;
      }
      weekday = (weekday + lastDay - firstDay + 1) % 7;
    }
  }
}

}  // namespace tessaro
