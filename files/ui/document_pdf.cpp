// The editor's document on A4 PDF pages, with the subject's footer.
#include "files/ui/document_pdf.h"

#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

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

void saveDocumentPdf(const QTextDocument& document, const QString& subjectName, const std::string& path) {
  writePdfFile(path, subjectName, [&](QPdfWriter& writer, QPainter& painter) {
    const int margin = millimetres(writer, MarginMillimetres);
    const QRect body(margin, margin, writer.width() - 2 * margin, writer.height() - 2 * margin);
    QFont footerFont(document.defaultFont().family());
    footerFont.setPointSize(FooterPoints);
    const int baseline = writer.height() - millimetres(writer, FooterBaselineMillimetres);
    drawDocumentPages(document, painter, writer, body, [&](QPainter& page, int number, int count) {
      drawPageFooter(page, footerFont, body, baseline, subjectName, number, count);
    });
  });
}

}  // namespace tessaro
