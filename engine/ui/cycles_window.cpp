// The cycles window: the timeline, the reading of the part clicked, and the page it prints.
#include "engine/ui/cycles_window.h"

#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QToolButton>
#include <QVariant>
#include <cmath>

#include "common/cp1252_literal.h"
#include "engine/ui/cycles_timeline.h"
#include "engine/ui/memo_lines.h"
#include "files/ui/document_pdf.h"
#include "files/ui/pdf_file.h"
#include "files/ui/save_file_name.h"
#include "ui/classic_fonts.h"
#include "ui/guarded.h"
#include "ui/qt_text.h"

// The dialogs' pictures live in a static library: nothing else would pull them into a program.
static void loadCyclesPictures() { Q_INIT_RESOURCE(engine_ui); }

namespace tessaro {
namespace {

constexpr int ClientWidth = 760;
constexpr int ClientHeight = 500;
constexpr QRect TimelinePlace(8, 41, 744, 277);

ResultDialogLayout cyclesLayout() {
  return {
      "TCycles", "Cycles de vie", ClientWidth, ClientHeight, 677, {}, {}, MemoPlace{8, 326, 744, 166, true}};
}

// The page: margins and footer as the document's PDF pages have them, the timeline as wide as the
// text and a little less than half as high.
constexpr double MarginMillimetres = 20;
constexpr double FooterBaselineMillimetres = 12;
constexpr double GapMillimetres = 6;
constexpr double TimelineHeightShare = 0.42;
constexpr int TitlePoints = 16;
constexpr int TextPoints = 10;
constexpr int FooterPoints = 9;

int millimetresOn(const QPaintDevice& device, double length) {
  return int(std::lround(length * device.width() / device.widthMM()));
}

QString subjectLine(const StudySubject& subject, int32_t age) {
  return toQString(subject.FirstName + ' ' + subject.LastName).trimmed() +
         toQString(", né(e) le "_cp1252 + subject.BirthDate + " ; étude du "_cp1252 + subject.StudyDate) +
         QStringLiteral(" (%1 ans)").arg(age);
}

}  // namespace

TCycles::TCycles(const StudySubject& studied, Interaction& interaction, PrinterSource printer,
                 QWidget* parent)
    : ResultDialog(cyclesLayout(), parent),
      subject(studied),
      cycles(computeCycles(studied)),
      asker(interaction),
      currentPrinter(std::move(printer)) {
  loadCyclesPictures();

  auto* printButton = new QToolButton(topPanel());
  printButton->setObjectName(QStringLiteral("printButton"));
  printButton->setGeometry(8, 4, 25, 25);
  printButton->setAutoRaise(true);
  printButton->setIcon(QIcon(QStringLiteral(":/icons/document-print.svg")));
  printButton->setToolTip(QStringLiteral("Imprimer"));
  connect(printButton, &QToolButton::clicked, this, [this] {
    runGuarded(
        this, [this] { printCycles(); }, asker);
  });
  auto* pdfButton = new QToolButton(topPanel());
  pdfButton->setObjectName(QStringLiteral("pdfButton"));
  pdfButton->setGeometry(35, 4, 33, 25);
  pdfButton->setAutoRaise(true);
  pdfButton->setText(QStringLiteral("PDF"));
  pdfButton->setToolTip(QStringLiteral("Enregistrer en PDF"));
  connect(pdfButton, &QToolButton::clicked, this, [this] {
    runGuarded(
        this, [this] { savePdf(); }, asker);
  });

  subjectLabel = new QLabel(subjectLine(subject, cycles.age), topPanel());
  subjectLabel->setObjectName(QStringLiteral("subjectLabel"));
  subjectLabel->setGeometry(80, 4, 590, 25);

  timelineView = new CyclesTimeline(cycles, this);
  timelineView->setGeometry(TimelinePlace);
  connect(timelineView, &CyclesTimeline::partChosen, this,
          [this](TimelinePart part) { showReading(timelinePartReading(cycles, part)); });
  showReading(cycles.reading);
  timelineView->setFocus();
}

void TCycles::showReading(std::string_view reading) { showCleanReading(*memo(), reading); }

void TCycles::printCycles() {
  QPrinter& printer = currentPrinter();
  if (printerChosen(this, printer, asker)) printPage(printer);
}

void TCycles::printPage(QPrinter& printer) const {
  QPainter painter;
  beginPrinting(painter, printer);
  drawPage(painter, printer);
  painter.end();
}

void TCycles::savePdf() {
  const std::optional<std::string> path = askPdfFileName(this, asker);
  if (!path) return;
  writePdfFile(*path, windowTitle(),
               [this](QPdfWriter& writer, QPainter& painter) { drawPage(painter, writer); });
}

void TCycles::drawPage(QPainter& painter, const QPaintDevice& device) const {
  const int margin = millimetresOn(device, MarginMillimetres);
  const QRect body(margin, margin, device.width() - 2 * margin, device.height() - 2 * margin);
  const int gap = millimetresOn(device, GapMillimetres);
  painter.setPen(Qt::black);
  int y = body.top();
  const auto paragraph = [&](const QString& text, const QFont& font) {
    painter.setFont(font);
    const QRect place(body.left(), y, body.width(), body.bottom() - y);
    const QRect used = painter.boundingRect(place, Qt::TextWordWrap, text);
    painter.drawText(place, Qt::TextWordWrap, text);
    y += used.height();
  };
  paragraph(windowTitle(), classicPrinterFont(ClassicFace::Arial, TitlePoints, true));
  const QFont text = classicPrinterFont(ClassicFace::Arial, TextPoints);
  paragraph(subjectLabel->text(), text);
  y += gap;
  const QRect timelineArea(body.left(), y, body.width(), int(body.width() * TimelineHeightShare));
  painter.setFont(text);
  drawCyclesTimeline(painter, timelineArea, cycles, timelineView->selected());
  y = timelineArea.bottom() + gap;
  for (const QString& line : memo()->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    paragraph(line, text);
    y += gap / 3;
  }
  drawPageFooter(painter, classicPrinterFont(ClassicFace::Arial, FooterPoints), body,
                 device.height() - millimetresOn(device, FooterBaselineMillimetres), footerName(subject), 1,
                 1);
}

}  // namespace tessaro
