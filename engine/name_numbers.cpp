// The five name numbers.
#include "engine/name_numbers.h"

namespace tessaro {

// A coding goes character by character, so the coding of the whole name is that of the first
// name followed by that of the last name: the names need not be joined first.
Text wholeNameDigits(const StudySubject& subject, Text (*coding)(std::string_view)) {
  Text digits = coding(subject.FirstName);
  digits += coding(subject.LastName);
  return digits;
}

NumberText IntimateNumber(const StudySubject& subject) {
  return ReduceKeepMasters(wholeNameDigits(subject, VowelsToDigits));
}

NumberText ExpressionNumber(const StudySubject& subject) {
  return ReduceKeepMasters(wholeNameDigits(subject, LettersToDigits));
}

NumberText RealisationNumber(const StudySubject& subject) {
  return ReduceKeepMasters(wholeNameDigits(subject, ConsonantsToDigits));
}

NumberText ActiveNumber(const StudySubject& subject) {
  return ReduceKeepMasters(LettersToDigits(subject.FirstName));
}

NumberText HereditaryNumber(const StudySubject& subject) {
  return ReduceKeepMasters(LettersToDigits(subject.LastName));
}

}  // namespace tessaro
