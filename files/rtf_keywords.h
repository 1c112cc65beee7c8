// The RTF control words the reader acts on.
#pragma once

#include <string_view>

#include "files/rich_text.h"

namespace tessaro::rtf {

enum class Keyword {
  Unknown,
  // Character sets and Unicode
  CharacterSet,
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
  NumberingNumbers,
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
  Align,
  FirstLineIndent,
  LeftIndent,
  RightIndent,
  ListOverrideIndex,
  ListLevelIndex,
  InTable,
  // Breaks and characters
  Paragraph,
  Cell,
  Row,
  SectionOrPageBreak,
  Character,
};

struct ControlWord {
  Keyword keyword = Keyword::Unknown;
  // The code page of CharacterSet, the Alignment of Align, the code point of Character.
  int value = 0;
};

// What a control word's name (letters only) means to the reader; Unknown for names it ignores.
ControlWord controlWordOf(std::string_view name);

}  // namespace tessaro::rtf
