// Rich-text output of the command-line tool, through the editor's document-file code.
#include "cli/document_output.h"

#include "files/document_file.h"

namespace tessaro::cli {

RichDocument portraitDocument(const Portrait& portrait) {
  RichDocument document;
  document.defaults.font = defaultFontName();
  document.defaults.size = 13;
  for (const Text& line : portrait.paragraphs) {
    Paragraph& paragraph = document.paragraphs.emplace_back();
    appendText(paragraph, unicodeFromCp1252(line), document.defaults);
  }
  return document;
}

void convertDocumentFile(const std::string& input, const std::string& output) {
  saveDocumentFile(output, loadDocumentFile(input), documentFormatForPath(output));
}

}  // namespace tessaro::cli
