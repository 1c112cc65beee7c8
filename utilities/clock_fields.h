// The clock window's two labels: their texts, the fields read from them by position, the spin.
#pragma once

#include "common/clock.h"
#include "common/text.h"

namespace tessaro {

// The time as "HH:MM:SS" and the date as "dd/mm/yyyy": the fields sit at fixed positions, hours
// at 1-2, minutes 4-5, seconds 7-8; day 1-2, month 4-5, year 7-10.
struct ClockLabels {
  Text time;
  Text date;

  bool operator==(const ClockLabels&) const = default;
};

enum class ClockField { Hours, Minutes, Day, Month, Year };

ClockLabels clockLabels(const DateTime& local);

// One step of the spin button (+1 up, -1 down) on one field, held within its limits (hours 0-24,
// minutes 0-59, day 0-31, month 0-12, year 1900-2099, a year below 100 being read as 19xx) and
// written back in place with its leading zeros. Fields are not checked against each other, so
// 31/02 can be shown. A field that is not a number throws ConversionError.
ClockLabels spinClockField(ClockLabels labels, ClockField field, int step);

// Every field of the labels, read by position; a field that is not a number throws
// ConversionError.
DateTime clockLabelsDateTime(const ClockLabels& labels);

}  // namespace tessaro
