// Building and converting the text of rich-text documents.
#include "files/rich_text.h"

#include "common/cp1252.h"

namespace tessaro {

FontName::FontName(std::u32string_view name) : name_(std::make_shared<const std::u32string>(name)) {}

FontName defaultFontName() {
  static const FontName name(U"Times New Roman");
  return name;
}

std::u32string Paragraph::text() const {
  std::u32string all;
  for (const Run& run : runs) all += run.text;
  return all;
}

void appendText(Paragraph& paragraph, std::u32string_view text, const CharFormat& format) {
  if (text.empty()) return;
  if (!paragraph.runs.empty() && paragraph.runs.back().format == format) {
    paragraph.runs.back().text += text;
  } else {
    paragraph.runs.push_back(Run{std::u32string(text), format});
  }
}

std::u32string unicodeFromCp1252(std::string_view cp1252) {
  std::u32string text;
  text.reserve(cp1252.size());
  for (char c : cp1252) text.push_back(cp1252ToUnicode(static_cast<unsigned char>(c)));
  return text;
}

size_t lineBreakLength(std::u32string_view text, size_t i) {
  return text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n' ? 2 : 1;
}

}  // namespace tessaro
