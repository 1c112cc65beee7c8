// The personal calendar against the one-date current year analysis, day by day.
#include "engine/forecast.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "engine/named_subject.h"

namespace tessaro {
namespace {

std::vector<ForecastDay> walked(const PersonalForecast& forecast, CivilDate from, CivilDate to,
                                const ForecastFilter& filter = {}) {
  std::vector<ForecastDay> days;
  forecast.walk(from, to, filter, [&](const ForecastDay& day) {
    days.push_back(day);
    return true;
  });
  return days;
}

// Every day of the range holds what "Année en cours" shows with that day as the study date.
TEST(Forecast, EveryDayIsTheCurrentYearOfThatDay) {
  const struct {
    StudySubject subject;
    CivilDate from;
    CivilDate to;
  } cases[] = {
      // A birthday and a new year inside the range.
      {subject("JEAN", "DUPONT", "19/04/1950"), {2025, 3, 1}, {2026, 5, 31}},
      // Born on a leap day; the range starts before the birth year (negative markers, no letter).
      {subject("MARIE", "DURAND", "29/02/1960"), {1958, 11, 20}, {1961, 3, 10}},
      // No letter A-Z in the names, and the age past ten rounds of a short name.
      {subject("ÉÈ"_cp1252, "", "01/01/1900"), {1999, 12, 1}, {2000, 1, 31}},
      {subject("AL", "", "05/09/1900"), {1919, 12, 25}, {1920, 1, 5}},
      // The first and last days the calendar has.
      {subject("JEAN", "DUPONT", "01/01/0001"), {1, 1, 1}, {1, 2, 1}},
      {subject("JEAN", "DUPONT", "31/12/9999"), {9999, 12, 1}, {9999, 12, 31}},
  };
  for (const auto& c : cases) {
    const PersonalForecast forecast(c.subject);
    const std::vector<ForecastDay> days = walked(forecast, c.from, c.to);
    ASSERT_EQ(days.size(), static_cast<size_t>(serialDay(c.to) - serialDay(c.from) + 1));
    CivilDate expectedDate = c.from;
    for (const ForecastDay& day : days) {
      StudySubject study = c.subject;
      study.StudyDate = civilDateText(day.date);
      const CurrentYearResult analysed = computeCurrentYear(study);
      SCOPED_TRACE(study.BirthDate + " " + study.StudyDate);
      ASSERT_EQ(day.date, expectedDate);
      EXPECT_EQ(day.weekday, weekdayIndex(day.date));
      EXPECT_EQ(day.personalYear, analysed.personalYear);
      EXPECT_EQ(day.monthNumber, analysed.monthNumber);
      EXPECT_EQ(day.dayNumber, analysed.dayNumber);
      EXPECT_EQ(day.transitLetter, analysed.transitLetter);
      EXPECT_EQ(day.markers.before, analysed.markerBefore);
      EXPECT_EQ(day.markers.after, analysed.markerAfter);
      const ForecastDay single = forecast.day(day.date);
      EXPECT_EQ(single.dayNumber, day.dayNumber);
      EXPECT_EQ(single.monthNumber, day.monthNumber);
      expectedDate = nextDay(expectedDate);
    }
  }
}

TEST(Forecast, WorkedExampleOfTheHelp) {
  // 19 + 4 + 2026 = 2049 -> 6; 12 + 6 = 18 -> 9; 8 + 9 = 17 -> 8; age 76: 77th letter of
  // JEANDUPONT written ten times is the 7th, P; 76 mod 12 = 4.
  const ForecastDay day = PersonalForecast(subject("JEAN", "DUPONT", "19/04/1950")).day({2026, 12, 8});
  EXPECT_EQ(weekdayName(day.weekday), "mardi");
  EXPECT_EQ(day.personalYear, "6");
  EXPECT_EQ(day.monthNumber, "9");
  EXPECT_EQ(day.dayNumber, "8");
  EXPECT_EQ(day.transitLetter, "P");
  EXPECT_EQ(day.markers.before, "4");
  EXPECT_EQ(day.markers.after, "5");
}

// A filtered walk keeps exactly the days of the whole walk that pass every condition.
TEST(Forecast, FiltersKeepTheDaysWhereEveryValueHolds) {
  const PersonalForecast forecast(subject("JEAN", "DUPONT", "19/04/1950"));
  const CivilDate from{2019, 7, 14};
  const CivilDate to{2031, 2, 3};
  const std::vector<ForecastDay> all = walked(forecast, from, to);
  const std::array<bool, 7> everyDay{true, true, true, true, true, true, true};
  const std::array<bool, 7> weekEnds{false, false, false, false, false, true, true};
  const std::array<bool, 7> tuesdays{false, true, false, false, false, false, false};
  const ForecastFilter filters[] = {
      {std::nullopt, std::nullopt, 8, everyDay},
      {std::nullopt, 9, std::nullopt, everyDay},
      {6, std::nullopt, std::nullopt, everyDay},
      {6, 9, 8, everyDay},
      {std::nullopt, std::nullopt, 1, weekEnds},
      {3, std::nullopt, std::nullopt, tuesdays},
      {2, 5, 7, tuesdays},
      {std::nullopt, std::nullopt, 11, everyDay},
  };
  for (const ForecastFilter& filter : filters) {
    std::vector<CivilDate> expected;
    for (const ForecastDay& day : all) {
      const auto holds = [](const std::optional<int>& wanted, const NumberText& value) {
        return !wanted || std::to_string(*wanted) == value;
      };
      if (holds(filter.personalYear, day.personalYear) && holds(filter.monthNumber, day.monthNumber) &&
          holds(filter.dayNumber, day.dayNumber) && filter.weekdays[static_cast<size_t>(day.weekday)]) {
        expected.push_back(day.date);
      }
    }
    std::vector<CivilDate> kept;
    for (const ForecastDay& day : walked(forecast, from, to, filter)) {
      kept.push_back(day.date);
      EXPECT_EQ(day.weekday, weekdayIndex(day.date));
    }
    EXPECT_EQ(kept, expected) << filter.personalYear.value_or(0) << filter.monthNumber.value_or(0)
                              << filter.dayNumber.value_or(0);
  }
}

TEST(Forecast, WalkStopsWhenAskedAndNeverGoesBackwards) {
  const PersonalForecast forecast(subject("JEAN", "DUPONT", "19/04/1950"));
  std::vector<CivilDate> firstThree;
  forecast.walk({2026, 1, 1}, LastCivilDate, {std::nullopt, std::nullopt, 8, {}},
                [&](const ForecastDay& day) {
                  firstThree.push_back(day.date);
                  return firstThree.size() < 3;
                });
  EXPECT_TRUE(firstThree.empty());  // no weekday chosen: nothing to find
  forecast.walk({2026, 1, 1}, LastCivilDate, {std::nullopt, std::nullopt, 8}, [&](const ForecastDay& day) {
    firstThree.push_back(day.date);
    return firstThree.size() < 3;
  });
  // January 2026: personal year 19 + 4 + 2026 = 2049 -> 6, month 1 + 6 = 7, day d + 7 -> 8 on 1, 10, 19.
  EXPECT_EQ(firstThree, (std::vector<CivilDate>{{2026, 1, 1}, {2026, 1, 10}, {2026, 1, 19}}));
  EXPECT_TRUE(walked(forecast, {2026, 1, 2}, {2026, 1, 1}).empty());
}

TEST(Forecast, HeadlinesOfThePersonalYears) {
  const char* const headlines[] = {
      "Avancement personnel.",
      "Relations avec autrui au premier plan.",
      "Année agréable. Succès. Relations publiques. Créativité."_cp1252,
      "Année de travail et d'efforts. Quelques restrictions."_cp1252,
      "Changement, épanouissement. Progrès ou chute."_cp1252,
      "Année de responsabilité. Le foyer et la famille."_cp1252,
      "Année propice à la réflexion et au calme. Ralentissement."_cp1252,
      "Année d'engagement et d'accomplissement. Vie matérielle."_cp1252,
      "Année de bilan et de préparation. Fin d'un cycle."_cp1252,
  };
  for (int number = 1; number <= 9; ++number) {
    EXPECT_EQ(personalYearHeadline(std::to_string(number)), headlines[number - 1]) << number;
    EXPECT_TRUE(periodReading(std::to_string(number)).starts_with("Idéal pour"_cp1252)) << number;
  }
  EXPECT_EQ(personalYearHeadline("10"), "");
}

TEST(Forecast, BirthdaysIncludingTheLeapDay) {
  const struct {
    const char* birth;
    CivilDate date;
    bool birthday;
  } cases[] = {
      {"19/04/1950", {2026, 4, 19}, true},  {"19/04/1950", {2026, 4, 18}, false},
      {"19/04/1950", {2026, 5, 19}, false}, {"29/02/1960", {2024, 2, 29}, true},
      {"29/02/1960", {2026, 2, 28}, true},  {"29/02/1960", {2024, 2, 28}, false},
      {"29/02/1960", {2026, 3, 1}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PersonalForecast(subject("A", "B", c.birth)).isBirthday(c.date), c.birthday)
        << c.birth << " " << civilDateText(c.date);
  }
}

TEST(Forecast, RefusesABirthDateTheCalendarDoesNotHave) {
  for (const char* birth : {"31/02/1950", "", "19/04/50", "00/04/1950", "19/04/0000"}) {
    EXPECT_THROW(PersonalForecast(subject("JEAN", "DUPONT", birth)), UserMessage) << birth;
  }
}

}  // namespace
}  // namespace tessaro
