// The new-study dialog.
#include "app/new_study_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/date_field.h"
#include "common/clock.h"
#include "engine/ui/classic_fonts.h"
#include "engine/ui/dialog_frame.h"
#include "engine/ui/key_events.h"
#include "ui/interaction.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

constexpr int FirstRowTop = 12;
constexpr int RowSpacing = 32;
constexpr int InputLeft = 140;
constexpr int InputWidth = 190;
constexpr int InputHeight = 21;

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
  setWindowTitle(toQString("Nouveau th\xE8me"));
  setFont(classicFont(ClassicFace::MsSansSerif, 13));
  setFixedDialogFrame(*this, 424, 241);

  Edit1 = new QLineEdit(this);
  Edit2 = new QLineEdit(this);
  DateTimePicker1 = new DateField(this);
  DateTimePicker2 = new DateField(this);
  Edit3 = new QLineEdit(this);
  Edit4 = new QLineEdit(this);
  Edit5 = new QLineEdit(this);
  const struct {
    const char* label;
    QWidget* input;
    const char* inputName;
  } rows[] = {{"Pr\xE9nom", Edit1, "Edit1"},
              {"Nom", Edit2, "Edit2"},
              {"Date de naissance", DateTimePicker1, "DateTimePicker1"},
              {"Date de l'Etude", DateTimePicker2, "DateTimePicker2"},
              {"Adresse", Edit3, "Edit3"},
              {"Cp Ville", Edit4, "Edit4"},
              {"Soci\xE9t\xE9", Edit5, "Edit5"}};
  int top = FirstRowTop;
  int number = 1;
  for (const auto& row : rows) {
    auto* label = new QLabel(toQString(row.label), this);
    label->setObjectName(QStringLiteral("Label%1").arg(number++));
    label->move(16, top + 3);
    label->adjustSize();
    row.input->setObjectName(QString::fromLatin1(row.inputName));
    row.input->setGeometry(InputLeft, top, InputWidth, InputHeight);
    row.input->installEventFilter(this);
    top += RowSpacing;
  }

  connect(button(QStringLiteral("Annuler"), QStringLiteral("Button1"), FirstRowTop, this),
          &QPushButton::clicked, this, &TNouveau::Button1Click);
  connect(button(QStringLiteral("OK"), QStringLiteral("Button2"), FirstRowTop + RowSpacing, this),
          &QPushButton::clicked, this, &TNouveau::Button2Click);
}

void TNouveau::FormShow() {
  Accepted = false;
  for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4, Edit5}) edit->clear();
  const DateTime now = currentClock().now();
  const QDate today(now.year, now.month, now.day);
  DateTimePicker1->setDate(today);
  DateTimePicker2->setDate(today);
  Edit1->setFocus();
}

NewStudyInput TNouveau::input() const {
  return {fromQString(Edit1->text()),  fromQString(Edit2->text()), pickedDate(DateTimePicker1),
          pickedDate(DateTimePicker2), fromQString(Edit3->text()), fromQString(Edit4->text()),
          fromQString(Edit5->text())};
}

void TNouveau::Result(StudySubject& subject) const {
  if (Accepted) subject = subjectFromNewStudy(input());
}

void TNouveau::Button1Click() {
  Accepted = false;
  reject();
}

void TNouveau::Button2Click() {
  if (!inputsAccepted()) return;
  const NewStudyInput withoutBlanks = withBlanksRemovedFromNames(input());
  Edit1->setText(toQString(withoutBlanks.firstName));
  Edit2->setText(toQString(withoutBlanks.lastName));
  acceptInputs();
}

bool TNouveau::inputsAccepted() {
  const NewStudyInput typed = input();
  const Text problem = newStudyOkProblem(typed);
  if (!problem.empty()) return refuse(toQString(problem), typed.firstName.empty() ? Edit1 : Edit2);
  if (!DateTimePicker1->date()) {
    return refuse(
        QStringLiteral(
            u"Date de naissance incorrecte : tapez-la sous la forme jj/mm/aaaa, par exemple 19/04/1950"),
        DateTimePicker1);
  }
  if (!DateTimePicker2->date()) {
    return refuse(
        QStringLiteral(
            u"Date de l'Etude incorrecte : tapez-la sous la forme jj/mm/aaaa, par exemple 05/01/2024"),
        DateTimePicker2);
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
