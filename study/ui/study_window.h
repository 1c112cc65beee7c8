// The study window "TTessaro": a study in its grid-and-star view or document editor, and its operations.
#pragma once

#include <QWidget>
#include <optional>

#include "study/ui/document_editor.h"
#include "study/ui/study.h"
#include "study/ui/study_dialogs.h"

namespace tessaro {

class StudyView;

class TTessaro : public QWidget {
  Q_OBJECT

 public:
  TTessaro(Study& study, const StudyDialogs& dialogs, DocumentEditor* document, QWidget* parent = nullptr);

  bool Etude(const std::optional<StudySubject>& proposed = std::nullopt);  // new subject; false if none
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
  bool Sauver();  // the study's file, and its portrait beside it; false when no name was given

  DocumentEditor& document() const { return documentEditor; }
  const StudySubject& subject() const { return study.Subject; }
  const DigitCountArray& digitCounts() const { return study.DigitCounts; }
  const QString& fileName() const { return study.FileName; }
  bool venusDone() const { return study.VenusDone; }
  bool includeFirstName() const { return study.IncludeFirstName; }

 signals:
  void subjectChosen();  // a subject with a last name: the analyses can run

 private:
  void showNewSubject();
  void showCaption();

  Study& study;
  StudyDialogs dialogs;
  StudyView* view;
  DocumentEditor& documentEditor;
};

}  // namespace tessaro
