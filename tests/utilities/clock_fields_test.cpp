// The clock window's labels and the spin on their fields.
#include "utilities/clock_fields.h"

#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
#include "common/errors.h"

namespace tessaro {
namespace {

TEST(ClockFields, LabelsHaveTheirFieldsAtFixedPlaces) {
  EXPECT_EQ(clockLabels({2026, 3, 7, 9, 5, 4}), (ClockLabels{"09:05:04", "07/03/2026"}));
  EXPECT_EQ(clockLabels({1999, 12, 31, 23, 59, 59}), (ClockLabels{"23:59:59", "31/12/1999"}));
  EXPECT_EQ(clockLabelsDateTime({"23:59:58", "31/12/1999"}), (DateTime{1999, 12, 31, 23, 59, 58}));
}

struct SpinCase {
  ClockLabels from;
  ClockField field;
  int step;
  ClockLabels expected;
};

TEST(ClockFields, SpinStaysWithinEachFieldsLimits) {
  const Text date = "15/06/2026";
  const Text time = "10:15:30";
  const SpinCase cases[] = {
      {{"23:15:30", date}, ClockField::Hours, 1, {"24:15:30", date}},
      {{"24:15:30", date}, ClockField::Hours, 1, {"24:15:30", date}},
      {{"00:15:30", date}, ClockField::Hours, -1, {"00:15:30", date}},
      {{"10:15:30", date}, ClockField::Hours, -1, {"09:15:30", date}},
      {{"10:59:30", date}, ClockField::Minutes, 1, {"10:59:30", date}},
      {{"10:00:30", date}, ClockField::Minutes, -1, {"10:00:30", date}},
      {{"10:09:30", date}, ClockField::Minutes, 1, {"10:10:30", date}},
      {{time, "31/01/2026"}, ClockField::Day, 1, {time, "31/01/2026"}},
      {{time, "00/01/2026"}, ClockField::Day, -1, {time, "00/01/2026"}},
      {{time, "01/01/2026"}, ClockField::Day, -1, {time, "00/01/2026"}},
      {{time, "30/02/2026"}, ClockField::Day, 1, {time, "31/02/2026"}},  // no check against the month
      {{time, "15/12/2026"}, ClockField::Month, 1, {time, "15/12/2026"}},
      {{time, "15/00/2026"}, ClockField::Month, -1, {time, "15/00/2026"}},
      {{time, "15/09/2026"}, ClockField::Month, 1, {time, "15/10/2026"}},
      {{time, "15/06/1900"}, ClockField::Year, -1, {time, "15/06/1900"}},
      {{time, "15/06/2099"}, ClockField::Year, 1, {time, "15/06/2099"}},
      {{time, "15/06/2026"}, ClockField::Year, -1, {time, "15/06/2025"}},
      {{time, "15/06/0099"}, ClockField::Year, 1, {time, "15/06/2000"}},  // 99 is read as 1999
      {{time, "15/06/0005"}, ClockField::Year, -1, {time, "15/06/1904"}},
  };
  for (const SpinCase& c : cases) {
    SCOPED_TRACE(c.from.time + " " + c.from.date + " field " + std::to_string(static_cast<int>(c.field)));
    EXPECT_EQ(spinClockField(c.from, c.field, c.step), c.expected);
  }
}

TEST(ClockFields, AFieldThatIsNotANumberFailsWithoutCrashing) {
  struct Case {
    ClockLabels labels;
    ClockField field;
    const char* message;
  };
  const Case cases[] = {
      {{"ab:cd:ef", "15/06/2026"}, ClockField::Hours, "'ab' n'est pas une valeur entière correcte"_cp1252},
      {{"", "15/06/2026"}, ClockField::Minutes, "'' n'est pas une valeur entière correcte"_cp1252},
      {{"10:15:30", "15/06"}, ClockField::Year, "'' n'est pas une valeur entière correcte"_cp1252},
      {{"10:15:30", "2026-06-15"}, ClockField::Month, "'6-' n'est pas une valeur entière correcte"_cp1252},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    try {
      spinClockField(c.labels, c.field, 1);
      ADD_FAILURE() << "no conversion error";
    } catch (const ConversionError& error) {
      EXPECT_EQ(error.message(), c.message);
    }
  }
  EXPECT_THROW(clockLabelsDateTime({"10:15", "15/06/2026"}), ConversionError);
}

}  // namespace
}  // namespace tessaro
