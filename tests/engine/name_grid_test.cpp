#include "engine/name_grid.h"

#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
#include "tests/engine/named_subject.h"

namespace tessaro {
namespace {

// The cells of a row written as one text, "." standing for an empty cell.
Text cells(const NameGridRow& row) {
  Text shown;
  for (const Text& cell : row) shown += cell.empty() ? Text(".") : cell;
  return shown;
}

TEST(NameGrid, RowsOfLettersAndDigits) {
  struct Case {
    StudySubject subject;
    const char* firstLetters;
    const char* firstDigits;
    const char* lastLetters;
    const char* lastDigits;
  };
  const Case cases[] = {
      // The hyphen takes a letter cell but no digit cell: the 7 of P stands under it.
      {named("JEAN-PIERRE", "DUPONT"), "JEAN-PIERRE..........", "1515795995...........",
       "DUPONT...............", "437652..............."},
      // Accented capitals have no value; lower-case é has one.
      {named("HÉLÈNE"_cp1252, "ZOLA"), "HÉLÈNE..............."_cp1252, "8355.................",
       "ZOLA.................", "8631................."},
      {named("éMILE"_cp1252, "LI"), "éMILE................"_cp1252, "54935................",
       "LI...................", "39..................."},
      // Only the first 21 letters and the first 21 digits are shown.
      {named("ABCDEFGHIJKLMNOPQRSTUVWXY", "Z"), "ABCDEFGHIJKLMNOPQRSTU", "123456789123456789123",
       "Z....................", "8...................."},
      {named("", ""), ".....................", ".....................", ".....................",
       "....................."},
  };
  for (const Case& c : cases) {
    const NameGrid grid = computeNameGrid(c.subject);
    EXPECT_EQ(cells(grid.firstNameLetters), c.firstLetters) << c.subject.FirstName;
    EXPECT_EQ(cells(grid.firstNameDigits), c.firstDigits) << c.subject.FirstName;
    EXPECT_EQ(cells(grid.lastNameLetters), c.lastLetters) << c.subject.LastName;
    EXPECT_EQ(cells(grid.lastNameDigits), c.lastDigits) << c.subject.LastName;
  }
}

}  // namespace
}  // namespace tessaro
