#include <gtest/gtest.h>

#include <random>

#include "files/rich_text_fixtures.h"
#include "files/rtf_reader.h"
#include "files/rtf_writer.h"

namespace tessaro {
namespace {
using fixtures::texts;

// What every document read from any input must satisfy: runs are never empty, neighbours differ
// in format, and writing the document and reading it again gives it back.
void expectSound(const RichDocument& document, const std::string& input) {
  for (const Paragraph& p : document.paragraphs) {
    for (size_t i = 0; i < p.runs.size(); ++i) {
      EXPECT_FALSE(p.runs[i].text.empty()) << input;
      if (i > 0) {
        EXPECT_NE(p.runs[i].format, p.runs[i - 1].format) << input;
      }
    }
  }
  EXPECT_EQ(readRtf(writeRtf(document)), document) << input;
}

const std::string Sample =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times;}{\\f1\\fcharset161 Greek;}}"
    "{\\*\\listtable{\\list{\\listlevel\\levelnfc23}\\listid1}}{\\listoverridetable{"
    "\\listoverride\\listid1\\ls1}}"
    "{\\colortbl;\\red1\\green2\\blue3;}{\\info{\\title t}}\\pard\\qc\\fi-360\\li720 {\\b Gras} \\'e9t\\'e9 "
    "\\u8364? {\\uc2\\u20013\\'a4\\'a4}{\\f1\\'e1}\\par{\\listtext\\'95\\tab}\\ls1 Puce\\par"
    "\\trowd\\cellx100\\pard\\intbl A\\cell B\\cell\\row{\\pict\\bin4 }{}}}\\pard\\bin3 "
    "{}x\\par{\\field{\\*\\fldinst X}"
    "{\\fldrslt Y}}\\line\\tab\\u55357?\\u56832?\\par}";

TEST(RtfHostileInput, EveryTruncationReadsWithoutFailing) {
  for (size_t length = 0; length <= Sample.size(); ++length) {
    const std::string input = Sample.substr(0, length);
    expectSound(readRtf(input), input);
  }
  EXPECT_EQ(texts(readRtf(Sample)),
            (std::vector<std::u32string>{U"Gras \u00E9t\u00E9 \u20AC \u4E2D\u03B1", U"Puce", U"A\tB", U"",
                                         U"Y\u2028\t\U0001F600"}));
}

TEST(RtfHostileInput, UnbalancedBraces) {
  struct Case {
    std::string rtf;
    std::vector<std::u32string> paragraphs;
  };
  const Case cases[] = {
      {"{\\rtf1 a}}}}", {U"a"}}, {"{\\rtf1 {{{{a", {U"a"}},
      {"{\\rtf1 a}}}b", {U"a"}}, {"{\\rtf1 {\\b a}}}}{\\rtf1 b}", {U"a"}},
      {"{\\rtf1 {\\*", {}},      {"{\\rtf1 \\", {}},
      {"{\\rtf1 \\u", {}},       {"{\\rtf1 \\bin", {}},
  };
  for (const Case& c : cases) {
    const RichDocument document = readRtf(c.rtf);
    EXPECT_EQ(texts(document), c.paragraphs) << c.rtf;
    expectSound(document, c.rtf);
  }
}

TEST(RtfHostileInput, DeepNesting) {
  const size_t depth = 100'000;
  // Closed: formatting inside the deep groups ends with them.
  const std::string closed =
      "{\\rtf1 " + std::string(depth, '{') + "\\b deep" + std::string(depth, '}') + " after}";
  const RichDocument document = readRtf(closed);
  ASSERT_EQ(document.paragraphs.size(), 1u);
  EXPECT_EQ(document.paragraphs[0].runs,
            (std::vector<tessaro::Run>{{U"deep", fixtures::format(U"Times New Roman", 12, true)},
                                       {U" after", CharFormat{}}}));
  // Never closed.
  EXPECT_EQ(texts(readRtf("{\\rtf1 " + std::string(depth, '{') + "x")), std::vector<std::u32string>{U"x"});
  // Deep inside a skipped destination.
  EXPECT_EQ(
      texts(readRtf("{\\rtf1 {\\info" + std::string(depth, '{') + "x" + std::string(depth, '}') + "}y}")),
      std::vector<std::u32string>{U"y"});
}

