// The study window "TTessaro": one study shown in the grid-and-star view or in the document
// editor, and the operations of the menus that work on it.
#pragma once

#include <QWidget>

#include "study/ui/document_editor.h"
#include "study/ui/study.h"
#include "study/ui/study_dialogs.h"

namespace tessaro {

class StudyView;

class TTessaro : public QWidget {
  Q_OBJECT

 public:
  TTessaro(Study& study, const StudyDialogs& dialogs, DocumentEditor* document, QWidget* parent = nullptr);

  void Etude();  // asks for a new subject; a cancelled dialog changes nothing
  // The same, the dialog filled with a proposed subject; false when nothing changed.
  bool Etude(const StudySubject& proposed);
  void Venus();  // shows the grid and the Venus star square
  void Interp();
  void Complet();
  void Lettres();
  void CheminVie();
  void NombreUnique();
  void Anneecours();
  void Nombres();
  void VieCourante();
  void EntenteDeux();
  void Portrait();
  void Consulter();
  void ViePrenom();
  void IncPre(bool value);
  void Ouvrir(const QString& path);  // a failure to read is thrown as a FileError
  bool SaveAs();                     // asks the file's name; false when cancelled
  // Writes the study's file and, when the document is its portrait, the portrait beside it;
  // false when no name was given.
  bool Sauver();

  DocumentEditor& document() const { return documentEditor; }
  const StudySubject& subject() const { return study.Subject; }
  const DigitCountArray& digitCounts() const { return study.DigitCounts; }
  const QString& fileName() const { return study.FileName; }
  bool venusDone() const { return study.VenusDone; }
  bool includeFirstName() const { return study.IncludeFirstName; }

 signals:
  void subjectChosen();  // a subject with a last name: the analyses can run

 private:
  // The new-study dialog, prepared, then the subject typed in it; false when nothing changed.
  bool startStudyFromDialog();
  void showNewSubject();

  Study& study;
  StudyDialogs dialogs;
  StudyView* view;
  DocumentEditor& documentEditor;
};

}  // namespace tessaro
