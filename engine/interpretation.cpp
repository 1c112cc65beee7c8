// Dominant and missing digits of the Venus star and their readings.
#include "engine/interpretation.h"

#include <algorithm>

#include "common/integer.h"
#include "engine/texts/interpretation_texts.h"
#include "engine/venus_star.h"

namespace tessaro {
namespace {

// One entry per digit of a space-terminated list, each converted where it is read back.
void appendListReadings(Text& reading, std::string_view list, int32_t mode) {
  for (size_t space = list.find(' '); space != std::string_view::npos; space = list.find(' ')) {
    const std::string_view number = list.substr(0, space);
    list = list.substr(space + 1);
    reading += number;
    reading += ": ";
    appendVenusCapacityText(reading, toInteger(number), mode);
    reading += CrLf;
  }
}

}  // namespace

InterpretationResult interpretVenusCounts(const DigitCountArray& counts) {
  const int32_t highest = std::max(0, *std::max_element(counts.begin() + 1, counts.end()));
  InterpretationResult result;
  for (int32_t d = 1; d <= 9; ++d) {
    if (counts[static_cast<size_t>(d)] == 0) result.missing += integerText(d) + " ";
    if (counts[static_cast<size_t>(d)] == highest) result.dominant += integerText(d) + " ";
  }
  result.reading.reserve(ReadingReserve);
  appendListReadings(result.reading, result.dominant, DominantReading);
  appendListReadings(result.reading, result.missing, MissingReading);
  return result;
}

InterpretationResult computeInterpretation(const StudySubject& subject) {
  return interpretVenusCounts(computeVenusStar(subject).counts);
}

}  // namespace tessaro
