// The RTF control words the reader acts on.
#pragma once

#include <string_view>

namespace tessaro::rtf {

enum class Keyword {
  Unknown,
  // Character sets and Unicode
  Ansi,
  Mac,
  Pc,
  Pca,
  AnsiCodePage,
  DefaultFont,
  UnicodeSkip,
  Unicode,
  Binary,
  // Destinations read for what the document needs
  FontTable,
  FontCharset,
  FontCodePage,
  ListTable,
  List,
  ListLevel,
  LevelNumberFormat,
  ListId,
  ListOverrideTable,
  ListOverride,
  ListText,
  ParagraphNumbering,
  ParagraphNumberText,
  NumberingBullet,
  NumberingBody,
  NumberingContinue,
  NumberingLevel,
  DefaultCharFormat,
  UnicodeAlternatives,
  UnicodeAlternative,
  Object,
  ObjectResult,
  // Destinations that hold no document text
  SkippedDestination,
  // Character formatting
  Font,
  FontSize,
  Bold,
  Italic,
  Underline,
  UnderlineNone,
  Plain,
  // Paragraph formatting
  ParagraphDefaults,
  AlignLeft,
  AlignRight,
  AlignCentre,
  AlignJustified,
  FirstLineIndent,
  LeftIndent,
  RightIndent,
  ListOverrideIndex,
  ListLevelIndex,
  InTable,
  // Breaks and special characters
  Paragraph,
  Line,
  Tab,
  Cell,
  Row,
  SectionOrPageBreak,
  EmDash,
  EnDash,
  BulletChar,
  LeftQuote,
  RightQuote,
  LeftDoubleQuote,
  RightDoubleQuote,
  EmSpace,
  EnSpace,
  QuarterEmSpace,
  ZeroWidthJoiner,
  ZeroWidthNonJoiner,
  LeftToRightMark,
  RightToLeftMark,
  ZeroWidthBreak,
};

// The keyword of a control word's name (letters only); Unknown for names the reader ignores.
Keyword keywordOf(std::string_view name);

}  // namespace tessaro::rtf
