// The new-study dialog "Nouveau thème", which collects the subject of a study.
#pragma once

#include <QDialog>
#include <optional>

#include "common/study_subject.h"

class QLineEdit;

namespace tessaro {

class DateField;

class TNouveau : public QDialog {
  Q_OBJECT

 public:
  explicit TNouveau(QWidget* parent = nullptr);

  // Prepares the dialog before each showing: empty fields, today's date in both pickers, focus
  // on the first name, nothing accepted.
  void FormShow();
  // The same, the fields filled with a proposed subject for the user to confirm; an empty date
  // keeps today's, and the keyboard waits in the birth date when the proposal has none.
  void FormShow(const StudySubject& proposed);
  // The dialog's subject, upper-cased and trimmed, when it was accepted.
  std::optional<StudySubject> Result() const;

  void cancelStudy();  // "Annuler"
  void acceptStudy();  // "OK"

 protected:
  // The Enter key of the seven inputs.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  NewStudyInput input() const;
  // The names and the two dates; a problem is shown, the keyboard goes to the field at fault
  // and the dialog stays open with what was typed.
  bool inputsAccepted();
  bool refuse(const QString& message, QLineEdit* field);
  void acceptInputs();

  QLineEdit* firstNameEdit;
  QLineEdit* lastNameEdit;
  DateField* birthDateField;
  DateField* studyDateField;
  QLineEdit* addressEdit;
  QLineEdit* cityEdit;
  QLineEdit* companyEdit;
  bool Accepted = false;
};

}  // namespace tessaro
