// A block of display cells of the study window: a row of the name grid or the Venus star square.
#pragma once

#include <QWidget>
#include <vector>

#include "common/text.h"

class QLabel;

namespace tessaro {

class CellPanel : public QWidget {
  Q_OBJECT

 public:
  // Cells of cellSize pixels, row by row, named cell<firstNumber>, cell<firstNumber + 1>...
  CellPanel(const QString& name, int columns, int rows, int cellSize, const QFont& font, int firstNumber,
            QWidget* parent);

  int cellCount() const { return static_cast<int>(cells.size()); }
  // Cell k (0-based) shows the k-th text; cells past the end of the list are emptied.
  void showTexts(const std::vector<Text>& texts);

  // What assistive technologies call each cell: the caption with "%1" replaced by the cell's
  // 1-based number, followed by what the cell shows.
  void setCellCaption(const QString& caption);

 private:
  void nameCell(QLabel* cell, int number) const;

  std::vector<QLabel*> cells;
  QString cellCaption;
};

}  // namespace tessaro
