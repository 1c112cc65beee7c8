// The document printed on the pages of the program's PDF files.
#include "study/ui/document_printing.h"

#include <QPainter>
#include <QPrinter>

#include "files/ui/document_pdf.h"
#include "ui/print_job.h"

namespace tessaro {

void printDocument(const QTextDocument& document, const QString& clientName, QPrinter& printer) {
  printer.setDocName(QString());
  // The margins are measured from the sheet's edges, as on the PDF's pages, not from the edge
  // of what the printer can reach.
  printer.setFullPage(true);
  QPainter painter;
  beginPrinting(painter, printer);
  drawFooteredPages(document, clientName, painter, printer);
  painter.end();
}

void previewDocument(const QTextDocument& document, const QString& clientName, QPrinter& preview) {
  preview.setFullPage(true);
  QPainter painter;
  if (!painter.begin(&preview)) return;
  drawFooteredPages(document, clientName, painter, preview);
  painter.end();
}

}  // namespace tessaro
