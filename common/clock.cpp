// The system clock behind the clock interface.
#include "common/clock.h"

#include <cerrno>
#include <cstring>
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
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
  }

  void setUniversalTime(const DateTime& utc) override {
    std::tm fields{};
    fields.tm_year = utc.year - 1900;
    fields.tm_mon = utc.month - 1;
    fields.tm_mday = utc.day;
    fields.tm_hour = utc.hour;
    fields.tm_min = utc.minute;
    fields.tm_sec = utc.second;
    timespec value{timegm(&fields), 0};
    if (clock_settime(CLOCK_REALTIME, &value) != 0) throw TessaroError(std::strerror(errno));
  }
};

SystemClock systemClock;
Clock* installed = nullptr;

}  // namespace

Clock& currentClock() { return installed != nullptr ? *installed : systemClock; }

void setCurrentClock(Clock* clock) { installed = clock; }

}  // namespace tessaro
