// The birth date analysis: day, month and year numbers and the life path, with their readings.
#pragma once

#include <string_view>

#include "common/study_subject.h"

namespace tessaro {

// What the birth date dialog shows.
struct BirthDateResult {
  Text dayLine;    // day text, " = ", day number ("29 = 11")
  Text monthLine;  // month text, " = ", month number
  Text yearLine;   // year text, " = ", year number
  Text lifePath;
  Text reading;  // day, month, year and life path lines, then the life path paragraph
};

// Throws UserMessage "Date de naissance manquante" when BirthDate is not ten characters long,
// and ConversionError when its day, month or year is not a number.
BirthDateResult computeBirthDate(const StudySubject& subject);

// The life path's title line, then its paragraph and a line break: how the birth date, the unique
// number and the portrait end their readings.
void appendLifePathReading(Text& reading, std::string_view lifePath);

}  // namespace tessaro
