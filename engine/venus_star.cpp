// The Venus star.
#include "engine/venus_star.h"

namespace tessaro {

VenusStar computeVenusStar(const StudySubject& subject) {
  VenusStar star;
  star.digits = LettersToDigits(subject.LastName) + LettersToDigits(subject.FirstName);
  star.counts = Denombre(star.digits);
  return star;
}

}  // namespace tessaro
