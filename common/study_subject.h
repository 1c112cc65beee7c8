// The subject of a study and the rules that turn what the user typed into it.
#pragma once

#include "common/cp1252_literal.h"
#include "common/text.h"

namespace tessaro {

struct StudySubject {
  Text LastName;
  Text FirstName;
  Text BirthDate;  // "dd/mm/yyyy"
  Text StudyDate;  // "dd/mm/yyyy"
  Text Address;
  Text PostcodeCity;
  Text Company;

  bool operator==(const StudySubject&) const = default;
};

// What the new-study dialog's inputs hold when it closes (raw, as typed).
struct NewStudyInput {
  Text firstName;
  Text lastName;
  Text birthDate;
  Text studyDate;
  Text address;
  Text postcodeCity;
  Text company;
};

// The OK button's checks on the raw texts: "Il manque le prénom", "Il manque le nom", or empty
// when the dialog may close.
Text newStudyOkProblem(const NewStudyInput& input);

// The OK button's blank removal in the two names; the other inputs stay as typed.
NewStudyInput withBlanksRemovedFromNames(NewStudyInput input);

// The dialog's Result: names, address, postcode-city and company upper-cased a-z and trimmed;
// dates as they are.
StudySubject subjectFromNewStudy(const NewStudyInput& input);

// A subject as a study file holds it: texts trimmed, dates as they are, nothing upper-cased.
StudySubject trimmedSubject(StudySubject subject);

// "dd/mm/yyyy" with the given separator.
Text dateText(int day, int month, int year, char separator = '/');

// The study window's caption: last name, one blank, first name.
Text studyCaption(const StudySubject& subject);

inline constexpr const char* MissingFirstNameMessage = "Il manque le prénom"_cp1252;
inline constexpr const char* MissingLastNameMessage = "Il manque le nom";

}  // namespace tessaro
