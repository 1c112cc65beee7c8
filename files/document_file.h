// Opening and saving document files (RTF or plain text): the one path for the editor and the
// command-line tool.
#pragma once

#include <string>
#include <string_view>

#include "files/rich_text.h"

namespace tessaro {

enum class DocumentFormat { Rtf, PlainText };

// Plain text for a ".txt" file name (in any case), RTF otherwise.
DocumentFormat documentFormatForPath(const std::string& path);

// Where an export writes, and in which format, so that the file is what its name says: a name
// without extension takes the chosen format's; a ".rtf" or ".txt" name (in any case) is written
// in the format it names, whatever was chosen; any other name is kept, in the chosen format.
struct ExportTarget {
  std::string path;
  DocumentFormat format;
};
ExportTarget exportTarget(const std::string& chosen, DocumentFormat chosenFormat);

// Reads bytes as the editor does in a mode: in Rtf mode RTF, unless the bytes do not start with
// "{\rtf"; in PlainText mode always as plain text, in plainTextFormat.
RichDocument readDocument(std::string_view bytes, DocumentFormat mode = DocumentFormat::Rtf,
                          const CharFormat& plainTextFormat = CharFormat{});
std::string writeDocument(const RichDocument& document, DocumentFormat format);

// Throws FileError "Ne peut ouvrir le fichier <path>" with the reason when the file cannot be
// read, is larger than MaxReadableFileBytes or holds more than a document can.
RichDocument loadDocumentFile(const std::string& path, DocumentFormat mode = DocumentFormat::Rtf,
                              const CharFormat& plainTextFormat = CharFormat{});

// Replaces the file as writeFileAtomically does; throws FileError "Ne peut créer le fichier
// <path>" with the reason on failure.
void saveDocumentFile(const std::string& path, const RichDocument& document, DocumentFormat format);

}  // namespace tessaro
