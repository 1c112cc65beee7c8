// Date parts, date sum, date digits and life path numbers.
#include "engine/date_numbers.h"

#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
#include "common/errors.h"

namespace tessaro {
namespace {

TEST(DateNumbers, SumDigitsAndLifePath) {
  struct Case {
    const char* date;
    const char* sum;
    const char* digits;
    const char* lifePath;
  };
  for (const Case& c : {
           Case{"19/04/1950", "2", "11", "11"},  // 1973 -> 20 -> 2; 29 -> 11
           Case{"19/06/1950", "22", "4", "22"},  // 1975 -> 22; 31 -> 4
           Case{"09/09/2000", "11", "2", "11"},  // 2018 -> 11; 20 -> 2
           Case{"05/12/1975", "3", "3", "3"},    // 1992 -> 21 -> 3; 30 -> 3
           Case{"29/02/2000", "6", "6", "6"},    // 2031 -> 6; 15 -> 6
           Case{"19.04-1950", "2", "11", "11"},  // separators are never looked at
           Case{"00/00/0000", "0", "0", "0"},
       }) {
    EXPECT_EQ(DateSumNumber(c.date), c.sum) << c.date;
    EXPECT_EQ(DateDigitsNumber(c.date), c.digits) << c.date;
    EXPECT_EQ(LifePathNumber(c.date), c.lifePath) << c.date;
  }
}

TEST(DateNumbers, LargerNumberPrefersTheSumOnATie) {
  struct Case {
    const char* sum;
    const char* digits;
    const char* larger;
  };
  for (const Case& c : {Case{"2", "11", "11"}, Case{"22", "4", "22"}, Case{"11", "2", "11"},
                        Case{"07", "7", "07"}, Case{"3", "03", "3"}}) {
    EXPECT_EQ(largerDateNumber(c.sum, c.digits), c.larger) << c.sum << " " << c.digits;
  }
}

TEST(DateNumbers, PartsAreCutByPositionEvenFromShortDates) {
  struct Case {
    const char* date;
    DateParts parts;
  };
  for (const Case& c : {Case{"05/12/1975", {"05", "12", "1975"}}, Case{"5/12/1975", {"5/", "2/", "975"}},
                        Case{"19/04", {"19", "04", ""}}, Case{"1", {"1", "", ""}}, Case{"", {"", "", ""}}}) {
    const DateParts parts = cutDate(c.date);
    EXPECT_EQ(parts.day, c.parts.day) << c.date;
    EXPECT_EQ(parts.month, c.parts.month) << c.date;
    EXPECT_EQ(parts.year, c.parts.year) << c.date;
  }
}

TEST(DateNumbers, MalformedDatesFailOnTheFirstPartThatIsNotANumber) {
  struct Case {
    const char* date;
    const char* message;
  };
  for (const Case& c : {
           Case{"", "'' n'est pas une valeur entière correcte"_cp1252},
           Case{"19/04", "'' n'est pas une valeur entière correcte"_cp1252},
           Case{"ab/04/1950", "'ab' n'est pas une valeur entière correcte"_cp1252},
           Case{"19/0x/19y0", "'0x' n'est pas une valeur entière correcte"_cp1252},
           Case{"19/04/19x0", "'19x0' n'est pas une valeur entière correcte"_cp1252},
           // A leading blank passes the conversion of the day but not the digit sum.
           Case{" 9/04/1950", "' ' n'est pas une valeur entière correcte"_cp1252},
       }) {
    try {
      LifePathNumber(c.date);
      ADD_FAILURE() << "no error for " << c.date;
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.message(), c.message) << c.date;
    }
  }
}

}  // namespace
}  // namespace tessaro
