// Plain-text reading and writing in Windows-1252.
#include "files/plain_text.h"

#include "common/cp1252.h"
#include "common/text.h"

namespace tessaro {

std::string writePlainText(const RichDocument& document) {
  std::string out;
  for (const Paragraph& paragraph : document.paragraphs) {
    for (const Run& run : paragraph.runs) {
      const std::u32string_view text = run.text;
      for (size_t i = 0; i < text.size(); ++i) {
        if (isLineBreak(text[i])) {
          out += CrLf;
          i += lineBreakLength(text, i) - 1;
        } else {
          const int byte = unicodeToCp1252(text[i]);
          out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
        }
      }
    }
    out += CrLf;
  }
  return out;
}

RichDocument readPlainText(std::string_view bytes, const CharFormat& format) {
  RichDocument document;
  document.defaults = format;
  size_t start = 0;
  size_t parts = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    Paragraph paragraph;
    appendText(paragraph, unicodeFromCp1252(bytes.substr(start, end - start)), format);
    parts += 1 + paragraph.runs.size();
    if (parts > MaxDocumentParts) throw DocumentTooLarge();
    document.paragraphs.push_back(std::move(paragraph));
    start = end;
    if (start < bytes.size() && bytes[start++] == '\r' && start < bytes.size() && bytes[start] == '\n')
      ++start;
  }
  return document;
}

}  // namespace tessaro
