// Calendar dates of the personal calendar: what is refused, which weekday, how months step.
#include "engine/civil_date.h"

#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
#include "common/errors.h"

namespace tessaro {
namespace {

TEST(CivilDate, ReadsOnlyDaysOfTheCalendar) {
  struct Case {
    const char* text;
    CivilDate date;
    const char* fault;  // empty when the date is read
  };
  const Case cases[] = {
      {"19/04/1950", {1950, 4, 19}, ""},
      {"29/02/2024", {2024, 2, 29}, ""},
      {"29/02/2000", {2000, 2, 29}, ""},
      {"01/01/0001", {1, 1, 1}, ""},
      {"31/12/9999", {9999, 12, 31}, ""},
      {"19.04.1950", {1950, 4, 19}, ""},  // a study made where the separator is "."
      {"29/02/1900", {}, "ce jour n'existe pas dans le calendrier"},
      {"29/02/2023", {}, "ce jour n'existe pas dans le calendrier"},
      {"31/02/2026", {}, "ce jour n'existe pas dans le calendrier"},
      {"31/04/2026", {}, "ce jour n'existe pas dans le calendrier"},
      {"00/01/2026", {}, "ce jour n'existe pas dans le calendrier"},
      {"10/00/2026", {}, "ce jour n'existe pas dans le calendrier"},
      {"10/13/2026", {}, "ce jour n'existe pas dans le calendrier"},
      {"01/01/0000", {}, "l'année doit aller de 0001 à 9999"_cp1252},
      {"1/1/2026", {}, "date attendue sous la forme jj/mm/aaaa"},
      {"01/01/20260", {}, "date attendue sous la forme jj/mm/aaaa"},
      {"01/01/-026", {}, "date attendue sous la forme jj/mm/aaaa"},
      {" 1/01/2026", {}, "date attendue sous la forme jj/mm/aaaa"},
      {"", {}, "date attendue sous la forme jj/mm/aaaa"},
  };
  for (const Case& c : cases) {
    if (*c.fault == '\0') {
      EXPECT_EQ(readCivilDate(c.text, "Date de début"_cp1252), c.date) << c.text;
      continue;
    }
    try {
      readCivilDate(c.text, "Date de début"_cp1252);
      ADD_FAILURE() << c.text << " was read";
    } catch (const UserMessage& refusal) {
      EXPECT_EQ(refusal.message(), "Date de début '"_cp1252 + Text(c.text) + "' : " + c.fault);
    }
  }
}

TEST(CivilDate, WeekdaysFromTheFirstDayOfTheEra) {
  const struct {
    CivilDate date;
    int64_t serial;
    const char* weekday;
  } cases[] = {
      {{1, 1, 1}, 0, "lundi"},
      {{2026, 12, 8}, 739957, "mardi"},
      {{1950, 4, 19}, 711965, "mercredi"},
      {{2024, 2, 29}, 738944, "jeudi"},
      {{9999, 12, 31}, 3652058, "vendredi"},
      {{2000, 1, 1}, 730119, "samedi"},
      {{2000, 1, 2}, 730120, "dimanche"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(serialDay(c.date), c.serial) << civilDateText(c.date);
    EXPECT_EQ(weekdayName(weekdayIndex(c.date)), c.weekday) << civilDateText(c.date);
  }
}

TEST(CivilDate, StepsByDaysAndMonthsWithinTheCalendar) {
  const struct {
    CivilDate from;
    int months;  // 0: one day forward
    CivilDate to;
  } cases[] = {
      {{2026, 2, 28}, 0, {2026, 3, 1}},      {{2024, 2, 28}, 0, {2024, 2, 29}},
      {{2026, 12, 31}, 0, {2027, 1, 1}},     {{9999, 12, 31}, 0, {9999, 12, 31}},
      {{2024, 1, 31}, 1, {2024, 2, 29}},     {{2023, 3, 31}, -1, {2023, 2, 28}},
      {{2026, 12, 8}, 1, {2027, 1, 8}},      {{2026, 1, 8}, -1, {2025, 12, 8}},
      {{2026, 12, 8}, -1200, {1926, 12, 8}}, {{1, 3, 15}, -12, {1, 1, 15}},
      {{9999, 10, 31}, 12, {9999, 12, 31}},
  };
  for (const auto& c : cases) {
    const CivilDate stepped = c.months == 0 ? nextDay(c.from) : addMonths(c.from, c.months);
    EXPECT_EQ(stepped, c.to) << civilDateText(c.from) << " " << c.months;
  }
}

}  // namespace
}  // namespace tessaro
