#include "files/plain_text.h"

#include <gtest/gtest.h>

#include "files/rich_text_fixtures.h"

namespace tessaro {
namespace {
using fixtures::format;
using fixtures::paragraph;
using fixtures::texts;

TEST(PlainText, WritesWindows1252WithCrLfAfterEveryParagraph) {
  const CharFormat bold = format(U"Arial", 20, true);
  struct Case {
    std::vector<Paragraph> paragraphs;
    std::string bytes;
  };
  const Case cases[] = {
      {{}, ""},
      {{paragraph({})}, "\r\n"},
      {{paragraph({{U"Pr\u00E9nom ", CharFormat{}}, {U"NOM", bold}}), paragraph({})},
       "Pr\xE9nom NOM\r\n\r\n"},
      {{paragraph({{U"a\u2028b\tc", CharFormat{}}}, {Alignment::Centre, 0, 0, 0, true})}, "a\r\nb\tc\r\n"},
      {{paragraph({{U"\u20AC\u0416\U0001F600", CharFormat{}}})}, "\x80??\r\n"},
      {{paragraph({{U"a\r\nb\nc\u2029d", CharFormat{}}})}, "a\r\nb\r\nc\r\nd\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(writePlainText(RichDocument{CharFormat{}, c.paragraphs}), c.bytes) << c.bytes;
  }
}

TEST(PlainText, ReadsOneParagraphPerLine) {
  struct Case {
    std::string bytes;
    std::vector<std::u32string> paragraphs;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {U"a"}},
      {"a\r\n", {U"a"}},
      {"a\r\n\r\n", {U"a", U""}},
      {"a\nb\rc\r\nd", {U"a", U"b", U"c", U"d"}},
      {"\n\r\r\n", {U"", U"", U""}},
      {"\xE9t\xE9\t\x80", {U"\u00E9t\u00E9\t\u20AC"}},
      {std::string("a\0b", 3), {std::u32string(U"a\0b", 3)}},
  };
  for (const Case& c : cases) EXPECT_EQ(texts(readPlainText(c.bytes)), c.paragraphs) << c.bytes;
}

TEST(PlainText, ReadTextTakesTheGivenFormat) {
  const CharFormat courier = format(U"Courier New", 10);
  const RichDocument document = readPlainText("x\r\n\r\n", courier);
  EXPECT_EQ(document, (RichDocument{courier, {paragraph({{U"x", courier}}), paragraph({})}}));
}

TEST(PlainText, WrittenTextReadsBack) {
  const std::string bytes = "Ligne 1\r\n\r\n\tCaract\xE8res \x80\x9C\xFF\r\n";
  EXPECT_EQ(writePlainText(readPlainText(bytes)), bytes);
}

TEST(PlainText, TooManyLinesIsRefused) {
  EXPECT_THROW(readPlainText(std::string(MaxDocumentParts + 1, '\n')), DocumentTooLarge);
}

}  // namespace
}  // namespace tessaro
