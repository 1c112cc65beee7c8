// The comparison card: numbers in labels, grid and star drawn as the study window's raised cells.
#include "names/ui/name_card.h"

#include <qdrawutil.h>

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "common/cp1252_literal.h"
#include "common/integer.h"
#include "engine/name_grid.h"
#include "ui/classic_fonts.h"
#include "ui/qt_text.h"

namespace tessaro {

namespace {

// A cell as the study window draws its grid: a raised button face with its caption centred.
void drawCell(QPainter& painter, const QPalette& palette, const QRect& cell, const QString& text,
              const QBrush& fill) {
  qDrawShadePanel(&painter, cell, palette, false, 1, &fill);
  painter.setPen(palette.buttonText().color());
  painter.drawText(cell, Qt::AlignCenter, text);
}

}  // namespace

// The four rows of the letter grid: first-name letters and digits, last-name letters and digits.
class NameGridDrawing : public QWidget {
 public:
  static constexpr int Cell = 18;

  explicit NameGridDrawing(QWidget* parent) : QWidget(parent) {
    setFixedSize(static_cast<int>(NameGridCells) * Cell, 4 * Cell);
  }

  void showGrid(const NameGrid& shownGrid) {
    grid = shownGrid;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setFont(classicFont(ClassicFace::MsSansSerif, 12));
    const NameGridRow* rows[] = {&grid.firstNameLetters, &grid.firstNameDigits, &grid.lastNameLetters,
                                 &grid.lastNameDigits};
    for (int r = 0; r < 4; ++r) {
      for (int k = 0; k < static_cast<int>(NameGridCells); ++k) {
        drawCell(painter, palette(), QRect(k * Cell, r * Cell, Cell, Cell),
                 toQString((*rows[r])[static_cast<size_t>(k)]), palette().button());
      }
    }
  }

 private:
  NameGrid grid;
};

// The star's 3 by 3 square of digit counts: a missing digit greyed, as a gap in the name; a
// digit the first name brings framed.
class StarDrawing : public QWidget {
 public:
  static constexpr int Cell = 24;

  explicit StarDrawing(QWidget* parent) : QWidget(parent) { setFixedSize(3 * Cell, 3 * Cell); }

  void showCounts(const DigitCountArray& digitCounts, const Text& filledDigits, bool shown) {
    counts = digitCounts;
    filled = filledDigits;
    visible = shown;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!visible) return;
    QPainter painter(this);
    painter.setFont(classicFont(ClassicFace::MsSansSerif, 13, true));
    for (int digit = 1; digit <= 9; ++digit) {
      const QRect cell(((digit - 1) % 3) * Cell, ((digit - 1) / 3) * Cell, Cell, Cell);
      const int count = counts[static_cast<size_t>(digit)];
      drawCell(painter, palette(), cell, QString::number(count),
               count == 0 ? palette().mid() : palette().button());
      if (filled.find(static_cast<char>('0' + digit)) != Text::npos) {
        painter.save();
        painter.setPen(QPen(palette().highlight().color(), 3));
        painter.drawRect(cell.adjusted(2, 2, -3, -3));
        painter.restore();
      }
    }
  }

 private:
  DigitCountArray counts{};
  Text filled;
  bool visible = false;
};

NameCard::NameCard(const QString& title, const QString& objectName, QWidget* parent) : QWidget(parent) {
  setObjectName(objectName);
  auto* heading = new QLabel(title, this);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  nameLabel = new QLabel(this);
  nameLabel->setObjectName(QStringLiteral("nameLabel"));
  nameLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* numbers = new QFormLayout;
  numbers->setContentsMargins(0, 0, 0, 0);
  numbers->setVerticalSpacing(0);
  const char* const labels[] = {"Intime", "Expression", "Réalisation"_cp1252, "Actif", "Héréditaire"_cp1252};
  const char* const names[] = {"intimateValue", "expressionValue", "realisationValue", "activeValue",
                               "hereditaryValue"};
  for (size_t i = 0; i < numberLabels.size(); ++i) {
    numberLabels[i] = new QLabel(this);
    numberLabels[i]->setObjectName(QString::fromLatin1(names[i]));
    numbers->addRow(toQString(labels[i]) + QStringLiteral(" :"), numberLabels[i]);
  }
  gridDrawing = new NameGridDrawing(this);
  gridDrawing->setObjectName(QStringLiteral("gridDrawing"));
  starDrawing = new StarDrawing(this);
  starDrawing->setObjectName(QStringLiteral("starDrawing"));

  auto* titleLine = new QHBoxLayout;
  titleLine->addWidget(heading);
  titleLine->addWidget(nameLabel, 1);
  auto* numbersAndStar = new QHBoxLayout;
  numbersAndStar->addLayout(numbers);
  numbersAndStar->addStretch();
  numbersAndStar->addWidget(starDrawing, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(titleLine);
  layout->addWidget(gridDrawing);
  layout->addLayout(numbersAndStar);
  layout->addStretch();
}

void NameCard::showName(const StudySubject& name, const CandidateNumbers& numbers, const Text& filled) {
  const bool shown = !name.LastName.empty();
  nameLabel->setText(shown ? toQString(trim(name.FirstName + ' ' + name.LastName)) : QString());
  const Text* values[] = {&numbers.intimate, &numbers.expression, &numbers.realisation, &numbers.active,
                          &numbers.hereditary};
  for (size_t i = 0; i < numberLabels.size(); ++i)
    numberLabels[i]->setText(shown ? toQString(*values[i]) : QString());
  gridDrawing->showGrid(computeNameGrid(shown ? name : StudySubject{}));
  starDrawing->showCounts(numbers.digitCounts, filled, shown);
  starDrawing->setAccessibleDescription(
      shown ? QStringLiteral(u"Chiffres manquants : %1").arg(toQString(trim(numbers.missing))) : QString());
}

QString NameCard::numberText(int index) const { return numberLabels[static_cast<size_t>(index)]->text(); }

}  // namespace tessaro
