// Calendar dates of the personal calendar.
#include "engine/civil_date.h"

#include <algorithm>
#include <array>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "common/study_subject.h"

namespace tessaro {
namespace {

bool allDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int digitsValue(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

[[noreturn]] void refuseDate(std::string_view label, std::string_view text, std::string_view fault) {
  throw UserMessage(Text(label) + " '" + Text(text) + "' : " + Text(fault));
}

}  // namespace

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int monthLength(int year, int month) {
  static constexpr std::array<int, 12> Lengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : Lengths[static_cast<size_t>(month - 1)];
}

CivilDate readCivilDate(std::string_view text, std::string_view label) {
  if (text.size() != 10 || !allDigits(text.substr(0, 2)) || !allDigits(text.substr(3, 2)) ||
      !allDigits(text.substr(6, 4))) {
    refuseDate(label, text, "date attendue sous la forme jj/mm/aaaa");
  }
  const CivilDate date{digitsValue(text.substr(6, 4)), digitsValue(text.substr(3, 2)),
                       digitsValue(text.substr(0, 2))};
  if (date.year < 1) refuseDate(label, text, "l'année doit aller de 0001 à 9999"_cp1252);
  if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > monthLength(date.year, date.month)) {
    refuseDate(label, text, "ce jour n'existe pas dans le calendrier");
  }
  return date;
}

Text civilDateText(const CivilDate& date) { return dateText(date.day, date.month, date.year); }

int64_t serialDay(const CivilDate& date) {
  // Counted from 1 March of year 0, so that the leap day ends each counted year.
  const int64_t year = date.month <= 2 ? date.year - 1 : date.year;
  const int64_t month = date.month <= 2 ? date.month + 9 : date.month - 3;
  const int64_t days = 365 * year + year / 4 - year / 100 + year / 400 + (153 * month + 2) / 5 + date.day - 1;
  return days - 306;  // 01/01/0001 is day 306 of that count
}

int weekdayIndex(const CivilDate& date) {
  return static_cast<int>(serialDay(date) % 7);  // 01/01/0001 was a Monday
}

std::string_view weekdayName(int weekday) {
  static constexpr std::array<std::string_view, 7> Names{"lundi",    "mardi",  "mercredi", "jeudi",
                                                         "vendredi", "samedi", "dimanche"};
  return Names[static_cast<size_t>(weekday)];
}

CivilDate nextDay(const CivilDate& date) {
  if (date == LastCivilDate) return date;
  if (date.day < monthLength(date.year, date.month)) return {date.year, date.month, date.day + 1};
  if (date.month < 12) return {date.year, date.month + 1, 1};
  return {date.year + 1, 1, 1};
}

CivilDate addMonths(const CivilDate& date, int months) {
  const int64_t index = int64_t{date.year} * 12 + (date.month - 1) + months;
  if (index < int64_t{FirstCivilDate.year} * 12) return {FirstCivilDate.year, 1, std::min(date.day, 31)};
  if (index > int64_t{LastCivilDate.year} * 12 + 11) return {LastCivilDate.year, 12, std::min(date.day, 31)};
  const int year = static_cast<int>(index / 12);
  const int month = static_cast<int>(index % 12) + 1;
  return {year, month, std::min(date.day, monthLength(year, month))};
}

}  // namespace tessaro
