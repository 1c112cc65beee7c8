// The font and list tables of an RTF file, as far as the document needs them.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "files/rich_text.h"

namespace tessaro::rtf {

// The fonts a file defines: names for the runs, code pages for their 8-bit characters.
class FontTable {
 public:
  // \fN inside the table starts (or restarts) the definition of font N.
  void define(int number);
  void setCharset(int charset);
  void setCodePage(int codePage);
  // Name characters of the font being defined, until ";" ends the name; blanks around it are
  // left out.
  void appendToName(char32_t c);
  void endName();
  void endTable() { defining_ = NotDefining; }

  // The font being defined, for the code page of its name; NotDefining outside the table.
  int defining() const { return defining_; }
  static constexpr int NotDefining = -1;

  // Null for a font the file does not define.
  const FontName* name(int number);
  // 0 when the font uses the document's code page or is not defined.
  int codePage(int number) const;

 private:
  struct Font {
    std::u32string name;
    std::optional<FontName> shared;  // built when first asked for
    int codePage = 0;
    bool nameComplete = false;
  };
  Font* beingDefined();

  std::map<int, Font> fonts_;  // ordered: lookups stay logarithmic whatever numbers a file uses
  int defining_ = NotDefining;
};

// Lists and their overrides, enough to tell bullets from numbers.
class ListTable {
 public:
  void beginList();
  void beginLevel();
  void setLevelFormat(int numberFormat);  // \levelnfc
  void setListId(int id);
  void beginOverride();
  void setOverrideListId(int id);
  void setOverrideIndex(int index);  // \ls

  // Whether a paragraph of list override \ls index at level \ilvl level shows bullets; empty
  // when the tables do not tell.
  std::optional<bool> isBullet(int index, int level) const;

 private:
  void recordOverride();

  struct List {
    std::vector<int> levelFormats;
  };
  std::vector<List> lists_;
  std::map<int, size_t> listsById_;
  std::map<int, int> listIdsByIndex_;
  int overrideListId_ = -1;
  int overrideIndex_ = -1;
};

}  // namespace tessaro::rtf
