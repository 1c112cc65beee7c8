// The name grid and the Venus star square of the study window.
#include "study/ui/study_view.h"

#include "common/cp1252_literal.h"
#include "common/integer.h"
#include "engine/name_grid.h"
#include "study/ui/cell_panel.h"
#include "ui/classic_fonts.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

constexpr int GridLeft = 10;
constexpr int GridTops[4] = {10, 35, 60, 85};
constexpr int GridCellSize = 25;
constexpr int GridPanelWidth = 526;
constexpr int GridPanelHeight = 26;
constexpr int StarTop = 120;
constexpr int StarCellSize = 50;

std::vector<Text> cellTexts(const NameGridRow& row) { return {row.begin(), row.end()}; }

}  // namespace

StudyView::StudyView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("studyView"));
  const QFont gridFont = classicFont(ClassicFace::MsSansSerif, 13);
  const char* const gridCaptions[4] = {"Lettres du prénom, case %1"_cp1252,
                                       "Chiffres du prénom, case %1"_cp1252, "Lettres du nom, case %1",
                                       "Chiffres du nom, case %1"};
  const char* const gridNames[4] = {"firstNameLettersPanel", "firstNameDigitsPanel", "lastNameLettersPanel",
                                    "lastNameDigitsPanel"};
  for (int i = 0; i < 4; ++i) {
    gridPanels[i] =
        new CellPanel(QString::fromLatin1(gridNames[i]), 21, 1, GridCellSize, gridFont, 1 + 21 * i, this);
    gridPanels[i]->setCellCaption(toQString(gridCaptions[i]));
    gridPanels[i]->setGeometry(GridLeft, GridTops[i], GridPanelWidth, GridPanelHeight);
    gridPanels[i]->hide();
  }
  starPanel = new CellPanel(QStringLiteral("starPanel"), 3, 3, StarCellSize,
                            classicFont(ClassicFace::MsSansSerif, 23, true), 85, this);
  starPanel->setCellCaption(toQString("Étoile de Vénus, chiffre %1"_cp1252));
  starPanel->move(GridLeft, StarTop);
  starPanel->showTexts({"1", "2", "3", "4", "5", "6", "7", "8", "9"});
  starPanel->hide();
}

void StudyView::showGrid(const StudySubject& subject) {
  const NameGrid grid = computeNameGrid(subject);
  gridPanels[0]->showTexts(cellTexts(grid.firstNameLetters));
  gridPanels[1]->showTexts(cellTexts(grid.firstNameDigits));
  gridPanels[2]->showTexts(cellTexts(grid.lastNameLetters));
  gridPanels[3]->showTexts(cellTexts(grid.lastNameDigits));
  for (CellPanel* panel : gridPanels) panel->show();
}

void StudyView::showStar(const DigitCountArray& counts) {
  std::vector<Text> texts;
  for (int digit = 1; digit <= 9; ++digit) texts.push_back(integerText(counts[digit]));
  starPanel->showTexts(texts);
  starPanel->show();
}

void StudyView::hideStar() { starPanel->hide(); }

void StudyView::hidePanels() {
  for (CellPanel* panel : gridPanels) panel->hide();
  hideStar();
}

}  // namespace tessaro
