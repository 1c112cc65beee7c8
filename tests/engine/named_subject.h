// A study subject that has only its two names, for the tests of the name analyses.
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

}  // namespace tessaro