TEST(RtfHostileInput, OutOfRangeNumbersAndEscapes) {
  struct Case {
    std::string body;
    std::vector<std::u32string> paragraphs;
  };
  const Case cases[] = {
      {"\\bin2147483647 x", {}},
      {"\\bin99999999999999999999 x", {}},
      {"\\bin-5 x", {U"x"}},
      {"\\bin x", {U"x"}},
      {"a\\'zz\\'g1\\'", {U"azzg1"}},
      {"\\u99999?\\u-99999?\\u2147483648?", {U"\uFFFD\uFFFD\uFFFD"}},
      {"\\uc-5\\u233 x\\uc2147483647\\u233 abc", {U"\u00E9x\u00E9"}},
      {"\\" + std::string(100'000, 'a') + " x", {U"x"}},
      {"\\fs" + std::string(100'000, '9') + " x", {U"x"}},
      {"\\li-" + std::string(50, '9') + " x\\par", {U"x"}},
      {std::string("a\0b\x01\x7f", 5), {U"ab"}},
  };
  for (const Case& c : cases) {
    const std::string rtf = "{\\rtf1 " + c.body + "}";
    const RichDocument document = readRtf(rtf);
    EXPECT_EQ(texts(document), c.paragraphs) << c.body.substr(0, 40);
    expectSound(document, rtf.substr(0, 40));
  }
}

TEST(RtfHostileInput, EmptyAndBinaryInput) {
  EXPECT_EQ(readRtf(""), RichDocument{});
  EXPECT_EQ(readRtf("{\\rtf"), RichDocument{});
  std::mt19937 random(20240105);
  for (int round = 0; round < 20; ++round) {
    std::string bytes = "{\\rtf1";
    for (int i = 0; i < 20'000; ++i) bytes.push_back(static_cast<char>(random() & 0xFF));
    expectSound(readRtf(bytes), "random bytes, round " + std::to_string(round));
  }
}

// Random sequences of the tokens that matter to the reader find states no hand-written case
// reaches.
TEST(RtfHostileInput, RandomTokenSoup) {
  const std::vector<std::string> tokens = {"{",
                                           "}",
                                           "{",
                                           "}",
                                           "\\b ",
                                           "\\b0 ",
                                           "\\i ",
                                           "\\ul ",
                                           "\\ulnone ",
                                           "\\plain ",
                                           "\\f1 ",
                                           "\\f9 ",
                                           "\\fs7 ",
                                           "\\fs40 ",
                                           "\\pard ",
                                           "\\par ",
                                           "\\qc ",
                                           "\\qj ",
                                           "\\fi-200 ",
                                           "\\li300 ",
                                           "\\ri-40 ",
                                           "\\line ",
                                           "\\tab ",
                                           "\\cell ",
                                           "\\row ",
                                           "\\intbl ",
                                           "\\page ",
                                           "\\*",
                                           "\\fonttbl ",
                                           "\\f1 ",
                                           "Arial;",
                                           "\\fcharset204 ",
                                           "\\listtext ",
                                           "\\pntext ",
                                           "\\pn ",
                                           "\\pnlvlblt ",
                                           "\\pnlvlbody ",
                                           "\\ls1 ",
                                           "\\ls2 ",
                                           "\\ilvl1 ",
                                           "\\listtable ",
                                           "\\list ",
                                           "\\listlevel ",
                                           "\\levelnfc23 ",
                                           "\\listid1 ",
                                           "\\listoverridetable ",
                                           "\\listoverride ",
                                           "\\defchp ",
                                           "\\deff1 ",
                                           "\\upr ",
                                           "\\ud ",
                                           "\\object ",
                                           "\\result ",
                                           "\\info ",
                                           "\\pict ",
                                           "\\bin2 ",
                                           "\\uc0 ",
                                           "\\uc3 ",
                                           "\\u233 ",
                                           "\\u-10179 ",
                                           "\\u-8704 ",
                                           "\\u56832 ",
                                           "\\'e9",
                                           "\\'c0",
                                           "\\'",
                                           "\\'0d",
                                           "\\'0a",
                                           "\\u8233 ",
                                           "\\ansicpg1251 ",
                                           "\\mac ",
                                           "text ",
                                           "x",
                                           ";",
                                           "\\~",
                                           "\\\\",
                                           "\\{",
                                           "\\}",
                                           "\r\n",
                                           "\xE9",
                                           "\\emdash ",
                                           "\\unknownword12 "};
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    std::string rtf = "{\\rtf1";
    const int count = static_cast<int>(random() % 60);
    for (int i = 0; i < count; ++i) rtf += tokens[random() % tokens.size()];
    expectSound(readRtf(rtf), rtf);
  }
}

TEST(RtfHostileInput, TooManyParagraphsOrRunsIsRefused) {
  std::string pars = "{\\rtf1 ";
  for (size_t i = 0; i <= MaxDocumentParts; ++i) pars += "\\par ";
  EXPECT_THROW(readRtf(pars), DocumentTooLarge);
  std::string runs = "{\\rtf1 ";
  for (size_t i = 0; i <= MaxDocumentParts / 2; ++i) runs += "\\b a\\b0 a";
  EXPECT_THROW(readRtf(runs), DocumentTooLarge);
}

}  // namespace
}  // namespace tessaro
