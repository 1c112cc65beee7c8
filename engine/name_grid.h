// The letter grid of the name: the captions of its four rows of cells.
#pragma once

#include <array>
#include <cstddef>

#include "common/study_subject.h"

namespace tessaro {

inline constexpr size_t NameGridCells = 21;

// One character per cell from the left; "" in a cell past the end of the text.
using NameGridRow = std::array<Text, NameGridCells>;

// The digit rows come from the digit string, not letter by letter: after a character without
// value (a hyphen, an accented capital) every digit stands one cell left of its letter.
struct NameGrid {
  NameGridRow firstNameLetters;
  NameGridRow firstNameDigits;
  NameGridRow lastNameLetters;
  NameGridRow lastNameDigits;
};

NameGrid computeNameGrid(const StudySubject& subject);

}  // namespace tessaro
