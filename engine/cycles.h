// Cycles de vie: the four periods of realisation with their challenges, the three life cycles,
// the maturity number and the karmic debts, placed on the ages of a life.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "common/cp1252_literal.h"
#include "common/study_subject.h"
#include "engine/primitives.h"

namespace tessaro {

// The sum rule of the cycles: a sum of 11 or 22 stays as it is, any other is ReduceKeepMasters of
// its decimal text (so 10 gives 1 and 29 gives 11).
NumberText cycleSum(long long sum);

// Ages from `from` up to, but not including, `to`; the last span of a timeline has no end.
struct AgeSpan {
  int32_t from = 0;
  std::optional<int32_t> to;

  bool holds(int32_t age) const { return age >= from && (!to || age < *to); }
};

// A period of realisation and the challenge that runs beside it.
struct RealisationPeriod {
  AgeSpan ages;
  NumberText realisation;
  NumberText challenge;
};

// The names the life cycles are known by, in the order of a life.
inline constexpr std::array<std::string_view, 3> LifeCycleNames = {"formatif", "productif", "moisson"};

struct LifeCycle {
  std::string_view name;
  NumberText number;
  AgeSpan ages;
};

// Where a karmic debt was found, in the order the debts are listed.
enum class DebtSource { Day, LifePath, Intimate, Expression, Realisation };
inline constexpr std::array<std::string_view, 5> DebtSourceNames = {"jour", "chemin de vie", "intime",
                                                                    "expression", "réalisation"_cp1252};

struct KarmicDebt {
  DebtSource source;
  int32_t debt;  // 13, 14, 16 or 19
};

struct CyclesResult {
  int32_t age = 0;  // study year - birth year, as the current year counts it
  std::array<RealisationPeriod, 4> periods;
  std::array<LifeCycle, 3> lifeCycles;
  NumberText maturity;  // empty when the name has no letter of value
  std::vector<KarmicDebt> karmicDebts;
  // The ones that hold the age; none for a negative age.
  std::optional<size_t> currentPeriod;
  std::optional<size_t> currentCycle;
  // The current period, challenge and cycle, then maturity and debts, one reading line each.
  Text reading;
};

// Throws as the birth date analysis does for the birth date ("Date de naissance manquante" or the
// conversion error of its first bad part), then as the current year analysis does for the study
// date.
CyclesResult computeCycles(const StudySubject& subject);

// The reading lines of the timeline's parts, as the memo and the window show them, appended to
// out: the number, ": ", what the part is and when it runs, then the part's reading.
void appendPeriodReading(Text& out, const CyclesResult& result, size_t period);
void appendChallengeReading(Text& out, const CyclesResult& result, size_t period);
void appendLifeCycleReading(Text& out, const CyclesResult& result, size_t cycle);
void appendMaturityReading(Text& out, const CyclesResult& result);
// One line for each debt found, with all the sources it was found in; one line when there is none.
void appendKarmicDebtsReading(Text& out, const CyclesResult& result);

// The ages as the readings write them: "de 34 à 43 ans", "à partir de 61 ans".
void appendAges(Text& out, const AgeSpan& ages);

}  // namespace tessaro
