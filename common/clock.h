// The clock interface: today's date, the local time, and setting the system clock. Tests fix it.
#pragma once

#include <ctime>

#include "common/text.h"

namespace tessaro {

struct DateTime {
  int year = 0;
  int month = 0;  // 1-12
  int day = 0;    // 1-31
  int hour = 0;
  int minute = 0;
  int second = 0;

  bool operator==(const DateTime&) const = default;
};

// The C library's broken-down time of a date and time, and back.
std::tm calendarFields(const DateTime& dateTime);
DateTime fromCalendarFields(const std::tm& fields);

class Clock {
 public:
  virtual ~Clock() = default;
  // Local date and time.
  virtual DateTime now() const = 0;
  // Sets the system clock to a universal (UTC) time; throws TessaroError with the system's
  // reason, in French, when the system refuses.
  virtual void setUniversalTime(const DateTime& utc) = 0;
};

// The clock in use: the system's unless a test installed another.
Clock& currentClock();
// Installs a clock (nullptr restores the system's); the caller keeps ownership.
void setCurrentClock(Clock* clock);

}  // namespace tessaro
