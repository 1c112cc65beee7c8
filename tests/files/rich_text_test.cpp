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

TEST(RichText, Windows1252TextBecomesUnicode) {
  // The five bytes the code page leaves undefined keep their value.
  EXPECT_EQ(unicodeFromCp1252("Pr\xE9nom \x80\x8C\x9F\x81"), U"Pr\u00E9nom \u20AC\u0152\u0178\u0081");
}

}  // namespace
}  // namespace tessaro
