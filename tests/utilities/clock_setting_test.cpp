// Local to universal time and setting the clock from the window's labels.
#include "utilities/clock_setting.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "utilities/fake_clock.h"
#include "utilities/scoped_zone.h"

namespace tessaro {
namespace {

using testing::ParisZone;

TEST(ClockSetting, UniversalTimeFollowsTheZonesSummerTime) {
  struct Case {
    const char* zone;
    DateTime local;
    DateTime universal;
  };
  const Case cases[] = {
      {ParisZone, {2026, 7, 15, 14, 30, 5}, {2026, 7, 15, 12, 30, 5}},  // summer: two hours
      {ParisZone, {2026, 1, 15, 14, 30, 5}, {2026, 1, 15, 13, 30, 5}},  // winter: one hour
      {ParisZone, {2026, 1, 1, 0, 30, 0}, {2025, 12, 31, 23, 30, 0}},   // back across the year
      {ParisZone, {2026, 3, 29, 1, 59, 0}, {2026, 3, 29, 0, 59, 0}},    // just before the change
      {ParisZone, {2026, 3, 29, 3, 0, 0}, {2026, 3, 29, 1, 0, 0}},      // just after it
      {"UTC0", {2026, 7, 15, 14, 30, 5}, {2026, 7, 15, 14, 30, 5}},
      {"EST5EDT,M3.2.0,M11.1.0", {2026, 7, 10, 22, 0, 0}, {2026, 7, 11, 2, 0, 0}},  // forward a day
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.zone << " " << c.local.day << "/" << c.local.month << " "
                                      << c.local.hour << ":" << c.local.minute);
    EXPECT_EQ(universalFromLocal(c.local, c.zone), c.universal);
  }
}

TEST(ClockSetting, TheNamedZoneIsUsedOnlyForTheConversion) {
  const testing::ScopedZone utc("UTC0");
  EXPECT_EQ(universalFromLocal({2026, 7, 15, 14, 0, 0}, ParisZone), (DateTime{2026, 7, 15, 12, 0, 0}));
  EXPECT_STREQ(std::getenv("TZ"), "UTC0");
  EXPECT_EQ(universalFromLocal({2026, 7, 15, 14, 0, 0}), (DateTime{2026, 7, 15, 14, 0, 0}));
}

TEST(ClockSetting, OnlyExistingDatesAndTimesAreValid) {
  struct Case {
    DateTime value;
    bool valid;
  };
  const Case cases[] = {
      {{2026, 6, 15, 10, 15, 30}, true},  {{2026, 6, 0, 10, 15, 30}, false},
      {{2026, 0, 15, 10, 15, 30}, false}, {{2026, 13, 15, 10, 15, 30}, false},
      {{2026, 2, 31, 10, 15, 30}, false}, {{2025, 2, 29, 10, 15, 30}, false},
      {{2024, 2, 29, 10, 15, 30}, true},  {{2026, 6, 15, 24, 0, 0}, false},
      {{2026, 6, 15, 23, 59, 59}, true},  {{2026, 6, 15, 0, 0, 0}, true},
      {{2026, 6, 15, 10, 60, 0}, false},  {{2026, 6, 15, -1, 0, 0}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.value.day << "/" << c.value.month << "/" << c.value.year << " "
                                      << c.value.hour << ":" << c.value.minute);
    EXPECT_EQ(isValidDateTime(c.value), c.valid);
  }
}

class ClockSettingInParis : public ::testing::Test {
 protected:
  testing::ScopedZone paris{ParisZone};
  testing::FakeClock clock{{2026, 6, 15, 10, 15, 30}};
};

TEST_F(ClockSettingInParis, SetsTheUniversalTimeOfTheLabels) {
  setClockFromLabels({"10:16:30", "15/06/2026"});
  setClockFromLabels({"10:16:30", "15/12/2026"});
  EXPECT_EQ(clock.settings, (std::vector<DateTime>{{2026, 6, 15, 8, 16, 30}, {2026, 12, 15, 9, 16, 30}}));
}

TEST_F(ClockSettingInParis, ReportsWhatCannotBeSet) {
  struct Case {
    ClockLabels labels;
    const char* refusal;
    Text message;
  };
  const Text prefix = "Impossible de régler l'horloge\n"_cp1252;
  const Case cases[] = {
      {{"10:15:30", "00/06/2026"}, nullptr, prefix + "cette date ou cette heure n'existe pas"},
      {{"24:15:30", "15/06/2026"}, nullptr, prefix + "cette date ou cette heure n'existe pas"},
      {{"10:15:30", "31/02/2026"}, nullptr, prefix + "cette date ou cette heure n'existe pas"},
      {{"10:15:30", "15/00/2026"}, nullptr, prefix + "cette date ou cette heure n'existe pas"},
      {{"10:15:30", "15/06/2026"}, PermissionDeniedReason.data(), prefix + "permission refusée"_cp1252},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.labels.time + " " + c.labels.date);
    if (c.refusal) clock.refusal = c.refusal;
    try {
      setClockFromLabels(c.labels);
      ADD_FAILURE() << "no failure";
    } catch (const TessaroError& error) {
      EXPECT_EQ(error.message(), c.message);
    }
  }
  EXPECT_TRUE(clock.settings.empty());
  EXPECT_THROW(setClockFromLabels({"10:1x:30", "15/06/2026"}), ConversionError);
}

}  // namespace
}  // namespace tessaro
