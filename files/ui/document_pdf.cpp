// The editor's document on A4 PDF pages, with the subject's footer.
#include "files/ui/document_pdf.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <cmath>

#include "common/study_subject.h"
#include "files/ui/document_pages.h"
#include "files/ui/pdf_file.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

constexpr double MarginMillimetres = 20;
// The footer's line sits in the bottom margin, clear of the text and of the sheet's edge.
constexpr double FooterBaselineMillimetres = 12;
constexpr int FooterPoints = 9;

}  // namespace

void drawPageFooter(QPainter& painter, const QFont& font, const QRect& body, int baseline,
                    const QString& name, int page, int pageCount) {
  painter.save();
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(QPoint(body.left(), baseline), name);
  const QString pageText = QStringLiteral("page %1 / %2").arg(page).arg(pageCount);
  painter.drawText(QPoint(body.right() - painter.fontMetrics().horizontalAdvance(pageText), baseline),
                   pageText);
  painter.restore();
}

QString footerName(const StudySubject& subject) {
  return toQString(subject.FirstName + ' ' + subject.LastName).trimmed();
}

void drawFooteredPages(const QTextDocument& document, const QString& subjectName, QPainter& painter,
                       QPagedPaintDevice& device) {
  const auto millimetres = [&device](double length) {
    return int(std::lround(length * device.logicalDpiY() / 25.4));
  };
  const int margin = millimetres(MarginMillimetres);
  const QRect body(margin, margin, device.width() - 2 * margin, device.height() - 2 * margin);
  QFont footerFont(document.defaultFont().family());
  footerFont.setPointSize(FooterPoints);
  const int baseline = device.height() - millimetres(FooterBaselineMillimetres);
  drawDocumentPages(document, painter, device, body, [&](QPainter& page, int number, int count) {
    drawPageFooter(page, footerFont, body, baseline, subjectName, number, count);
  });
}

void saveDocumentPdf(const QTextDocument& document, const QString& subjectName, const std::string& path) {
  writePdfFile(path, subjectName, [&](QPdfWriter& writer, QPainter& painter) {
    drawFooteredPages(document, subjectName, painter, writer);
  });
}

}  // namespace tessaro
