// Month arithmetic of the calendar: stepping the selected date by whole months.
#pragma once

namespace tessaro {

struct CalendarDate {
  int year = 0;
  int month = 0;  // 1-12
  int day = 0;    // 1-31

  bool operator==(const CalendarDate&) const = default;
};

// Days in a month of the Gregorian calendar (month 1-12).
int daysInMonth(int year, int month);

// Moves by whole months (negative goes back), crossing years as needed; a day that the new month
// lacks becomes its last day, so 31 January plus one month is the end of February.
CalendarDate stepMonths(const CalendarDate& date, int months);

}  // namespace tessaro
