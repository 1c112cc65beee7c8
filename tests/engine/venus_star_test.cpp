#include "engine/venus_star.h"

#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
#include "tests/engine/named_subject.h"

namespace tessaro {
namespace {

TEST(VenusStar, DigitsOfTheLastNameThenTheFirstNameAndTheirCounts) {
  struct Case {
    StudySubject subject;
    const char* digits;
    DigitCountArray counts;
  };
  const Case cases[] = {
      {named("JEAN-PIERRE", "DUPONT"), "4376521515795995", {16, 2, 1, 1, 1, 5, 1, 2, 0, 3}},
      // Letters beyond the grid's 21 cells count too.
      {named("ABCDEFGHIJKLMNOPQRSTUVWXY", "Z"),
       "81234567891234567891234567",
       {26, 3, 3, 3, 3, 3, 3, 3, 3, 2}},
      // Hyphens, accented capitals, ë and ü have no letter value and add nothing to element 0.
      {named("NOëL"_cp1252, "MüLLER-É"_cp1252), "43359563", {8, 0, 0, 3, 1, 2, 1, 0, 0, 1}},
      {named("-", "É"_cp1252), "", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const VenusStar star = computeVenusStar(c.subject);
    EXPECT_EQ(star.digits, c.digits) << c.subject.FirstName;
    EXPECT_EQ(star.counts, c.counts) << c.subject.FirstName;
  }
}

}  // namespace
}  // namespace tessaro
