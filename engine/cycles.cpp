// The cycles of a life, from the date and name numbers the other analyses show.
#include "engine/cycles.h"

#include <cstdlib>

#include "common/errors.h"
#include "common/integer.h"
#include "engine/current_year.h"
#include "engine/date_numbers.h"
#include "engine/name_numbers.h"
#include "engine/text_table.h"
#include "engine/texts/cycles_texts.h"

namespace tessaro {
namespace {

// The first period and the formative cycle last 36 years less the life path brought to one digit.
constexpr int32_t FirstPeriodBase = 36;
constexpr int32_t MiddlePeriodYears = 9;
constexpr int32_t ProductiveCycleYears = 27;

constexpr std::array<int32_t, 4> KarmicDebtValues = {13, 14, 16, 19};

// The debts of one source as bits, in the order of KarmicDebtValues, so each is kept once and they
// come out in ascending order.
using DebtBits = unsigned;

DebtBits debtBit(long long value) {
  for (size_t i = 0; i < KarmicDebtValues.size(); ++i) {
    if (value == KarmicDebtValues[i]) return 1u << i;
  }
  return 0;
}

DebtBits passDebts(std::string_view reduced) {
  const ReductionPasses passes = KeepMastersPasses(reduced);
  DebtBits bits = 0;
  for (size_t i = 0; i < passes.count; ++i) bits |= debtBit(passes.sums[i]);
  return bits;
}

void addDebts(std::vector<KarmicDebt>& debts, DebtSource source, DebtBits bits) {
  for (size_t i = 0; i < KarmicDebtValues.size(); ++i) {
    if (bits & (1u << i)) debts.push_back({source, KarmicDebtValues[i]});
  }
}

std::vector<KarmicDebt> findKarmicDebts(const StudySubject& subject, bool nameCounts) {
  const DateParts parts = cutDate(subject.BirthDate);
  const long long day = toInteger(parts.day);
  const long long dateSum = day + toInteger(parts.month) + toInteger(parts.year);
  std::vector<KarmicDebt> debts;
  addDebts(debts, DebtSource::Day, debtBit(day));
  addDebts(
      debts, DebtSource::LifePath,
      debtBit(dateSum) | passDebts(integerText(dateSum)) | passDebts(parts.day + parts.month + parts.year));
  if (nameCounts) {
    addDebts(debts, DebtSource::Intimate, passDebts(wholeNameDigits(subject, VowelsToDigits)));
    addDebts(debts, DebtSource::Expression, passDebts(wholeNameDigits(subject, LettersToDigits)));
    addDebts(debts, DebtSource::Realisation, passDebts(wholeNameDigits(subject, ConsonantsToDigits)));
  }
  return debts;
}

// The study date fails exactly where the current year analysis would stop on it: its checks are
// run in the same order, although only the year gives the age.
int32_t studyDateAge(const StudySubject& subject) {
  if (subject.StudyDate.size() != 10) throw UserMessage(MissingBirthDateMessage);
  const NumberText personalYear = PersonalYearNumber(subject.BirthDate, subject.StudyDate);
  const int32_t age = studyAge(subject.BirthDate, subject.StudyDate);
  StudyDayNumber(subject.StudyDate, StudyMonthNumber(subject.StudyDate, personalYear));
  return age;
}

int32_t value(std::string_view number) { return toInteger(number); }

NumberText difference(int32_t a, int32_t b) { return integerText(std::abs(a - b)); }

// A line is the number, ": ", a heading that says what the number is and when, then the reading
// of the number after a space (nothing when its table has no row for it).
void startLine(Text& out, std::string_view number, std::string_view heading) {
  out += number;
  out += ": ";
  out += heading;
}

void appendReading(Text& out, std::string_view reading) {
  if (reading.empty()) return;
  out += ' ';
  out += reading;
}

void endLine(Text& out, const AgeSpan& ages, std::string_view reading) {
  out += " (";
  appendAges(out, ages);
  out += ").";
  appendReading(out, reading);
  out += CrLf;
}

}  // namespace

NumberText cycleSum(long long sum) {
  if (sum == 11 || sum == 22) return integerText(sum);
  return ReduceKeepMasters(integerText(sum));
}

void appendAges(Text& out, const AgeSpan& ages) {
  if (ages.to) {
    out += "de ";
    out += integerText(ages.from);
    out += " à "_cp1252;
    out += integerText(*ages.to);
  } else {
    out += "à partir de "_cp1252;
    out += integerText(ages.from);
  }
  out += " ans";
}

CyclesResult computeCycles(const StudySubject& subject) {
  if (subject.BirthDate.size() != 10) throw UserMessage(MissingBirthDateMessage);
  // In the birth date analysis' order, so a bad date stops on the same part with the same message.
  const NumberText lifePath = LifePathNumber(subject.BirthDate);
  const DateParts parts = cutDate(subject.BirthDate);
  const int32_t d = value(ReduceKeepMasters(parts.day));
  const int32_t m = value(ReduceKeepMasters(parts.month));
  const int32_t y = value(ReduceToDigit(parts.year));

  CyclesResult result;
  result.age = studyDateAge(subject);

  const int32_t firstEnd = FirstPeriodBase - value(ReduceToDigit(lifePath));
  const std::array<AgeSpan, 4> periodAges = {
      AgeSpan{0, firstEnd}, AgeSpan{firstEnd, firstEnd + MiddlePeriodYears},
      AgeSpan{firstEnd + MiddlePeriodYears, firstEnd + 2 * MiddlePeriodYears},
      AgeSpan{firstEnd + 2 * MiddlePeriodYears, std::nullopt}};
  const NumberText r1 = cycleSum(m + d);
  const NumberText r2 = cycleSum(d + y);
  const NumberText r3 = cycleSum(value(r1) + value(r2));
  const NumberText r4 = cycleSum(m + y);
  const int32_t dayDigit = value(ReduceToDigit(integerText(d)));
  const int32_t c1 = std::abs(m - dayDigit);
  const int32_t c2 = std::abs(dayDigit - y);
  const std::array<NumberText, 4> challenges = {integerText(c1), integerText(c2), difference(c1, c2),
                                                difference(m, y)};
  const std::array<NumberText, 4> realisations = {r1, r2, r3, r4};
  for (size_t i = 0; i < 4; ++i) result.periods[i] = {periodAges[i], realisations[i], challenges[i]};

  const int32_t harvestStart = firstEnd + ProductiveCycleYears;
  result.lifeCycles = {LifeCycle{LifeCycleNames[0], integerText(m), AgeSpan{0, firstEnd}},
                       LifeCycle{LifeCycleNames[1], integerText(d), AgeSpan{firstEnd, harvestStart}},
                       LifeCycle{LifeCycleNames[2], integerText(y), AgeSpan{harvestStart, std::nullopt}}};

  const NumberText expression = ExpressionNumber(subject);
  if (!expression.empty()) result.maturity = cycleSum(value(lifePath) + value(expression));
  result.karmicDebts = findKarmicDebts(subject, !expression.empty());

  for (size_t i = 0; i < result.periods.size(); ++i) {
    if (result.periods[i].ages.holds(result.age)) result.currentPeriod = i;
  }
  for (size_t i = 0; i < result.lifeCycles.size(); ++i) {
    if (result.lifeCycles[i].ages.holds(result.age)) result.currentCycle = i;
  }

  Text& reading = result.reading;
  reading.reserve(ReadingReserve);
  if (result.currentPeriod) {
    appendPeriodReading(reading, result, *result.currentPeriod);
    appendChallengeReading(reading, result, *result.currentPeriod);
    appendLifeCycleReading(reading, result, *result.currentCycle);
  } else {
    reading += "Aucune période en cours : l'année de l'étude précède celle de la naissance."_cp1252;
    reading += CrLf;
  }
  appendMaturityReading(reading, result);
  appendKarmicDebtsReading(reading, result);
  return result;
}

void appendPeriodReading(Text& out, const CyclesResult& result, size_t period) {
  const RealisationPeriod& p = result.periods.at(period);
  startLine(out, p.realisation, "Période de réalisation "_cp1252);
  out += char('1' + period);
  endLine(out, p.ages, tableRow(RealisationPeriodTexts, p.realisation));
}

void appendChallengeReading(Text& out, const CyclesResult& result, size_t period) {
  const RealisationPeriod& p = result.periods.at(period);
  startLine(out, p.challenge, "Défi "_cp1252);
  out += char('1' + period);
  // The third challenge, the difference of the first two, weighs on the whole life.
  if (period == 2) out += ", défi principal"_cp1252;
  endLine(out, p.ages, tableRow(ChallengeTexts, p.challenge));
}

void appendLifeCycleReading(Text& out, const CyclesResult& result, size_t cycle) {
  const LifeCycle& c = result.lifeCycles.at(cycle);
  startLine(out, c.number, "Cycle ");
  out += c.name;
  endLine(out, c.ages, tableRow(LifeCycleTexts, c.number));
}

void appendMaturityReading(Text& out, const CyclesResult& result) {
  if (result.maturity.empty()) {
    out += "Pas de nombre de maturité : le nom n'a aucune lettre qui compte."_cp1252;
  } else {
    startLine(out, result.maturity, "Nombre de maturité."_cp1252);
    appendReading(out, tableRow(MaturityTexts, result.maturity));
  }
  out += CrLf;
}

void appendKarmicDebtsReading(Text& out, const CyclesResult& result) {
  if (result.karmicDebts.empty()) {
    out += "Aucune dette karmique.";
    out += CrLf;
    return;
  }
  for (int32_t debt : KarmicDebtValues) {
    bool found = false;
    for (const KarmicDebt& d : result.karmicDebts) {
      if (d.debt != debt) continue;
      if (!found) startLine(out, integerText(debt), "Dette karmique (");
      out += found ? ", " : "";
      out += DebtSourceNames[static_cast<size_t>(d.source)];
      found = true;
    }
    if (!found) continue;
    out += ").";
    appendReading(out, tableRow(KarmicDebtTexts, debt));
    out += CrLf;
  }
}

}  // namespace tessaro
