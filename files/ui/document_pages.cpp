// The editor's document drawn on the pages of a printer or a PDF file.
#include "files/ui/document_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QScreen>
#include <QTextDocument>
#include <memory>

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

void drawDocumentPages(const QTextDocument& document, QPainter& painter, QPagedPaintDevice& device,
                       const QRect& body, const PageDecoration& decorate) {
  const std::unique_ptr<QTextDocument> pages(document.clone());
  const QSizeF sourceDpi = screenDpi();
  const qreal scaleX = device.logicalDpiX() / sourceDpi.width();
  const qreal scaleY = device.logicalDpiY() / sourceDpi.height();
  const QSizeF page(body.width() / scaleX, body.height() / scaleY);
  pages->setDocumentMargin(0);
  pages->setPageSize(page);

  QAbstractTextDocumentLayout::PaintContext context;
  context.palette.setColor(QPalette::Text, Qt::black);
  const int count = pages->pageCount();
  for (int index = 0; index < count; ++index) {
    if (index > 0) device.newPage();
    const QRectF view(0, index * page.height(), page.width(), page.height());
    painter.save();
    painter.translate(body.topLeft());
    painter.scale(scaleX, scaleY);
    painter.translate(0, -view.top());
    painter.setClipRect(view);
    // A line that opens the next page starts on this page's lower edge: drawn here, clipped
    // away, it would still be in the file's text, twice.
    context.clip = view.adjusted(0, 0, 0, -1);
    pages->documentLayout()->draw(&painter, context);
    painter.restore();
    if (decorate) decorate(painter, index + 1, count);
  }
}

}  // namespace tessaro
