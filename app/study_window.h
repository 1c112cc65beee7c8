// The study window "TTessaro": the one document window, holding the subject and showing its name
// grid, its Venus star or its text document.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "common/study_subject.h"
#include "engine/primitives.h"
#include "ui/interaction.h"

class QFrame;
class QLabel;
class QTextEdit;

namespace tessaro {

class CellPanel;
class FindDialog;
class RulerPanel;

class TTessaro : public QWidget {
  Q_OBJECT

 public:
  explicit TTessaro(QWidget* parent = nullptr);
  ~TTessaro() override;

  // New study: asks for the subject and codes its name into the grid.
  void Etude();
  // Fills the four rows of the name grid and shows them.
  void Codage();
  // Fills the grid and the Venus star square and shows them.
  void Venus();

  // The analyses: each computes from the subject and shows its result dialog.
  void Interp();
  void Complet();
  void Lettres();
  void CheminVie();
  void NombreUnique();
  void Anneecours();
  void Nombres();
  void VieCourante();
  void EntenteDeux();
  // Writes the general portrait into the editor and shows it; a conversion error stops it and is
  // thrown once the paragraphs written before it are in place.
  void Portrait();

  // The first-names commands.
  void Consulter();
  void ViePrenom();
  void IncPre(bool value);

  // Study files and documents. A failure to read or write is thrown as a FileError.
  void Ouvrir(const QString& path);
  void Ouvrirrtf(const QString& path);
  // Asks for the study file's name; false when the dialog was cancelled.
  bool SaveAs();
  void Sauver();
  void Exporter();
  // Writes the document as shown to a PDF file of A4 pages, asked as "Exporter" asks.
  void ExporterPdf();
  // Before a command drops the document: when it changed since it was last written, asks whether
  // to export it first. False when the user cancelled the question, the name or the replacing.
  bool documentMayGo();

  // Formatting, applied to the selection, or to the editor's default attributes when nothing is
  // selected; none acts while the toolbar is being set from the selection.
  void Bold(bool on);
  void Ital(bool on);
  void Under(bool on);
  void Police(const QString& name);
  void Taille(int size);
  // Paragraph formatting of the paragraphs the selection touches.
  void Justif(Qt::Alignment alignment);
  void Bullets(bool on);

  void Selection();
  void Copier();
  void Coller();
  // Opens the find dialog; every opening searches from the top again.
  void Rechercher();
  // One job on the main window's printer.
  void Imprimer();
  // Closes the document: hides the ruler and the editor and removes the text, which no question
  // will offer to save.
  void Fermer();

  const StudySubject& subject() const { return Subject; }
  const DigitCountArray& digitCounts() const { return DigitCounts; }
  const QString& fileName() const { return FileName; }
  bool venusDone() const { return VenusDone; }
  bool includeFirstName() const { return IncludeFirstName; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void hideDocument();
  void showDocument();
  void hidePanels();
  // Writes the subject's letters and digits into the four grid rows, still hidden.
  void fillGrid();
  // Shows the subject that a new study or an opened file gave.
  void showNewSubject();

  void createEditor();
  void createRuler();
  void changeCurrText(const std::function<void(QFont&)>& change);
  // Mirrors the selection on the ruler and the toolbar.
  void SelectionChange();
  void findNext();

  // The ruler's tick marks and line, and its three markers.
  void SetupRuler();
  void RulerResize();
  void RulerItemMouseDown(QLabel* marker, int x);
  void RulerItemMouseMove(QLabel* marker, int x);
  void FirstIndMouseUp();
  void LeftIndMouseUp();
  void RightIndMouseUp();
  void placeMarkers();

  // Asks the study file's name; false when the dialog was cancelled.
  bool chooseStudyFileName(ReplaceQuestion replace);
  // Asks the name and writes the document; false when nothing was written.
  bool exportDocument(const char* filter);

  // First-name letters, first-name digits, last-name letters, last-name digits.
  std::array<CellPanel*, 4> gridPanels{};
  CellPanel* starPanel = nullptr;
  QTextEdit* editor = nullptr;
  RulerPanel* Ruler = nullptr;
  QLabel* FirstInd = nullptr;
  QLabel* LeftInd = nullptr;
  QFrame* RulerLine = nullptr;
  QLabel* RightInd = nullptr;
  FindDialog* findDialog = nullptr;

  StudySubject Subject;
  DigitCountArray DigitCounts{};
  QString FileName;
  // The page footer's name of the client whose portrait the document is; empty for a file's text.
  QString DocumentClient;
  bool VenusDone = false;
  bool IncludeFirstName = false;
  bool UpdatingStyles = false;
  int RulerDragOffset = 0;
  bool RulerDragging = false;
  int FindPos = 0;
};

}  // namespace tessaro
