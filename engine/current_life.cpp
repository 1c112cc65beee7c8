// The current life.
#include "engine/current_life.h"

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "engine/name_numbers.h"
#include "engine/text_table.h"
#include "engine/texts/current_life_texts.h"

namespace tessaro {
namespace {

NumberText placeNumber(std::string_view text) { return ReduceKeepMasters(LettersToDigits(text)); }

}  // namespace

CurrentLifeResult computeCurrentLife(const StudySubject& subject) {
  if (subject.Address.empty() || subject.PostcodeCity.empty()) throw UserMessage(MissingAddressMessage);

  CurrentLifeResult result;
  result.expression = ExpressionNumber(subject);
  result.city = placeNumber(subject.PostcodeCity);
  result.address = placeNumber(subject.Address + subject.PostcodeCity);
  result.company = placeNumber(subject.Company);

  Text& reading = result.reading;
  reading.reserve(ReadingReserve);
  reading += "Accord avec le nombre d'expression";
  reading += CrLf;
  reading += result.expression;
  reading += " est en accord avec ";
  reading += tableRow(ExpressionAccordTexts, result.expression);
  reading += CrLf;
  // A line of one space survives the memo cleaning and keeps the two sections apart.
  reading += " ";
  reading += CrLf;
  reading += "Société"_cp1252;
  reading += CrLf;
  if (subject.Company.empty()) {
    reading += NoCompanyLine;
  } else {
    reading += result.company;
    reading += ": ";
    reading += tableRow(CompanyTexts, result.company);
  }
  return result;
}

}  // namespace tessaro
