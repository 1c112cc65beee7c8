// Building rich-text documents in tests, and printing them readably when a test fails.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "common/cp1252.h"
#include "files/rich_text.h"

namespace tessaro {

inline std::string utf8(std::u32string_view text) {
  std::string out;
  for (char32_t c : text) appendUtf8(out, c);
  return out;
}

inline void PrintTo(const FontName& name, std::ostream* os) { *os << utf8(name.text()); }

inline void PrintTo(const CharFormat& f, std::ostream* os) {
  *os << "{" << utf8(f.font.text()) << " " << f.size << (f.bold ? " b" : "") << (f.italic ? " i" : "")
      << (f.underline ? " u" : "") << "}";
}

inline void PrintTo(const Run& run, std::ostream* os) {
  *os << "\"" << utf8(run.text) << "\"";
  PrintTo(run.format, os);
}

inline void PrintTo(const ParagraphFormat& f, std::ostream* os) {
  *os << "[align " << static_cast<int>(f.alignment) << " fi " << f.firstLineIndent << " li " << f.leftIndent
      << " ri " << f.rightIndent << (f.bullet ? " bullet" : "") << "]";
}

inline void PrintTo(const Paragraph& p, std::ostream* os) {
  PrintTo(p.format, os);
  for (const Run& run : p.runs) {
    *os << " ";
    PrintTo(run, os);
  }
}

inline void PrintTo(const RichDocument& d, std::ostream* os) {
  *os << "defaults ";
  PrintTo(d.defaults, os);
  for (const Paragraph& p : d.paragraphs) {
    *os << "\n  ";
    PrintTo(p, os);
  }
}

namespace fixtures {

inline CharFormat format(std::u32string_view font = U"Times New Roman", double size = 12, bool bold = false,
                         bool italic = false, bool underline = false) {
  return CharFormat{FontName(font), size, bold, italic, underline};
}

inline Paragraph paragraph(std::vector<Run> runs, ParagraphFormat paragraphFormat = {}) {
  return Paragraph{paragraphFormat, std::move(runs)};
}

// The texts of a document's paragraphs, to compare with a list.
inline std::vector<std::u32string> texts(const RichDocument& document) {
  std::vector<std::u32string> all;
  for (const Paragraph& p : document.paragraphs) all.push_back(p.text());
  return all;
}

}  // namespace fixtures
}  // namespace tessaro
