// The order of the luck list on the values that only odd dates produce.
#include <gtest/gtest.h>

#include "engine/luck_numbers.h"

namespace tessaro {
namespace {

TEST(LuckNumbers, ListOrderBeyondTwoDigits) {
  struct Case {
    std::vector<Text> numbers;
    const char* list;
  };
  for (const Case& c : {
           // A day of 99 can push a sum past 99: it still comes after the two-digit values.
           Case{{"152", "22", "05", "5", "9", "10"}, "5, 5, 9, 10, 22, 152"},
           Case{{"100", "99", "0", "00"}, "0, 0, 99, 100"},
           Case{{"07", "7", "70"}, "7, 7, 70"},
           Case{{"", "7"}, "7"},
       }) {
    EXPECT_EQ(luckListText(c.numbers), c.list);
  }
}

}  // namespace
}  // namespace tessaro
