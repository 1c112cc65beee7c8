// The five name numbers.
#include "engine/name_numbers.h"

namespace tessaro {
namespace {

Text wholeName(const StudySubject& subject) { return subject.FirstName + subject.LastName; }

}  // namespace

NumberText IntimateNumber(const StudySubject& subject) {
  return ReduceKeepMasters(VowelsToDigits(wholeName(subject)));
}

NumberText ExpressionNumber(const StudySubject& subject) {
  return ReduceKeepMasters(LettersToDigits(wholeName(subject)));
}

NumberText RealisationNumber(const StudySubject& subject) {
  return ReduceKeepMasters(ConsonantsToDigits(wholeName(subject)));
}

NumberText ActiveNumber(const StudySubject& subject) {
  return ReduceKeepMasters(LettersToDigits(subject.FirstName));
}

NumberText HereditaryNumber(const StudySubject& subject) {
  return ReduceKeepMasters(LettersToDigits(subject.LastName));
}

}  // namespace tessaro
