// The study window: its cells and editor, the new-study flow and the switching between displays.
#include "app/study_window.h"

#include <QTextEdit>

#include "app/app_windows.h"
#include "app/cell_panel.h"
#include "app/find_dialog.h"
#include "app/main_form.h"
#include "app/new_study_dialog.h"
#include "app/ruler_panel.h"
#include "common/cp1252_literal.h"
#include "common/integer.h"
#include "engine/name_grid.h"
#include "engine/venus_star.h"
#include "names/ui/first_name_viewer.h"
#include "names/ui/first_names_browser.h"
#include "ui/classic_fonts.h"
#include "ui/interaction.h"
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
constexpr int RulerHeight = 32;

std::vector<Text> cellTexts(const NameGridRow& row) { return {row.begin(), row.end()}; }

}  // namespace

TTessaro::TTessaro(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TTessaro"));
  setFont(classicFont(ClassicFace::MsSansSerif, 13));
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);

  // The editor and the ruler lie behind the cells.
  createEditor();
  createRuler();
  findDialog = new FindDialog(this);
  connect(findDialog, &FindDialog::find, this, &TTessaro::findNext);

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

// The editor reports every move of the caret, up to its own destruction: stop listening first.
TTessaro::~TTessaro() { disconnect(editor, nullptr, this, nullptr); }

// The ruler and the editor are shown and hidden together: the editor always leaves the ruler its
// strip along the top.
void TTessaro::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Ruler->setGeometry(0, 0, width(), RulerHeight);
  editor->setGeometry(0, RulerHeight, width(), height() - RulerHeight);
}

void TTessaro::Etude() {
  TNouveau& dialog = *appWindows().Nouveau;
  dialog.FormShow();
  interaction().execDialog(dialog);
  // A cancelled dialog leaves the study as it was: its subject, its file and its document.
  const std::optional<StudySubject> typed = dialog.Result();
  if (!typed || !documentMayGo()) return;
  Subject = *typed;
  FileName.clear();
  showNewSubject();
}

// The document and the star square were the earlier subject's: neither stays for the new one.
void TTessaro::showNewSubject() {
  setWindowTitle(toQString(studyCaption(Subject)));
  VenusDone = false;
  DigitCounts = {};
  Fermer();
  starPanel->hide();
  if (!Subject.LastName.empty()) appWindows().MainForm->Valide();
  appWindows().Prenoms->CherchePrenom(Subject.FirstName);
  Codage();
}

void TTessaro::Codage() {
  fillGrid();
  for (CellPanel* panel : gridPanels) panel->show();
}

void TTessaro::fillGrid() {
  const NameGrid grid = computeNameGrid(Subject);
  gridPanels[0]->showTexts(cellTexts(grid.firstNameLetters));
  gridPanels[1]->showTexts(cellTexts(grid.firstNameDigits));
  gridPanels[2]->showTexts(cellTexts(grid.lastNameLetters));
  gridPanels[3]->showTexts(cellTexts(grid.lastNameDigits));
}

void TTessaro::Venus() {
  hideDocument();
  fillGrid();
  DigitCounts = computeVenusStar(Subject).counts;
  std::vector<Text> counts;
  for (int digit = 1; digit <= 9; ++digit) counts.push_back(integerText(DigitCounts[digit]));
  starPanel->showTexts(counts);
  for (CellPanel* panel : gridPanels) panel->show();
  starPanel->show();
  VenusDone = true;
}

void TTessaro::Consulter() { interaction().execDialog(*appWindows().Prenoms); }

void TTessaro::ViePrenom() {
  TVPrenom& viewer = *appWindows().VPrenom;
  viewer.Init(appWindows().Prenoms->readingFor(Subject.FirstName));
  interaction().execDialog(viewer);
}

void TTessaro::IncPre(bool value) { IncludeFirstName = value; }

void TTessaro::hidePanels() {
  for (CellPanel* panel : gridPanels) panel->hide();
  starPanel->hide();
}

// The text commands act on the document shown: a hidden one is out of their reach.
void TTessaro::hideDocument() {
  Ruler->hide();
  editor->hide();
  appWindows().MainForm->Invalidtxt();
}

void TTessaro::showDocument() {
  Ruler->show();
  editor->show();
  appWindows().MainForm->Validtxt();
}

}  // namespace tessaro
