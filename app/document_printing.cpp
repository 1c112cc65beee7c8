// The document laid out on the printer's pages and drawn page by page.
#include "app/document_printing.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTextDocument>
#include <memory>

#include "ui/print_job.h"

namespace tessaro {
namespace {

// The resolution the editor lays text out at: sizes in pixels and points mean there what they
// mean on the screen.
QSizeF screenDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? QSizeF(screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY())
                           : QSizeF(96, 96);
}

}  // namespace

void printDocument(const QTextDocument& document, QPrinter& printer) {
  printer.setDocName(QString());
  QPainter painter;
  beginPrinting(painter, printer);
  // A copy laid out as on the screen, in pages the size of the printable area, then scaled to the
  // printer: the text wraps and breaks where it would on paper of the screen's resolution.
  const std::unique_ptr<QTextDocument> pages(document.clone());
  const QSizeF sourceDpi = screenDpi();
  const qreal scaleX = printer.logicalDpiX() / sourceDpi.width();
  const qreal scaleY = printer.logicalDpiY() / sourceDpi.height();
  const QSizeF page(printer.width() / scaleX, printer.height() / scaleY);
  pages->setDocumentMargin(0);
  pages->setPageSize(page);

  QAbstractTextDocumentLayout::PaintContext context;
  context.palette.setColor(QPalette::Text, Qt::black);
  const int count = pages->pageCount();
  for (int index = 0; index < count; ++index) {
    if (index > 0) printer.newPage();
    const QRectF view(0, index * page.height(), page.width(), page.height());
    painter.save();
    painter.scale(scaleX, scaleY);
    painter.translate(0, -view.top());
    painter.setClipRect(view);
    context.clip = view;
    pages->documentLayout()->draw(&painter, context);
    painter.restore();
  }
  painter.end();
}

}  // namespace tessaro
