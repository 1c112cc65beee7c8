// The letter grid of the name.
#include "engine/name_grid.h"

#include <string_view>

#include "engine/primitives.h"

namespace tessaro {
namespace {

NameGridRow gridRow(std::string_view text) {
  NameGridRow row;
  for (size_t k = 0; k < NameGridCells && k < text.size(); ++k) row[k] = Text(1, text[k]);
  return row;
}

}  // namespace

NameGrid computeNameGrid(const StudySubject& subject) {
  return {gridRow(subject.FirstName), gridRow(LettersToDigits(subject.FirstName)), gridRow(subject.LastName),
          gridRow(LettersToDigits(subject.LastName))};
}

}  // namespace tessaro
