// The editor's document as a PDF file: the one way the workbench and tessaro-cli make one.
#pragma once

#include <QString>
#include <string>

class QFont;
class QPagedPaintDevice;
class QPainter;
class QRect;
class QTextDocument;

namespace tessaro {

struct StudySubject;

// The name a page footer shows: first name and last name.
QString footerName(const StudySubject& subject);

// The footer of the program's PDF pages: the name at the left of the body's width and "page n / N"
// at its right, on the baseline.
void drawPageFooter(QPainter& painter, const QFont& font, const QRect& body, int baseline,
                    const QString& name, int page, int pageCount);

// Draws the document on the begun painter as the PDF pages show it: margins of 2 cm from the
// sheet's edges (the device's coordinates start at the sheet's corner) and the footer on each
// page. Printing draws through it too, so that paper and PDF give the same pages.
void drawFooteredPages(const QTextDocument& document, const QString& subjectName, QPainter& painter,
                       QPagedPaintDevice& device);

// Writes the document as the editor shows it (fonts, styles, alignment, indents, bullets) on A4
// pages with margins of 2 cm, each with a footer holding the subject's name and "page n / N".
// Throws FileError "Ne peut créer le fichier <path>" with the reason; the previous file is kept
// then.
void saveDocumentPdf(const QTextDocument& document, const QString& subjectName, const std::string& path);

}  // namespace tessaro
