#include "files/rich_text.h"

#include <gtest/gtest.h>

#include "files/rich_text_fixtures.h"

namespace tessaro {
namespace {
using fixtures::format;

TEST(RichText, AppendTextKeepsRunsNormalised) {
  const CharFormat bold = format(U"Arial", 12, true);
  Paragraph p;
  appendText(p, U"a", CharFormat{});
  appendText(p, U"b", CharFormat{});
  appendText(p, U"", bold);
  appendText(p, U"c", bold);
  appendText(p, U"d", CharFormat{});
  EXPECT_EQ(p.runs, (std::vector<tessaro::Run>{{U"ab", CharFormat{}}, {U"c", bold}, {U"d", CharFormat{}}}));
  EXPECT_EQ(p.text(), U"abcd");
}

TEST(RichText, Windows1252Conversions) {
  struct Case {
    std::string cp1252;
    std::u32string unicode;
  };
  const Case cases[] = {
      {"Pr\xE9nom", U"Pr\u00E9nom"},
      {"\x80\x8C\x9F\x81", U"\u20AC\u0152\u0178\u0081"},
      {"", U""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(unicodeFromCp1252(c.cp1252), c.unicode);
    EXPECT_EQ(cp1252FromUnicode(c.unicode), c.cp1252);
  }
  EXPECT_EQ(cp1252FromUnicode(U"\u0416\U0001F600x"), "??x");
}

TEST(RichText, LineBreaks) {
  const std::u32string text = U"a\r\nb\rc\nd\u2028e\u2029";
  std::vector<size_t> lengths;
  for (size_t i = 0; i < text.size(); ++i) {
    if (isLineBreak(text[i])) {
      lengths.push_back(lineBreakLength(text, i));
      i += lengths.back() - 1;
    }
  }
  EXPECT_EQ(lengths, (std::vector<size_t>{2, 1, 1, 1, 1}));
}

}  // namespace
}  // namespace tessaro
