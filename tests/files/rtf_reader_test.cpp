#include "files/rtf_reader.h"

#include <gtest/gtest.h>

#include "files/rich_text_fixtures.h"

namespace tessaro {
namespace {
using fixtures::format;
using fixtures::texts;

const std::string Header = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times;}{\\f1\\fswiss Arial;}}";

RichDocument readBody(const std::string& body) { return readRtf(Header + body + "}"); }

TEST(RtfReader, RecognisesRtfByItsOpening) {
  EXPECT_TRUE(isRtf("{\\rtf1 x}"));
  EXPECT_TRUE(isRtf("{\\rtf"));
  EXPECT_FALSE(isRtf(" {\\rtf1"));
  EXPECT_FALSE(isRtf("{\\RTF1"));
  EXPECT_FALSE(isRtf(""));
}

TEST(RtfReader, Text) {
  struct Case {
    std::string body;
    std::vector<std::u32string> paragraphs;
  };
  const Case cases[] = {
      {"Hello\\par World", {U"Hello", U"World"}},
      {"a\\par", {U"a"}},
      {"a\\par\\par", {U"a", U""}},
      {"", {}},
      {"a\\{b\\}c\\\\d", {U"a{b}c\\d"}},
      {"a\r\nb\tc", {U"ab\tc"}},
      {"a\\\nb", {U"a", U"b"}},
      {"a\\tab b\\line c", {U"a\tb\u2028c"}},
      {"\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote\\~\\_\\-x",
       {U"\u2014\u2013\u2022\u2018\u2019\u201C\u201D\u00A0\u2011x"}},
      {"\\'e9t\\'e9 \\'80\\'9c", {U"\u00E9t\u00E9 \u20AC\u0153"}},
      {"\\fs24x\\b1 y", {U"xy"}},
      // Unicode, with the fallback skipped as \uc says, per group.
      {"\\u8364?", {U"\u20AC"}},
      {"\\u8364\\'80", {U"\u20AC"}},
      {"\\uc2\\u8364ab c", {U"\u20AC c"}},
      {"\\uc0\\u8364 x", {U"\u20ACx"}},
      {"{\\uc2\\u8364xx}\\u8364?", {U"\u20AC\u20AC"}},
      {"\\uc3\\u8364{x}", {U"\u20ACx"}},
      {"\\u-4064?", {U"\uF020"}},
      {"\\u55357?\\u56832?", {U"\U0001F600"}},
      {"\\u55357?x", {U"\uFFFDx"}},
      {"\\u56832?x", {U"\uFFFDx"}},
      {"\\u99999?\\u-99999?\\u99999999999?", {U"\uFFFD\uFFFD\uFFFD"}},
      // Invalid and truncated escapes are dropped.
      {"a\\'zzb\\'4", {U"azzb4"}},
      // Destinations without document text.
      {"{\\*\\unknown junk}{\\info{\\title T}}{\\colortbl;\\red0;}{\\stylesheet{\\s0 Normal;}}x", {U"x"}},
      {"{\\pict\\wmetafile8 0123abcd}{\\header H}{\\footer F}{\\footnote N}x", {U"x"}},
      {"{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt link}}", {U"link"}},
      {"{\\field{\\fldinst PAGE}{\\fldrslt 3}}", {U"3"}},
      {"{\\foo bar}", {U"bar"}},
      {"{\\object\\objemb{\\*\\objdata 0102}{\\result shown}}", {U"shown"}},
      {"{\\upr{ansi}{\\*\\ud{uni\\u233?}}}", {U"uni\u00E9"}},
      {"{\\*\\generator x;}{\\*\\pn\\pnlvlbody{\\pntxta .}}x", {U"x"}},
      {"\\bin4 {}{}x", {U"x"}},
      // Page and section breaks end a paragraph that has text, and only such a paragraph.
      {"a\\page b\\par", {U"a", U"b"}},
      {"a\\par\\page b\\par\\sect", {U"a", U"b"}},
      // Whatever follows the document's closing brace is not read.
      {"a}b", {U"a"}},
  };
  for (const Case& c : cases) EXPECT_EQ(texts(readBody(c.body)), c.paragraphs) << c.body;
}

TEST(RtfReader, CharacterFormatting) {
  struct Case {
    std::string body;
    std::vector<tessaro::Run> runs;
  };
  const CharFormat plain = format(U"Times");
  const Case cases[] = {
      {"\\b bold\\b0  plain", {{U"bold", format(U"Times", 12, true)}, {U" plain", plain}}},
      {"\\b\\i\\ul x\\plain y", {{U"x", format(U"Times", 12, true, true, true)}, {U"y", plain}}},
      {"\\uldb x\\ulnone y\\ulwave z\\ul0 w",
       {{U"x", format(U"Times", 12, false, false, true)},
        {U"y", plain},
        {U"z", format(U"Times", 12, false, false, true)},
        {U"w", plain}}},
      {"\\ulc2 x", {{U"x", plain}}},
      {"{\\b x}y", {{U"x", format(U"Times", 12, true)}, {U"y", plain}}},
      {"\\fs36 x\\fs0 y\\fs99999 z", {{U"xyz", format(U"Times", 18)}}},
      {"\\fs21 x", {{U"x", format(U"Times", 10.5)}}},
      {"\\f1 x\\f7 y\\plain z", {{U"x", format(U"Arial")}, {U"yz", plain}}},
      // A change that comes back to the same format does not split the run.
      {"\\b x\\b0\\b y", {{U"xy", format(U"Times", 12, true)}}},
  };
  for (const Case& c : cases) {
    const RichDocument document = readBody(c.body);
    ASSERT_EQ(document.paragraphs.size(), 1u) << c.body;
    EXPECT_EQ(document.paragraphs[0].runs, c.runs) << c.body;
  }
}

