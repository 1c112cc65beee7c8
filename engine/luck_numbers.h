// The luck numbers: six favourable numbers drawn from the name and the date of birth.
#pragma once

#include <span>

#include "common/study_subject.h"
#include "engine/primitives.h"

namespace tessaro {

// The texts of the luck dialog, in the order its Init receives them.
struct LuckNumbersResult {
  NumberText unique;    // this analysis' own unique number, 3-22
  NumberText lifePath;  // this analysis' own life path: the date sum reduced to one digit
  Text birthDay;        // characters 1-2 of the date of birth, leading zero kept
  NumberText intimate;
  Text luckList;  // the six favourable numbers in increasing order, joined by ", "
};

// Fails with the conversion error on a malformed date of birth, or names without a letter or a
// vowel of value; the date is not tested beforehand.
LuckNumbersResult computeLuckNumbers(const StudySubject& subject);

// Numbers in increasing order (equal ones all kept), leading zeros of two-character forms
// dropped, joined by ", ". Shared with the portrait, whose list is gathered differently.
Text luckListText(std::span<const Text> numbers);

}  // namespace tessaro
