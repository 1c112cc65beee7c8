// Luck numbers: worked subjects and the failures of a malformed date or name.
#include "engine/luck_numbers.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace tessaro {
namespace {

StudySubject subject(const char* firstName, const char* lastName, const char* birthDate) {
  StudySubject s;
  s.FirstName = firstName;
  s.LastName = lastName;
  s.BirthDate = birthDate;
  return s;
}

TEST(LuckNumbers, WorkedSubjects) {
  struct Case {
    StudySubject subject;
    LuckNumbersResult expected;
  };
  for (const Case& c : {
           // Date digit 2 (1973), date digits 11 wins; unique 1 + 8 + 11 = 20 stays as it is.
           Case{subject("MARIE", "DURAND", "19/04/1950"), {"20", "11", "19", "1", "1, 2, 6, 19, 20, 42"}},
           // Both date numbers reduce to 4: the sum 1975 would give 22 with masters kept.
           Case{subject("MARIE", "DURAND", "19/06/1950"), {"13", "4", "19", "1", "1, 4, 10, 13, 19, 37"}},
           // The day keeps its zero in its field and loses it in the list.
           Case{subject("MARIE", "DURAND", "05/04/1950"), {"15", "6", "05", "1", "1, 5, 6, 15, 18, 27"}},
           // Day 29 adds 11 to the second item, day 22 adds 4.
           Case{subject("MARIE", "DURAND", "29/04/1950"), {"12", "3", "29", "1", "1, 3, 12, 18, 29, 45"}},
           Case{subject("MARIE", "DURAND", "22/04/1950"), {"14", "5", "22", "1", "1, 5, 14, 15, 22, 42"}},
           // Date digit equal to the intimate number: both stay.
           Case{subject("MARIE", "DURAND", "18/04/1950"), {"10", "1", "18", "1", "1, 1, 10, 12, 18, 30"}},
           // The eight digits reach 22 and beat the date digit 4; 1 + 8 + 22 = 31 comes down to 4.
           Case{subject("MARIE", "DURAND", "01/02/1981"), {"4", "22", "01", "1", "1, 1, 4, 4, 10, 10"}},
           // First name 56 gives 2 (not 11), DUPONT 9: unique 22, reduced to 4 in the second item.
           Case{subject("JEAN-PIERRE", "DUPONT", "19/04/1950"),
                {"22", "11", "19", "7", "2, 7, 14, 19, 22, 50"}},
           // A malformed day that no date picker gives still lists in increasing order.
           Case{subject("MARIE", "DURAND", "99/04/1950"), {"10", "1", "99", "1", "1, 1, 10, 12, 99, 111"}},
       }) {
    const LuckNumbersResult r = computeLuckNumbers(c.subject);
    const Text label = c.subject.FirstName + " " + c.subject.BirthDate;
    EXPECT_EQ(r.unique, c.expected.unique) << label;
    EXPECT_EQ(r.lifePath, c.expected.lifePath) << label;
    EXPECT_EQ(r.birthDay, c.expected.birthDay) << label;
    EXPECT_EQ(r.intimate, c.expected.intimate) << label;
    EXPECT_EQ(r.luckList, c.expected.luckList) << label;
  }
}

TEST(LuckNumbers, FailsWithTheFirstConversionThatFails) {
  struct Case {
    StudySubject subject;
    const char* offending;
  };
  for (const Case& c : {
           Case{subject("MARIE", "DURAND", ""), ""},
           Case{subject("MARIE", "DURAND", "19/xx/1950"), "xx"},
           Case{subject("MARIE", "DURAND", "19/04"), ""},
           // The date is converted before the names are.
           Case{subject("-", "DURAND", "ab/04/1950"), "ab"},
           Case{subject("-", "DURAND", "19/04/1950"), ""},
           Case{subject("MARIE", "", "19/04/1950"), ""},
           // Letters of value but no vowel: only the intimate number is missing.
           Case{subject("BRT", "KLM", "19/04/1950"), ""},
       }) {
    try {
      computeLuckNumbers(c.subject);
      ADD_FAILURE() << "no error for " << c.subject.FirstName << " " << c.subject.BirthDate;
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.message(), formatMessage(NotAnIntegerPattern, c.offending)) << c.subject.BirthDate;
    }
  }
}

TEST(LuckNumbers, ListText) {
  struct Case {
    std::vector<Text> numbers;
    const char* list;
  };
  for (const Case& c : {
           Case{{"42", "6", "20", "2", "19", "1"}, "1, 2, 6, 19, 20, 42"},
           Case{{"05", "5", "10"}, "5, 5, 10"},
           Case{{"0"}, "0"},
           Case{{}, ""},
       }) {
    EXPECT_EQ(luckListText(c.numbers), c.list);
  }
}

}  // namespace
}  // namespace tessaro
