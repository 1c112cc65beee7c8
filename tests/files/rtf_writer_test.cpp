#include "files/rtf_writer.h"

#include <gtest/gtest.h>

#include <limits>

#include "files/rich_text_fixtures.h"
#include "files/rtf_reader.h"

namespace tessaro {
namespace {
using fixtures::format;
using fixtures::paragraph;

// Every printable Windows-1252 character, the five bytes the code page leaves undefined included.
std::u32string allCp1252() {
  std::string bytes;
  for (int c = 0x20; c <= 0xFF; ++c) bytes.push_back(static_cast<char>(c));
  return unicodeFromCp1252(bytes);
}

RichDocument document(std::vector<Paragraph> paragraphs, CharFormat defaults = CharFormat{}) {
  return RichDocument{std::move(defaults), std::move(paragraphs)};
}

TEST(RtfWriter, RoundTripKeepsEverythingTheModelHolds) {
  const CharFormat plain;
  const ParagraphFormat bullet{Alignment::Left, -18, 36, 0, true};
  const struct Case {
    const char* what;
    RichDocument document;
  } cases[] = {
      {"empty document", document({})},
      {"one plain run", document({paragraph({{U"Bonjour", plain}})})},
      {"styles", document({paragraph({{U"b", format(U"Times New Roman", 12, true)},
                                      {U"i", format(U"Times New Roman", 12, false, true)},
                                      {U"u", format(U"Times New Roman", 12, false, false, true)},
                                      {U"biu", format(U"Times New Roman", 12, true, true, true)},
                                      {U"none", plain}})})},
      {"fonts and sizes", document({paragraph({{U"a", format(U"Arial", 0.5)},
                                               {U"b", format(U"Courier New", 7.5)},
                                               {U"c", format(U"", 72)},
                                               {U"d", format(U"A;B{}\\", 1638)},
                                               {U"e", format(U"Caf\u00E9", 10.5)},
                                               {U"f", format(U"\u65E5\u672C", 12)}})})},
      {"alignments, indents and bullets",
       document({paragraph({{U"l", plain}}), paragraph({{U"r", plain}}, {Alignment::Right}),
                 paragraph({{U"c", plain}}, {Alignment::Centre, 0, 0, 0}),
                 paragraph({{U"j", plain}}, {Alignment::Justified, 12.5, 7.25, 3.05}),
                 paragraph({{U"b1", plain}}, bullet),
                 paragraph({{U"b2", plain}}, {Alignment::Centre, 0, 0, 0, true}), paragraph({}, bullet),
                 paragraph({}), paragraph({{U"neg", plain}}, {Alignment::Left, 0, -10, -5})})},
      {"characters",
       document({paragraph({{allCp1252(), plain}}),
                 paragraph({{U"\u0391\u03B2\u0416\u65E5\u672C \U0001F600 \uFFFF \u0100", plain}}),
                 paragraph({{U"tab\there\u2028line  {braces} \\back\\ \\par \\'e9 \\u8364?", plain}}),
                 paragraph({{U" leading and trailing ", plain}}), paragraph({{U"\x01\x1f\x7f", plain}})})},
      {"defaults with styles, runs without",
       document(
           {paragraph({{U"plain", format(U"Arial", 9)}, {U"bold", format(U"Arial", 9, true, true, true)}}),
            paragraph({})},
           format(U"Arial", 9, true, true, true))},
  };
  for (const Case& c : cases) {
    const std::string rtf = writeRtf(c.document);
    EXPECT_EQ(readRtf(rtf), c.document) << c.what << "\n" << rtf;
    EXPECT_EQ(writeRtf(c.document), rtf) << c.what << ": the output is not deterministic";
  }
}

TEST(RtfWriter, OutputIsSevenBitRtfThatStatesItsCodePage) {
  const RichDocument doc = document(
      {paragraph({{U"\u00E9\u20AC\u0416", format(U"Caf\u00E9")}}, {Alignment::Centre, 0, 0, 0, true})});
  const std::string rtf = writeRtf(doc);
  EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
  EXPECT_NE(rtf.find("{\\f1\\fnil\\fcharset0 Caf\\'e9;}"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("\\'e9\\'80\\u1046?"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("\\listtable"), std::string::npos);
  EXPECT_NE(rtf.find("\\pard\\plain\\ls1\\ilvl0\\qc\\fi0\\li0\\ri0"), std::string::npos) << rtf;
  for (char c : rtf) EXPECT_LT(static_cast<unsigned char>(c), 0x80);
  EXPECT_EQ(writeRtf(document({paragraph({})})).find("\\listtable"), std::string::npos)
      << "a document without bullets should have no list table";
}

TEST(RtfWriter, ValuesOutsideWhatRtfCarriesAreBroughtIntoRange) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    CharFormat written;
    ParagraphFormat paragraph;
    std::u32string text;
    double readSize;
    ParagraphFormat readParagraph;
    std::u32string readText;
  };
  const Case cases[] = {
      {format(U"T", 0), {}, U"x", 0.5, {}, U"x"},
      {format(U"T", 5000), {}, U"x", 1638, {}, U"x"},
      {format(U"T", nan), {Alignment::Left, nan, nan, nan}, U"x", 12, {}, U"x"},
      {format(U"T", 10.3),
       {Alignment::Left, 0.01, 5000, -5000},
       U"x",
       10.5,
       {Alignment::Left, 0, 1584, -1584},
       U"x"},
      // Paragraph breaks inside run text are written as line breaks; NUL is dropped.
      {format(U"T"), {}, std::u32string(U"a\r\nb\nc\rd\0e", 10), 12, {}, U"a\u2028b\u2028c\u2028de"},
  };
  for (const Case& c : cases) {
    const RichDocument read = readRtf(writeRtf(document({paragraph({{c.text, c.written}}, c.paragraph)})));
    ASSERT_EQ(read.paragraphs.size(), 1u);
    EXPECT_EQ(read.paragraphs[0].runs, (std::vector<tessaro::Run>{{c.readText, format(U"T", c.readSize)}}));
    EXPECT_EQ(read.paragraphs[0].format, c.readParagraph);
  }
}

}  // namespace
}  // namespace tessaro
