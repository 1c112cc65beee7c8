// Label texts of the clock window and the spin on their fields.
#include "utilities/clock_fields.h"

#include <algorithm>

#include "common/integer.h"
#include "common/study_subject.h"

namespace tessaro {
namespace {

struct FieldPlace {
  Text ClockLabels::*label;
  size_t start;  // 0-based
  size_t width;
  int lowest;
  int highest;
};

// In the order of ClockField.
constexpr FieldPlace FieldPlaces[] = {
    {&ClockLabels::time, 0, 2, 0, 24},      {&ClockLabels::time, 3, 2, 0, 59},
    {&ClockLabels::date, 0, 2, 0, 31},      {&ClockLabels::date, 3, 2, 0, 12},
    {&ClockLabels::date, 6, 4, 1900, 2099},
};

// A label shorter than expected gives a shorter (possibly empty) field, which then fails to
// convert rather than reading past the end.
int readField(const Text& label, size_t start, size_t width) {
  return toInteger(std::string_view(label).substr(std::min(start, label.size()), width));
}

Text zeroPadded(int value, size_t width) {
  Text digits = integerText(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

}  // namespace

ClockLabels clockLabels(const DateTime& local) {
  return {zeroPadded(local.hour, 2) + ":" + zeroPadded(local.minute, 2) + ":" + zeroPadded(local.second, 2),
          dateText(local.day, local.month, local.year)};
}

ClockLabels spinClockField(ClockLabels labels, ClockField field, int step) {
  const FieldPlace& place = FieldPlaces[static_cast<int>(field)];
  Text& label = labels.*place.label;
  int value = readField(label, place.start, place.width);
  if (field == ClockField::Year && value < 100) value += 1900;
  value = std::clamp(value + step, place.lowest, place.highest);
  label.replace(std::min(place.start, label.size()), place.width, zeroPadded(value, place.width));
  return labels;
}

DateTime clockLabelsDateTime(const ClockLabels& labels) {
  return {readField(labels.date, 6, 4), readField(labels.date, 3, 2), readField(labels.date, 0, 2),
          readField(labels.time, 0, 2), readField(labels.time, 3, 2), readField(labels.time, 6, 2)};
}

}  // namespace tessaro
