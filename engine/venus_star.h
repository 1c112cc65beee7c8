// The Venus star: how often each digit 1-9 occurs among the letter values of the whole name.
#pragma once

#include "common/study_subject.h"
#include "engine/primitives.h"

namespace tessaro {

struct VenusStar {
  // Every letter value of the last name, then of the first name, beyond the grid's cells too.
  Text digits;
  // Element 0: how many digits were counted; element d: how often the digit d occurs.
  DigitCountArray counts;
};

VenusStar computeVenusStar(const StudySubject& subject);

}  // namespace tessaro
