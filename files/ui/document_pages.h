// A document laid out on pages as the editor lays it out on the screen, and drawn page by page.
#pragma once

#include <QRect>
#include <functional>

class QPagedPaintDevice;
class QPainter;
class QTextDocument;

namespace tessaro {

// Draws around a page's body, in the device's pixels: the page's number from 1, and how many.
using PageDecoration = std::function<void(QPainter& painter, int page, int pageCount)>;

// Draws the document with the begun painter, laid out in pages the size of body (a rectangle of
// the device, in its pixels) at the screen's resolution and scaled to the device's, so the text
// wraps and breaks where it would on paper of the screen's resolution. Each page after the first
// starts a new page of the device.
void drawDocumentPages(const QTextDocument& document, QPainter& painter, QPagedPaintDevice& device,
                       const QRect& body, const PageDecoration& decorate = {});

}  // namespace tessaro
