// New-study normalisation rules.
#include "common/study_subject.h"

#include <cstdio>

namespace tessaro {

Text newStudyOkProblem(const NewStudyInput& input) {
  // The test is made on the raw text: three blanks pass, and become an empty name later.
  if (input.firstName.empty()) return MissingFirstNameMessage;
  if (input.lastName.empty()) return MissingLastNameMessage;
  return {};
}

NewStudyInput withBlanksRemovedFromNames(NewStudyInput input) {
  input.firstName = removeBlanks(input.firstName);
  input.lastName = removeBlanks(input.lastName);
  return input;
}

StudySubject subjectFromNewStudy(const NewStudyInput& input) {
  StudySubject s;
  s.FirstName = trim(upperAscii(input.firstName));
  s.LastName = trim(upperAscii(input.lastName));
  s.BirthDate = input.birthDate;
  s.StudyDate = input.studyDate;
  s.Address = trim(upperAscii(input.address));
  s.PostcodeCity = trim(upperAscii(input.postcodeCity));
  s.Company = trim(upperAscii(input.company));
  return s;
}

StudySubject trimmedSubject(StudySubject s) {
  s.FirstName = trim(s.FirstName);
  s.LastName = trim(s.LastName);
  s.Address = trim(s.Address);
  s.PostcodeCity = trim(s.PostcodeCity);
  s.Company = trim(s.Company);
  return s;
}

Text dateText(int day, int month, int year, char separator) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d%c%02d%c%04d", day, separator, month, separator, year);
  return buffer;
}

Text studyCaption(const StudySubject& subject) { return subject.LastName + " " + subject.FirstName; }

}  // namespace tessaro
