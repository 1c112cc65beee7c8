// The interpretation of the Venus star: its dominant and missing digits with their readings.
#pragma once

#include "common/study_subject.h"
#include "engine/primitives.h"

namespace tessaro {

// What the "Interprétation" dialog shows; reading is its memo text before the empty lines go.
struct InterpretationResult {
  Text dominant;  // the digits of the highest count, ascending, each followed by one space
  Text missing;   // the digits that do not occur, ascending, each followed by one space
  // Each dominant digit with its title and "Dominant" lines and a blank line, then each missing
  // digit with its title and "Manquant" lines.
  Text reading;
};

// From the counts the Venus star left on the study window. When every count is 0, all nine
// digits are both dominant and missing.
InterpretationResult interpretVenusCounts(const DigitCountArray& counts);

// The same from the subject's own Venus star.
InterpretationResult computeInterpretation(const StudySubject& subject);

}  // namespace tessaro
