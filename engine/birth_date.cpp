// The birth date analysis.
#include "engine/birth_date.h"

#include "common/errors.h"
#include "engine/date_numbers.h"
#include "engine/text_table.h"
#include "engine/texts/birth_date_texts.h"

namespace tessaro {
namespace {

Text equation(const Text& part, const NumberText& number) { return part + " = " + number; }

}  // namespace

BirthDateResult computeBirthDate(const StudySubject& subject) {
  if (subject.BirthDate.size() != 10) throw UserMessage(MissingBirthDateMessage);
  const DateParts parts = cutDate(subject.BirthDate);
  const NumberText lifePath = LifePathNumber(subject.BirthDate);
  const NumberText day = ReduceKeepMasters(parts.day);
  const NumberText month = ReduceKeepMasters(parts.month);
  const NumberText year = ReduceToDigit(parts.year);

  BirthDateResult result;
  result.dayLine = equation(parts.day, day);
  result.monthLine = equation(parts.month, month);
  result.yearLine = equation(parts.year, year);
  result.lifePath = lifePath;
  result.reading = readingLine(day, tableText(BirthDayTexts, day)) +
                   readingLine(month, tableText(BirthMonthTexts, month)) +
                   readingLine(year, tableText(BirthYearTexts, year)) +
                   readingLine(lifePath, tableText(LifePathTitles, lifePath)) +
                   tableText(LifePathTexts, lifePath) + Text(CrLf);
  return result;
}

}  // namespace tessaro
