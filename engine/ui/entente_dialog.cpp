// The compatibility dialog and its page, printed or saved as PDF.
#include "engine/ui/entente_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QToolButton>

#include "common/cp1252_literal.h"
#include "engine/compatibility.h"
#include "engine/ui/memo_lines.h"
#include "files/ui/pdf_file.h"
#include "files/ui/save_file_name.h"
#include "ui/classic_fonts.h"
#include "ui/guarded.h"
#include "ui/print_job.h"
#include "ui/qt_text.h"

// The dialogs' pictures live in a static library: nothing else would pull them into a program.
static void loadDialogPictures() { Q_INIT_RESOURCE(engine_ui); }

namespace tessaro {
namespace {

ResultDialogLayout ententeLayout() {
  return {"TEntente",
          "Entente à deux"_cp1252,
          450,
          343,
          343,
          {{"Nom", "firstPerson", 8, 44},
           {"Nombre d'expression", "firstExpression", 24, 68},
           {"Nom", "secondPerson", 8, 100},
           {"Nombre d'expression", "secondExpression", 24, 124}},
          {{"firstExpression", 170, 66, 121}, {"secondExpression", 170, 122, 121}},
          MemoPlace{8, 156, 433, 181, true}};
}

PageSize pageSizeOf(const QPaintDevice& device) {
  return {device.width(), device.height(), device.widthMM(), device.heightMM()};
}

// Texts are placed by the top of their line.
void printAt(QPainter& painter, int x, int top, const QString& text) {
  painter.drawText(QPoint(x, top + painter.fontMetrics().ascent()), text);
}

}  // namespace

TEntente::TEntente(PrinterSource printer, QWidget* parent)
    : ResultDialog(ententeLayout(), parent), currentPrinter(std::move(printer)) {
  loadDialogPictures();
  for (int number : {1, 3}) {
    QFont font = label(number)->font();
    font.setBold(true);
    label(number)->setFont(font);
  }
  printButton = new QToolButton(topPanel());
  printButton->setObjectName(QStringLiteral("printButton"));
  printButton->setGeometry(8, 4, 25, 25);
  printButton->setAutoRaise(true);
  printButton->setIcon(QIcon(QStringLiteral(":/icons/document-print.svg")));
  printButton->setToolTip(QStringLiteral("Imprimer"));
  connect(printButton, &QToolButton::clicked, this, [this] { runGuarded(this, [this] { printEntente(); }); });
  pdfButton = new QToolButton(topPanel());
  pdfButton->setObjectName(QStringLiteral("pdfButton"));
  pdfButton->setGeometry(35, 4, 33, 25);
  pdfButton->setAutoRaise(true);
  pdfButton->setText(QStringLiteral("PDF"));
  pdfButton->setToolTip(QStringLiteral("Enregistrer en PDF"));
  connect(pdfButton, &QToolButton::clicked, this, [this] { runGuarded(this, [this] { savePdf(); }); });
}

void TEntente::Init(std::string_view firstFullName, std::string_view secondFullName,
                    std::string_view firstNumber, std::string_view secondNumber, std::string_view reading) {
  struct Person {
    QLabel* nameLabel;
    QLabel* expressionLabel;
    QLineEdit* expressionField;
    std::string_view fullName;
  };
  for (const Person& person : {Person{label(1), label(2), edit(1), firstFullName},
                               Person{label(3), label(4), edit(2), secondFullName}}) {
    person.nameLabel->setText(toQString(person.fullName));
    person.nameLabel->adjustSize();
    // Both fields are "Nombre d'expression": each is told apart by its person.
    person.expressionField->setAccessibleName(person.expressionLabel->text() + QStringLiteral(" de ") +
                                              toQString(person.fullName));
  }
  fill({firstNumber, secondNumber}, reading);
}

void TEntente::printEntente() {
  QPrinter& printer = currentPrinter();
  if (printerChosen(this, printer)) printPage(printer);
}

void TEntente::printPage(QPrinter& printer) const {
  QPainter painter;
  beginPrinting(painter, printer);
  drawPage(painter, printer);
  painter.end();
}

void TEntente::savePdf() {
  const std::optional<std::string> path = askPdfFileName(this);
  if (!path) return;
  writePdfFile(*path, windowTitle(),
               [this](QPdfWriter& writer, QPainter& painter) { drawPage(painter, writer); });
}

void TEntente::drawPage(QPainter& painter, const QPaintDevice& device) const {
  const PageSize size = pageSizeOf(device);
  const CompatibilityResult shown{fromQString(label(1)->text()),
                                  fromQString(label(3)->text()),
                                  fromQString(edit(1)->text()),
                                  fromQString(edit(2)->text()),
                                  {}};
  std::vector<Text> memoLines;
  for (const QString& line : displayedLines(*memo())) memoLines.push_back(fromQString(line));
  const CompatibilityPage page = compatibilityPage(size, shown, memoLines);

  painter.setPen(QPen(Qt::black, PagePenWidth));
  painter.drawRect(QRect(QPoint(page.frameLeft, page.frameTop), QPoint(page.frameRight, page.frameBottom)));
  painter.setFont(classicPrinterFont(ClassicFace::Arial, PageFontPoints, PageFontBold));
  const QString title = toQString(page.title);
  printAt(painter, titleX(size, painter.fontMetrics().horizontalAdvance(title)), page.titleY, title);
  for (const PageText& line : page.lines) printAt(painter, line.x, line.y, toQString(line.text));
}

}  // namespace tessaro
