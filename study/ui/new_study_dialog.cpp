// The new-study dialog.
#include "study/ui/new_study_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/clock.h"
#include "common/cp1252_literal.h"
#include "common/text.h"
#include "study/ui/date_field.h"
#include "ui/classic_fonts.h"
#include "ui/dialog_frame.h"
#include "ui/interaction.h"
#include "ui/key_events.h"
#include "ui/qt_text.h"
#include "ui/storable_fields.h"

namespace tessaro {
namespace {

constexpr int FirstRowTop = 12;
constexpr int RowSpacing = 32;
constexpr int InputLeft = 140;
constexpr int InputWidth = 190;
constexpr int InputHeight = 21;

const QString StudyBeforeBirthQuestion = toQString(
    "La date de l'Etude précède la date de naissance : l'année en cours n'aura pas d'interprétation. "
    "Garder cette date ?"_cp1252);

// The date as the subject holds it; the text as typed when it is no date, which the checks refuse.
Text pickedDate(const DateField* field) {
  const std::optional<QDate> date = field->date();
  return date ? dateText(date->day(), date->month(), date->year()) : fromQString(field->text());
}

QPushButton* button(const QString& caption, const QString& name, int top, QWidget* parent) {
  auto* pushButton = new QPushButton(caption, parent);
  pushButton->setObjectName(name);
  pushButton->setGeometry(340, top, 75, 25);
  return pushButton;
}

}  // namespace

TNouveau::TNouveau(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TNouveau"));
  setWindowTitle(toQString("Nouveau thème"_cp1252));
  setFont(classicFont(ClassicFace::MsSansSerif, 13));
  setFixedDialogFrame(*this, 424, 241);

  firstNameEdit = new QLineEdit(this);
  lastNameEdit = new QLineEdit(this);
  birthDateField = new DateField(this);
  studyDateField = new DateField(this);
  addressEdit = new QLineEdit(this);
  cityEdit = new QLineEdit(this);
  companyEdit = new QLineEdit(this);
  const struct {
    const char* label;
    QWidget* input;
    const char* inputName;
  } rows[] = {{"Prénom"_cp1252, firstNameEdit, "firstNameEdit"},
              {"Nom", lastNameEdit, "lastNameEdit"},
              {"Date de naissance", birthDateField, "birthDateField"},
              {"Date de l'Etude", studyDateField, "studyDateField"},
              {"Adresse", addressEdit, "addressEdit"},
              {"Cp Ville", cityEdit, "cityEdit"},
              {"Société"_cp1252, companyEdit, "companyEdit"}};
  int top = FirstRowTop;
  for (const auto& row : rows) {
    auto* label = new QLabel(toQString(row.label), this);
    label->setObjectName(QString::fromLatin1(row.inputName) + QStringLiteral("Label"));
    label->move(16, top + 3);
    label->adjustSize();
    row.input->setObjectName(QString::fromLatin1(row.inputName));
    row.input->setGeometry(InputLeft, top, InputWidth, InputHeight);
    row.input->installEventFilter(this);
    top += RowSpacing;
  }

  connect(button(QStringLiteral("Annuler"), QStringLiteral("cancelButton"), FirstRowTop, this),
          &QPushButton::clicked, this, &TNouveau::cancelStudy);
  connect(button(QStringLiteral("OK"), QStringLiteral("okButton"), FirstRowTop + RowSpacing, this),
          &QPushButton::clicked, this, &TNouveau::acceptStudy);
}

void TNouveau::FormShow() {
  Accepted = false;
  for (QLineEdit* edit : {firstNameEdit, lastNameEdit, addressEdit, cityEdit, companyEdit}) edit->clear();
  const DateTime now = currentClock().now();
  const QDate today(now.year, now.month, now.day);
  birthDateField->setDate(today);
  studyDateField->setDate(today);
  firstNameEdit->setFocus();
}

void TNouveau::FormShow(const StudySubject& proposed) {
  FormShow();
  const std::pair<QLineEdit*, const Text&> fields[] = {
      {firstNameEdit, proposed.FirstName},  {lastNameEdit, proposed.LastName},
      {birthDateField, proposed.BirthDate}, {studyDateField, proposed.StudyDate},
      {addressEdit, proposed.Address},      {cityEdit, proposed.PostcodeCity},
      {companyEdit, proposed.Company}};
  for (const auto& [field, value] : fields) {
    if (!value.empty()) field->setText(toQString(value));
  }
  if (proposed.BirthDate.empty()) {
    birthDateField->setFocus();
    birthDateField->selectAll();
  }
}

NewStudyInput TNouveau::input() const {
  return {fromQString(firstNameEdit->text()), fromQString(lastNameEdit->text()),
          pickedDate(birthDateField),         pickedDate(studyDateField),
          fromQString(addressEdit->text()),   fromQString(cityEdit->text()),
          fromQString(companyEdit->text())};
}

std::optional<StudySubject> TNouveau::Result() const {
  if (!Accepted) return std::nullopt;
  return subjectFromNewStudy(input());
}

void TNouveau::cancelStudy() {
  Accepted = false;
  reject();
}

void TNouveau::acceptStudy() {
  if (!inputsAccepted()) return;
  const NewStudyInput withoutBlanks = withBlanksRemovedFromNames(input());
  firstNameEdit->setText(toQString(withoutBlanks.firstName));
  lastNameEdit->setText(toQString(withoutBlanks.lastName));
  acceptInputs();
}

bool TNouveau::inputsAccepted() {
  // A name of blanks only would reach every analysis as an empty name: it is missing.
  NewStudyInput typed = input();
  typed.firstName = trim(typed.firstName);
  typed.lastName = trim(typed.lastName);
  const Text problem = newStudyOkProblem(typed);
  if (!problem.empty())
    return refuse(toQString(problem), typed.firstName.empty() ? firstNameEdit : lastNameEdit);
  if (!fieldsStorable(this, {firstNameEdit, lastNameEdit, addressEdit, cityEdit, companyEdit})) return false;
  if (!birthDateField->date()) {
    return refuse(QStringLiteral("Date de naissance incorrecte : ") +
                      birthDateField->refusal(QStringLiteral("19/04/1950")),
                  birthDateField);
  }
  if (!studyDateField->date()) {
    return refuse(QStringLiteral("Date de l'Etude incorrecte : ") +
                      studyDateField->refusal(QStringLiteral("05/01/2024")),
                  studyDateField);
  }
  // Allowed, since a study may look back, but "Année en cours" then has no reading: the user
  // confirms it was meant.
  if (*studyDateField->date() < *birthDateField->date() &&
      interaction().askYesNo(this, StudyBeforeBirthQuestion) != Answer::Yes) {
    studyDateField->setFocus(Qt::OtherFocusReason);
    studyDateField->selectAll();
    return false;
  }
  return true;
}

bool TNouveau::refuse(const QString& message, QLineEdit* field) {
  interaction().message(this, message);
  field->setFocus(Qt::OtherFocusReason);
  field->selectAll();
  return false;
}

void TNouveau::acceptInputs() {
  Accepted = true;
  accept();
}

bool TNouveau::eventFilter(QObject* watched, QEvent* event) {
  if (isEnterKeyPress(event)) {
    // Enter checks as OK does, but keeps the blanks of the names.
    if (inputsAccepted()) acceptInputs();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace tessaro
