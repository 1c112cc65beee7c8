// The document printed page by page over the printer's whole printable area.
#include "study/ui/document_printing.h"

#include <QPainter>
#include <QPrinter>

#include "files/ui/document_pages.h"
#include "ui/print_job.h"

namespace tessaro {

void printDocument(const QTextDocument& document, QPrinter& printer) {
  printer.setDocName(QString());
  QPainter painter;
  beginPrinting(painter, printer);
  drawDocumentPages(document, painter, printer, QRect(0, 0, printer.width(), printer.height()));
  painter.end();
}

}  // namespace tessaro
