// Month stepping of the calendar.
#include "utilities/month_step.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

struct StepCase {
  CalendarDate from;
  int months;
  CalendarDate expected;
};

TEST(MonthStep, KeepsTheDayOrTakesTheLastDayOfTheNewMonth) {
  const StepCase cases[] =
      {
          {{2026, 1, 31}, 1, {2026, 2, 28}},   // 31 January, next month
          {{2024, 1, 31}, 1, {2024, 2, 29}},   // ... in a leap year
          {{2026, 3, 31}, -1, {2026, 2, 28}},  // 31 March, previous month
          {{2024, 3, 31}, -1, {2024, 2, 29}},
          {{2000, 1, 30}, 1, {2000, 2, 29}},  // divisible by 400: leap
          {{1900, 1, 29}, 1, {1900, 2, 28}},  // divisible by 100 only: not leap
          {{2026, 5, 31}, 1, {2026, 6, 30}},
          {{2026, 4, 30}, 1, {2026, 5, 30}},  // the day is kept, not moved to the end
          {{2026, 2, 28}, 1, {2026, 3, 28}},
          {{2026, 12, 15}, 1, {2027, 1, 15}},  // December -> January of the next year
          {{2026, 12, 31}, 1, {2027, 1, 31}},
          {{2027, 1, 15}, -1, {2026, 12, 15}},  // January -> December of the year before
          {{2026, 1, 1}, -13, {2024, 12, 1}},
          {{2026, 6, 15}, 12, {2027, 6, 15}},
          {{1, 1, 10}, -1, {0, 12, 10}},
          {{0, 1, 10}, -1, {-1, 12, 10}},  // stepping below year 0 still lands on December
      };
  for (const StepCase& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << c.from.day << "/" << c.from.month << "/" << c.from.year << " " << c.months);
    EXPECT_EQ(stepMonths(c.from, c.months), c.expected);
  }
}

}  // namespace
}  // namespace tessaro
