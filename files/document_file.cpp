// Document files: choosing the format, and reporting failures as the user is told about them.
#include "files/document_file.h"

#include <filesystem>

#include "common/errors.h"
#include "common/file_io.h"
#include "common/text.h"
#include "files/plain_text.h"
#include "files/rtf_reader.h"
#include "files/rtf_writer.h"

namespace tessaro {

namespace {
std::string upperExtension(const std::string& path) {
  return upperAscii(std::filesystem::path(path).extension().string());
}
}  // namespace

DocumentFormat documentFormatForPath(const std::string& path) {
  return upperExtension(path) == ".TXT" ? DocumentFormat::PlainText : DocumentFormat::Rtf;
}

ExportTarget exportTarget(const std::string& chosen, DocumentFormat chosenFormat) {
  const std::string extension = upperExtension(chosen);
  if (extension.empty()) {
    return {chosen + (chosenFormat == DocumentFormat::PlainText ? ".txt" : ".rtf"), chosenFormat};
  }
  if (extension == ".TXT" || extension == ".RTF") return {chosen, documentFormatForPath(chosen)};
  return {chosen, chosenFormat};
}

RichDocument readDocument(std::string_view bytes, DocumentFormat mode, const CharFormat& plainTextFormat) {
  if (mode == DocumentFormat::Rtf && isRtf(bytes)) return readRtf(bytes);
  return readPlainText(bytes, plainTextFormat);
}

std::string writeDocument(const RichDocument& document, DocumentFormat format) {
  return format == DocumentFormat::Rtf ? writeRtf(document) : writePlainText(document);
}

RichDocument loadDocumentFile(const std::string& path, DocumentFormat mode,
                              const CharFormat& plainTextFormat) {
  try {
    return parseWholeFile(path, MaxReadableFileBytes,
                          [&](std::string_view bytes) { return readDocument(bytes, mode, plainTextFormat); });
  } catch (const DocumentTooLarge&) {
    throwCannotOpen(path, FileTooLargeReason);
  }
}

void saveDocumentFile(const std::string& path, const RichDocument& document, DocumentFormat format) {
  writeFileAtomically(path, writeDocument(document, format));
}

}  // namespace tessaro
