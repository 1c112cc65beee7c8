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
  Text& reading = result.reading;
  reading.reserve(ReadingReserve);
  appendReadingLine(reading, day, tableRow(BirthDayTexts, day));
  appendReadingLine(reading, month, tableRow(BirthMonthTexts, month));
  appendReadingLine(reading, year, tableRow(BirthYearTexts, year));
  appendLifePathReading(reading, lifePath);
  return result;
}

void appendLifePathReading(Text& reading, std::string_view lifePath) {
  appendReadingLine(reading, lifePath, tableRow(LifePathTitles, lifePath));
  reading += tableRow(LifePathTexts, lifePath);
  reading += CrLf;
}

}  // namespace tessaro
