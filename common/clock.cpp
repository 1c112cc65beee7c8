// The system clock behind the clock interface.
#include "common/clock.h"

#include <cerrno>
#include <ctime>

#include "common/errors.h"

namespace tessaro {
namespace {

class SystemClock final : public Clock {
 public:
  DateTime now() const override {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return fromCalendarFields(local);
  }

  void setUniversalTime(const DateTime& utc) override {
    std::tm fields = calendarFields(utc);
    timespec value{timegm(&fields), 0};
    if (clock_settime(CLOCK_REALTIME, &value) != 0) throw TessaroError(systemErrorReason(errno));
  }
};

SystemClock systemClock;
Clock* installed = nullptr;

}  // namespace

std::tm calendarFields(const DateTime& d) {
  std::tm fields{};
  fields.tm_year = d.year - 1900;
  fields.tm_mon = d.month - 1;
  fields.tm_mday = d.day;
  fields.tm_hour = d.hour;
  fields.tm_min = d.minute;
  fields.tm_sec = d.second;
  return fields;
}

DateTime fromCalendarFields(const std::tm& f) {
  return {f.tm_year + 1900, f.tm_mon + 1, f.tm_mday, f.tm_hour, f.tm_min, f.tm_sec};
}

Clock& currentClock() { return installed != nullptr ? *installed : systemClock; }

void setCurrentClock(Clock* clock) { installed = clock; }

}  // namespace tessaro
