// The study window "TTessaro": the one document window, holding the subject and showing its name
// grid, its Venus star or its text document.
#pragma once

#include <QWidget>
#include <array>

#include "common/study_subject.h"
#include "engine/primitives.h"

class QTextEdit;

namespace tessaro {

class CellPanel;

class TTessaro : public QWidget {
  Q_OBJECT

 public:
  explicit TTessaro(QWidget* parent = nullptr);

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

  // The first-names commands.
  void Consulter();
  void ViePrenom();
  void IncPre(bool value);

  // Closes the document: hides the editor and removes its text.
  void Fermer();

  const StudySubject& subject() const { return Subject; }
  const DigitCountArray& digitCounts() const { return DigitCounts; }
  const Text& fileName() const { return FileName; }
  bool venusDone() const { return VenusDone; }
  bool includeFirstName() const { return IncludeFirstName; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void hideDocument();
  // The captions of the four grid rows, from the subject's names.
  void showGridCaptions();

  std::array<CellPanel*, 4> gridPanels{};  // Panel1 to Panel4
  CellPanel* Panel5 = nullptr;
  QTextEdit* Rtf1 = nullptr;

  StudySubject Subject;
  DigitCountArray DigitCounts{};
  Text FileName;
  bool VenusDone = false;
  bool IncludeFirstName = false;
};

}  // namespace tessaro
