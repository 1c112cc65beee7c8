// The compatibility dialog and its printed page.
#include "engine/ui/entente_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPen>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QToolButton>

#include "common/errors.h"
#include "engine/ui/classic_fonts.h"
#include "engine/ui/memo_lines.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

constexpr int PageMarginMm = 5;

ResultDialogLayout ententeLayout() {
  return {
      "TEntente",
      "Entente \xE0 deux",
      450,
      343,
      343,
      {{"Nom", 8, 44}, {"Nombre d'expression", 24, 68}, {"Nom", 8, 100}, {"Nombre d'expression", 24, 124}},
      {{170, 66, 121}, {170, 122, 121}},
      MemoPlace{8, 156, 433, 181, true}};
}

// Text is placed by its top edge, as the page's positions are given.
void printAt(QPainter& painter, int x, int top, const QString& text) {
  painter.drawText(QPoint(x, top + painter.fontMetrics().ascent()), text);
}

}  // namespace

TEntente::TEntente(QWidget* parent) : ResultDialog(ententeLayout(), parent) {
  for (int number : {1, 3}) {
    QFont font = label(number)->font();
    font.setBold(true);
    label(number)->setFont(font);
  }
  printButton = new QToolButton(topPanel());
  printButton->setObjectName(QStringLiteral("SpeedButton1"));
  printButton->setGeometry(8, 4, 25, 25);
  printButton->setAutoRaise(true);
  printButton->setIcon(QIcon(QStringLiteral(":/icons/document-print.svg")));
  printButton->setToolTip(QStringLiteral("Imprimer"));
  connect(printButton, &QToolButton::clicked, this, &TEntente::SpeedButton1Click);
}

void TEntente::Init(std::string_view firstFullName, std::string_view secondFullName,
                    std::string_view firstNumber, std::string_view secondNumber, std::string_view reading) {
  for (auto [number, name] : {std::pair{1, firstFullName}, std::pair{3, secondFullName}}) {
    label(number)->setText(toQString(name));
    label(number)->adjustSize();
  }
  fill({firstNumber, secondNumber}, reading);
}

void TEntente::SpeedButton1Click() {
  QPrinter printer(QPrinter::HighResolution);
  printPage(printer);
}

int TEntente::Mh(const QPaintDevice& page, int millimetres) {
  return page.width() / page.widthMM() * (millimetres + PageMarginMm);
}

int TEntente::Mv(const QPaintDevice& page, int millimetres) {
  return page.height() / page.heightMM() * (millimetres + PageMarginMm);
}

void TEntente::printPage(QPrinter& printer) const {
  QPainter painter;
  if (!printer.isValid() || !painter.begin(&printer)) {
    throw TessaroError(
        "L'imprimante s\xE9lectionn\xE9"
        "e n'est pas valide");
  }
  painter.setPen(QPen(Qt::black, 2));
  painter.drawRect(
      QRect(QPoint(Mh(printer, 20), Mv(printer, 20)), QPoint(Mh(printer, 190), Mv(printer, 120))));

  const QString firstName = label(1)->text();
  const QString secondName = label(3)->text();
  const QString title = QStringLiteral("Entente entre ") + firstName + QStringLiteral(" et ") + secondName;
  painter.setFont(classicPrinterFont(ClassicFace::Arial, 12, true));
  printAt(painter, (printer.width() - painter.fontMetrics().horizontalAdvance(title)) / 2, Mv(printer, 30),
          title);

  const int left = Mh(printer, 30);
  const QString numberCaption = QStringLiteral("Nombre d'expression : ");
  printAt(painter, left, Mv(printer, 40), firstName);
  printAt(painter, left, Mv(printer, 45), numberCaption + edit(1)->text());
  printAt(painter, left, Mv(printer, 50), secondName);
  printAt(painter, left, Mv(printer, 55), numberCaption + edit(2)->text());

  // The lines as the memo shows them, with no test against the frame or the page's end.
  const QStringList lines = displayedLines(*memo());
  for (int i = 0; i < lines.size(); ++i) printAt(painter, left, Mv(printer, 65 + 5 * i), lines[i]);
  painter.end();
}

}  // namespace tessaro
