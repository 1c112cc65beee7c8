// Display cells drawn as raised button faces.
#include "study/ui/cell_panel.h"

#include <QLabel>

#include "ui/qt_text.h"

namespace tessaro {

CellPanel::CellPanel(const QString& name, int columns, int rows, int cellSize, const QFont& font,
                     int firstNumber, QWidget* parent)
    : QWidget(parent) {
  setObjectName(name);
  resize(columns * cellSize, rows * cellSize);
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      auto* cell = new QLabel(this);
      cell->setObjectName(QStringLiteral("cell%1").arg(firstNumber + cellCount()));
      cell->setGeometry(column * cellSize, row * cellSize, cellSize, cellSize);
      cell->setFont(font);
      cell->setAlignment(Qt::AlignCenter);
      cell->setFrameStyle(QFrame::Panel | QFrame::Raised);
      cell->setLineWidth(1);
      cell->setAutoFillBackground(true);
      cell->setBackgroundRole(QPalette::Button);
      cell->setForegroundRole(QPalette::ButtonText);
      cells.push_back(cell);
    }
  }
}

void CellPanel::showTexts(const std::vector<Text>& texts) {
  for (size_t k = 0; k < cells.size(); ++k) {
    cells[k]->setText(k < texts.size() ? toQString(texts[k]) : QString());
    nameCell(cells[k], static_cast<int>(k) + 1);
  }
}

void CellPanel::setCellCaption(const QString& caption) {
  cellCaption = caption;
  for (size_t k = 0; k < cells.size(); ++k) nameCell(cells[k], static_cast<int>(k) + 1);
}

// A label with an accessible name is no longer read by its text, so the name carries both.
void CellPanel::nameCell(QLabel* cell, int number) const {
  if (cellCaption.isEmpty()) return;
  const QString place = cellCaption.arg(number);
  cell->setAccessibleName(cell->text().isEmpty() ? place : place + QStringLiteral(" : ") + cell->text());
}

}  // namespace tessaro
