#include "engine/text_table.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace tessaro {
namespace {

TEST(MemoCleaning, DeletesEmptyLinesButTheLastUnlessAlone) {
  struct Case {
    const char* reading;
    std::vector<Text> lines;
  };
  for (const Case& c :
       {Case{"a\r\n\r\nb\r\n", {"a", "b", ""}}, Case{"\r\n\r\na", {"a"}}, Case{"", {}}, Case{"\r\n", {""}},
        Case{"a\r\n", {"a", ""}}, Case{"a\r\n\r\n", {"a", ""}}, Case{"a\r\nb", {"a", "b"}}}) {
    EXPECT_EQ(cleanMemoLines(c.reading), c.lines) << c.reading;
  }
}

TEST(TextTable, LookupAndReadingLine) {
  constexpr TableRow rows[] = {{1, "un"}, {22, "vingt-deux"}};
  EXPECT_EQ(tableText(rows, 22), "vingt-deux");
  EXPECT_EQ(tableText(rows, "01"), "un");
  EXPECT_EQ(tableText(rows, 5), "");
  EXPECT_THROW(tableText(rows, ""), ConversionError);
  EXPECT_EQ(readingLine("7", "sept"), "7: sept\r\n");
}

}  // namespace
}  // namespace tessaro
