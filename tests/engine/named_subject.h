// Study subjects with only the fields an analysis reads, for the tests of the analyses.
#pragma once

#include <string_view>

#include "common/study_subject.h"

namespace tessaro {

inline StudySubject named(std::string_view firstName, std::string_view lastName) {
  StudySubject subject;
  subject.FirstName = firstName;
  subject.LastName = lastName;
  return subject;
}

// The two names and the two dates, for the analyses of the dates.
inline StudySubject subject(std::string_view firstName, std::string_view lastName, std::string_view birthDate,
                            std::string_view studyDate = {}) {
  StudySubject subject = named(firstName, lastName);
  subject.BirthDate = birthDate;
  subject.StudyDate = studyDate;
  return subject;
}

}  // namespace tessaro
