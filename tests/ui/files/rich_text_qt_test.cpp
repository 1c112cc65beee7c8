#include "files/ui/rich_text_qt.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include "files/rich_text_fixtures.h"

namespace tessaro {
namespace {
using fixtures::format;
using fixtures::paragraph;

RichDocument throughQt(const RichDocument& document) {
  QTextDocument qt;
  setRichDocument(qt, document);
  return richDocumentOf(qt);
}

TEST(RichTextQt, RoundTripKeepsEverythingTheModelHolds) {
  const CharFormat plain;
  const ParagraphFormat bullet{Alignment::Left, -18, 36, 0, true};
  const struct Case {
    const char* what;
    RichDocument document;
  } cases[] = {
      {"one plain run", {plain, {paragraph({{U"Bonjour", plain}})}}},
      {"styles, fonts and sizes",
       {plain,
        {paragraph({{U"b", format(U"Times New Roman", 12, true)},
                    {U"i", format(U"Arial", 12, false, true)},
                    {U"u", format(U"Courier New", 7.5, false, false, true)},
                    {U"biu", format(U"Liberation Serif", 72, true, true, true)},
                    {U"tiny", format(U"Caf\u00E9", 0.5)},
                    {U"huge", format(U"\u65E5\u672C", 1638)},
                    {U"none", format(U"", 10.5)}})}}},
      {"alignments, indents and bullets",
       {plain,
        {paragraph({{U"l", plain}}), paragraph({{U"r", plain}}, {Alignment::Right}),
         paragraph({{U"c", plain}}, {Alignment::Centre}),
         paragraph({{U"j", plain}}, {Alignment::Justified, 12.5, 7.25, 3.05}),
         paragraph({{U"b1", plain}}, bullet), paragraph({{U"b2", plain}}, {Alignment::Centre, 0, 0, 0, true}),
         paragraph({}, bullet), paragraph({}), paragraph({{U"after", plain}}, bullet),
         paragraph({{U"neg", plain}}, {Alignment::Left, 0, -10, -5})}}},
      {"characters",
       {plain,
        {paragraph({{U"\u00E9\u20AC\u0416\u65E5 \U0001F600 tab\there\u2028line {}\\ \u00A0", plain}}),
         paragraph({{U" leading and trailing ", plain}})}}},
      {"defaults with styles",
       {format(U"Arial", 9, true, true, true),
        {paragraph({{U"plain", format(U"Arial", 9)}, {U"bold", format(U"Arial", 9, true, true, true)}}),
         paragraph({})}}},
  };
  for (const Case& c : cases) EXPECT_EQ(throughQt(c.document), c.document) << c.what;
}

TEST(RichTextQt, ConsecutiveBulletsShareOneDiscList) {
  const ParagraphFormat bullet{Alignment::Left, 0, 0, 0, true};
  QTextDocument qt;
  setRichDocument(qt, {CharFormat{},
                       {paragraph({{U"a", CharFormat{}}}, bullet), paragraph({{U"b", CharFormat{}}}, bullet),
                        paragraph({{U"c", CharFormat{}}}), paragraph({{U"d", CharFormat{}}}, bullet)}});
  const QTextBlock a = qt.begin(), b = a.next(), c = b.next(), d = c.next();
  ASSERT_TRUE(a.textList() && d.textList());
  EXPECT_EQ(a.textList(), b.textList());
  EXPECT_EQ(c.textList(), nullptr);
  EXPECT_NE(a.textList(), d.textList());
  EXPECT_EQ(a.textList()->format().style(), QTextListFormat::ListDisc);
  EXPECT_EQ(qt.blockCount(), 4);
}

TEST(RichTextQt, UnitsAndDefaultsOfTheEditor) {
  QTextDocument qt;
  setRichDocument(qt,
                  {format(U"Arial", 10), {paragraph({{U"x", CharFormat{}}}, {Alignment::Left, 36, 9, 3})}});
  const QTextBlockFormat block = qt.begin().blockFormat();
  EXPECT_DOUBLE_EQ(block.textIndent(), 48);
  EXPECT_DOUBLE_EQ(block.leftMargin(), 12);
  EXPECT_DOUBLE_EQ(block.rightMargin(), 4);
  EXPECT_EQ(qt.defaultFont().family(), "Arial");
  EXPECT_DOUBLE_EQ(qt.defaultFont().pointSizeF(), 10);

  // Text typed in the editor carries no font of its own: it shows in the document's default.
  QTextDocument typed;
  typed.setDefaultFont(qtFont(format(U"Arial", 11, false, true)));
  QTextCursor cursor(&typed);
  cursor.insertText("typed");
  QTextCharFormat bold;
  bold.setFontWeight(QFont::Bold);
  cursor.insertText(" bold", bold);
  EXPECT_EQ(richDocumentOf(typed).paragraphs[0].runs,
            (std::vector<tessaro::Run>{{U"typed", format(U"Arial", 11, false, true)},
                                       {U" bold", format(U"Arial", 11, true, true)}}));
}

TEST(RichTextQt, WhatTheModelCannotHold) {
  struct Case {
    const char* html;
    std::vector<std::u32string> texts;
  };
  const Case cases[] = {
      // Numbers of numbered lists are kept as text; objects are dropped.
      {"<ol><li>un</li><li>deux</li></ol>", {U"1.\tun", U"2.\tdeux"}},
      {"<ul style=\"list-style-type:square\"><li>carr\u00E9</li></ul>", {U"carr\u00E9"}},
      {"<p>avant<img src=\"x.png\">apr\u00E8s</p>", {U"avantapr\u00E8s"}},
      {"<table><tr><td>a</td><td>b</td></tr></table>", {U"", U"a", U"b", U""}},
  };
  for (const Case& c : cases) {
    QTextDocument qt;
    qt.setHtml(QString::fromUtf8(c.html));
    EXPECT_EQ(fixtures::texts(richDocumentOf(qt)), c.texts) << c.html;
  }
  // Sizes and indents are rounded to half points and twips.
  QTextDocument qt;
  QTextCursor cursor(&qt);
  QTextBlockFormat block;
  block.setLeftMargin(10);  // 7.5 points
  block.setTextIndent(1);   // 0.75 points
  cursor.setBlockFormat(block);
  QTextCharFormat odd;
  odd.setFontPointSize(10.3);
  cursor.insertText("x", odd);
  QTextCharFormat pixels;
  pixels.setProperty(QTextFormat::FontPixelSize, 16);
  cursor.insertText("y", pixels);
  const Paragraph p = richDocumentOf(qt).paragraphs[0];
  EXPECT_EQ(p.format, (ParagraphFormat{Alignment::Left, 0.75, 7.5, 0}));
  EXPECT_EQ(p.runs[0].format.size, 10.5);
  EXPECT_EQ(p.runs[1].format.size, 12);
}

TEST(RichTextQt, BreaksInRunTextStayInsideTheParagraph) {
  QTextDocument qt;
  setRichDocument(qt, {CharFormat{}, {paragraph({{U"a\r\nb\nc\u2029d\uFDD0e", CharFormat{}}})}});
  EXPECT_EQ(qt.blockCount(), 1);
  EXPECT_EQ(fixtures::texts(richDocumentOf(qt)), std::vector<std::u32string>{U"a\u2028b\u2028c\u2028de"});
}

}  // namespace
}  // namespace tessaro
