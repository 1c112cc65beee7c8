// PDF files drawn with Qt's own PDF output and written as every other file of the program is.
#pragma once

#include <QString>
#include <functional>
#include <string>

class QPainter;
class QPdfWriter;

namespace tessaro {

inline constexpr const char* PdfFilter = "Document PDF (*.pdf)|*.pdf";
inline constexpr const char* PdfExtension = ".pdf";

// Draws pages with the painter on an A4 PDF whose pixels cover the whole sheet, then replaces the
// file as writeFileAtomically does. Throws FileError "Ne peut créer le fichier <path>" with the
// reason; the previous file is kept then.
void writePdfFile(const std::string& path, const QString& title,
                  const std::function<void(QPdfWriter& writer, QPainter& painter)>& draw);

// A length on the sheet, in the writer's pixels.
int millimetres(const QPdfWriter& writer, double length);

}  // namespace tessaro
