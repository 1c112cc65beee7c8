// Local to universal time, and the clock setting that the clock window's "Set" asks for.
#include "utilities/clock_setting.h"

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "common/errors.h"
#include "utilities/month_step.h"

namespace tessaro {
namespace {

// Makes the C library use another zone for as long as it lives.
class ZoneOverride {
 public:
  explicit ZoneOverride(const char* zone) : active_(zone != nullptr) {
    if (!active_) return;
    if (const char* current = std::getenv("TZ")) previous_ = current;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ZoneOverride() {
    if (!active_) return;
    if (previous_) {
      setenv("TZ", previous_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }
  ZoneOverride(const ZoneOverride&) = delete;
  ZoneOverride& operator=(const ZoneOverride&) = delete;

 private:
  bool active_;
  std::optional<std::string> previous_;
};

[[noreturn]] void throwCannotSet(std::string_view reason) {
  throw TessaroError(withReason(ClockSettingFailedMessage, reason));
}

}  // namespace

DateTime universalFromLocal(const DateTime& local, const char* zone) {
  const ZoneOverride override(zone);
  std::tm fields = calendarFields(local);
  fields.tm_isdst = -1;  // let the zone's rules decide whether summer time applies
  const std::time_t moment = std::mktime(&fields);
  std::tm utc{};
  gmtime_r(&moment, &utc);
  return fromCalendarFields(utc);
}

bool isValidDateTime(const DateTime& value) {
  return value.month >= 1 && value.month <= 12 && value.day >= 1 &&
         value.day <= daysInMonth(value.year, value.month) && value.hour >= 0 && value.hour <= 23 &&
         value.minute >= 0 && value.minute <= 59 && value.second >= 0 && value.second <= 59;
}

void setClockFromLabels(const ClockLabels& labels) {
  const DateTime local = clockLabelsDateTime(labels);
  if (!isValidDateTime(local)) throwCannotSet(NoSuchDateTimeReason);
  try {
    currentClock().setUniversalTime(universalFromLocal(local));
  } catch (const TessaroError& refusal) {
    throwCannotSet(refusal.message());
  }
}

}  // namespace tessaro