TEST(RtfReader, DocumentDefaults) {
  struct Case {
    std::string rtf;
    CharFormat defaults;
  };
  const Case cases[] = {
      {"{\\rtf1 x}", CharFormat{}},
      {"{\\rtf1\\deff1{\\fonttbl{\\f0 Times;}{\\f1 Arial;}} x}", format(U"Arial")},
      {"{\\rtf1{\\fonttbl{\\f0 Times;}}{\\*\\defchp\\fs20\\b} x}", format(U"Times", 10, true)},
      {"{\\rtf1\\deff5{\\fonttbl{\\f0 Times;}} x}", CharFormat{}},
  };
  for (const Case& c : cases) {
    const RichDocument document = readRtf(c.rtf);
    EXPECT_EQ(document.defaults, c.defaults) << c.rtf;
    // Text without formatting, and text after \plain, take the defaults.
    ASSERT_EQ(document.paragraphs.size(), 1u) << c.rtf;
    EXPECT_EQ(document.paragraphs[0].runs[0].format, c.defaults) << c.rtf;
  }
  const RichDocument afterPlain = readRtf("{\\rtf1{\\*\\defchp\\fs20\\i}\\fs40\\b0 x\\plain y}");
  EXPECT_EQ(afterPlain.paragraphs[0].runs.back(),
            (tessaro::Run{U"y", format(U"Times New Roman", 10, false, true)}));
}

