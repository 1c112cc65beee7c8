// Setting the computer's clock from the local date and time that the clock window shows.
#pragma once

#include "common/clock.h"
#include "common/cp1252_literal.h"
#include "utilities/clock_fields.h"

namespace tessaro {

// The universal time of a local date and time in a zone given as a TZ value ("Europe/Paris", or
// a rule such as "CET-1CEST,M3.5.0,M10.5.0/3"); nullptr means the process's own zone. Summer
// time is decided by the zone's rules for that date.
DateTime universalFromLocal(const DateTime& local, const char* zone = nullptr);

// True when the date exists and the time is within 00:00:00-23:59:59.
bool isValidDateTime(const DateTime& value);

// Reads the labels, converts the local time to universal time in the process's zone and sets
// the clock in use. A field that is not a number throws ConversionError; a date or time that does
// not exist, or a setting the system refuses, throws TessaroError "Impossible de régler
// l'horloge" with the reason on a second line.
void setClockFromLabels(const ClockLabels& labels);

inline constexpr std::string_view ClockSettingFailedMessage = "Impossible de régler l'horloge"_cp1252;
inline constexpr std::string_view NoSuchDateTimeReason = "cette date ou cette heure n'existe pas";

}  // namespace tessaro
