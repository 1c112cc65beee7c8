// Dates of the real calendar for the personal calendar: read from "jj/mm/aaaa", checked, stepped.
#pragma once

#include <compare>
#include <cstdint>
#include <string_view>

#include "common/text.h"

namespace tessaro {

// A day of the Gregorian calendar, years 0001 to 9999.
struct CivilDate {
  int year = 1;
  int month = 1;  // 1-12
  int day = 1;    // 1-31

  auto operator<=>(const CivilDate&) const = default;
};

inline constexpr CivilDate FirstCivilDate{1, 1, 1};
inline constexpr CivilDate LastCivilDate{9999, 12, 31};

bool isLeapYear(int year);
// Days in a month (1-12) of the Gregorian calendar.
int monthLength(int year, int month);

// Reads a "jj/mm/aaaa" date as the analyses cut it, by position (the separators are not looked
// at), and refuses what is not a day of the calendar. The French message names the date by its
// label ("Date de naissance", "Date de début"...) and the fault: not in the jj/mm/aaaa form, a
// year outside 0001-9999, or a day the calendar does not have (31/02, 00/01...). Throws
// UserMessage.
CivilDate readCivilDate(std::string_view text, std::string_view label);

// "jj/mm/aaaa" with "/" between the parts.
Text civilDateText(const CivilDate& date);

// Days since 01/01/0001 (which is day 0).
int64_t serialDay(const CivilDate& date);
// 0 for Monday up to 6 for Sunday, as French calendars order the week.
int weekdayIndex(const CivilDate& date);
// The weekday's French name in lower case ("lundi"...), by weekdayIndex.
std::string_view weekdayName(int weekday);

// The next day; LastCivilDate stays where it is.
CivilDate nextDay(const CivilDate& date);
// Whole months forward or back; a day the new month lacks becomes its last day (31/01 plus one
// month is the end of February). Kept within FirstCivilDate..LastCivilDate.
CivilDate addMonths(const CivilDate& date, int months);

}  // namespace tessaro