TEST(RtfReader, FontTable) {
  struct Case {
    std::string table;
    std::u32string name;
  };
  const Case cases[] = {
      {"{\\f0\\froman\\fcharset0\\fprq2 Times New Roman;}", U"Times New Roman"},
      {"\\f0\\fswiss Helvetica;\\f1 Courier;", U"Helvetica"},
      {"{\\f0 Caf\\'e9 {\\*\\falt Other}{\\*\\panose 0203};}", U"Caf\u00E9"},
      {"{\\f0 A\\'3bB;}", U"A;B"},
      {"{\\f0\\fcharset204 \\'cc\\'ee\\'e9;}", U"\u041C\u043E\u0439"},
      {"{\\f0 \\u26085?\\u26412?;}", U"\u65E5\u672C"},
      {"{\\f0 ;}", U""},
      {"{\\f0 Unterminated}", U"Unterminated"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(readRtf("{\\rtf1{\\fonttbl" + c.table + "} x}").defaults.font, c.name) << c.table;
  }
}

TEST(RtfReader, CodePages) {
  struct Case {
    std::string rtf;
    std::u32string text;
  };
  const Case cases[] = {
      {"{\\rtf1\\ansi\\ansicpg1251 \\'c0\\'e1}", U"\u0410\u0431"},
      {"{\\rtf1\\ansi\\ansicpg1250 \\'9a\\'e8}", U"\u0161\u010D"},
      {"{\\rtf1{\\fonttbl{\\f0 T;}{\\f1\\fcharset161 G;}}\\f1\\'e1\\f0\\'e1}", U"\u03B1\u00E1"},
      {"{\\rtf1{\\fonttbl{\\f1\\cpg1253 G;}}\\f1\\'e1}", U"\u03B1"},
      {"{\\rtf1\\mac \\'8e}", U"\u00E9"},
      {"{\\rtf1\\pc \\'82}", U"\u00E9"},
      {"{\\rtf1\\pca \\'d5}", U"\u0131"},
      {"{\\rtf1\\ansicpg932 \\'82\\'a0x}", U"\uFFFD\uFFFDx"},
      {"{\\rtf1\\ansicpg1253 \\'aa}", U"\uFFFD"},
      // Raw 8-bit bytes are read through the code page too.
      {"{\\rtf1 \xE9t\xE9}", U"\u00E9t\u00E9"},
  };
  for (const Case& c : cases) EXPECT_EQ(texts(readRtf(c.rtf)), std::vector<std::u32string>{c.text}) << c.rtf;
}

TEST(RtfReader, ParagraphFormatting) {
  struct Case {
    std::string body;
    std::vector<ParagraphFormat> formats;
  };
  const ParagraphFormat left;
  const Case cases[] = {
      {"\\qc a\\par\\qr b\\par\\qj c\\par\\qd d\\par\\ql e\\par",
       {{Alignment::Centre}, {Alignment::Right}, {Alignment::Justified}, {Alignment::Justified}, left}},
      {"\\fi-360\\li720\\ri145 a\\par", {{Alignment::Left, -18, 36, 7.25}}},
      // Properties hold until \pard, and apply to the paragraph they are in at its end.
      {"\\qc a\\par b\\par\\pard c\\par", {{Alignment::Centre}, {Alignment::Centre}, left}},
      {"a\\qr\\par", {{Alignment::Right}}},
      {"{\\pard\\qc a\\par}b\\par", {{Alignment::Centre}, left}},
      // An unterminated last paragraph keeps what was in force at its text.
      {"\\pard{\\qc last}", {{Alignment::Centre}}},
      {"\\li99999999 a\\par\\pard\\li-99999 b\\par",
       {{Alignment::Left, 0, 1584}, {Alignment::Left, 0, -1584}}},
  };
  for (const Case& c : cases) {
    std::vector<ParagraphFormat> formats;
    for (const Paragraph& p : readBody(c.body).paragraphs) formats.push_back(p.format);
    EXPECT_EQ(formats, c.formats) << c.body;
  }
}

const std::string ListTables =
    "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext\\'01\\u8226 ?;}}"
    "{\\listlevel\\levelnfc0{\\leveltext\\'02\\'01.;}}\\listid10}"
    "{\\list{\\listlevel\\levelnfc0\\levelnfcn0{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}}\\listid20}}"
    "{\\listoverridetable{\\listoverride\\listid10\\listoverridecount0\\ls1}"
    "{\\listoverride\\listid20\\listoverridecount0\\ls2}}";

TEST(RtfReader, Bullets) {
  struct Case {
    std::string body;
    std::vector<std::pair<std::u32string, bool>> paragraphs;  // text, bullet
  };
  const Case cases[] = {
      // Old-style numbering, as WordPad writes it; it holds until \pard.
      {"{\\pntext\\f0\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf0\\pnindent0{\\pntxtb\\'b7}}\\fi-360\\li720 One\\par"
       "{\\pntext\\'b7\\tab}Two\\par\\pard Plain\\par",
       {{U"One", true}, {U"Two", true}, {U"Plain", false}}},
      // Numbered paragraphs keep their number as text.
      {"{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody\\pndec{\\pntxta .}}Item\\par", {{U"1.\tItem", false}}},
      // Lists, through the list and override tables.
      {ListTables + "{\\listtext\\pard\\plain \\'95\\tab}\\ls1\\ilvl0 Item\\par", {{U"Item", true}}},
      {ListTables + "{\\listtext\\pard\\plain 1.\\tab}\\ls1\\ilvl1 Sub\\par", {{U"1.\tSub", false}}},
      {ListTables + "{\\listtext 1.\\tab}\\ls2 Item\\par\\pard After\\par",
       {{U"1.\tItem", false}, {U"After", false}}},
      {ListTables + "\\ls1\\ilvl5 Deep\\par", {{U"Deep", false}}},
      // Without a list table, a single symbol is a bullet and a number is kept.
      {"{\\listtext \\'95\\tab}\\ls7 A\\par", {{U"A", true}}},
      {"{\\listtext o\\tab}\\ls7 A\\par", {{U"A", true}}},
      {"{\\listtext 3)\\tab}\\ls7 B\\par", {{U"3)\tB", false}}},
  };
  for (const Case& c : cases) {
    std::vector<std::pair<std::u32string, bool>> paragraphs;
    for (const Paragraph& p : readBody(c.body).paragraphs) paragraphs.emplace_back(p.text(), p.format.bullet);
    EXPECT_EQ(paragraphs, c.paragraphs) << c.body;
  }
  const RichDocument indented =
      readBody(ListTables + "{\\listtext \\'95\\tab}\\ls1\\fi-360\\li720 Item\\par");
  EXPECT_EQ(indented.paragraphs[0].format, (ParagraphFormat{Alignment::Left, -18, 36, 0, true}));
}

TEST(RtfReader, TablesBecomeOneParagraphPerRow) {
  struct Case {
    std::string body;
    std::vector<std::u32string> paragraphs;
  };
  const Case cases[] = {
      // Word and LibreOffice end a cell's text with \cell.
      {"\\trowd\\cellx100\\cellx200\\pard\\intbl A\\cell\\pard\\intbl B\\cell\\row\\pard After\\par",
       {U"A\tB", U"After"}},
      // Pandoc ends it with \par first.
      {"{\\trowd\\cellx1{{\\pard\\intbl A\\par}\\cell}{{\\pard\\intbl B\\par}\\cell}\\intbl\\row}{\\pard "
       "After\\par}",
       {U"A\tB", U"After"}},
      {"\\pard\\intbl A\\par B\\cell C\\cell\\row", {U"A", U"B\tC"}},
      {"\\pard\\intbl\\cell B\\cell\\cell\\row", {U"\tB"}},
      {"\\pard\\intbl\\cell\\cell\\row x\\par", {U"", U"x"}},
      {"\\intbl A\\cell B\\nestcell\\nestrow\\row", {U"A\tB"}},
  };
  for (const Case& c : cases) EXPECT_EQ(texts(readBody(c.body)), c.paragraphs) << c.body;
}

}  // namespace
}  // namespace tessaro
