// Month stepping with the day clamped to the new month.
#include "utilities/month_step.h"

#include <algorithm>

namespace tessaro {

int daysInMonth(int year, int month) {
  static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : lengths[month - 1];
}

CalendarDate stepMonths(const CalendarDate& date, int months) {
  // Count months from year 0 so that a negative step crosses January the same way a positive one
  // crosses December.
  const int index = date.year * 12 + (date.month - 1) + months;
  const int year = index >= 0 ? index / 12 : (index - 11) / 12;
  const int month = index - year * 12 + 1;
  return {year, month, std::min(date.day, daysInMonth(year, month))};
}

}  // namespace tessaro
