// The second-person dialog of the compatibility reading.
#include "engine/ui/second_person_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "files/study_file.h"
#include "ui/classic_fonts.h"
#include "ui/dialog_frame.h"
#include "ui/guarded.h"
#include "ui/interaction.h"
#include "ui/key_events.h"
#include "ui/qt_text.h"
#include "ui/storable_fields.h"

namespace tessaro {

TDeux::TDeux(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TDeux"));
  setWindowTitle(toQString("entente à deux"_cp1252));
  setFont(classicFont(ClassicFace::MsSansSerif, 13));
  setFixedDialogFrame(*this, 420, 182);

  const QString captions[4] = {toQString("Prénom"_cp1252), QStringLiteral("Nom"), toQString("Prénom"_cp1252),
                               QStringLiteral("Nom")};
  const int tops[4] = {20, 52, 108, 140};
  const char* const fieldNames[4] = {"firstNameEdit", "lastNameEdit", "secondFirstNameEdit",
                                     "secondLastNameEdit"};
  for (int i = 0; i < 4; ++i) {
    const QString fieldName = QString::fromLatin1(fieldNames[i]);
    auto* label = new QLabel(captions[i], this);
    label->setObjectName(fieldName + QStringLiteral("Label"));
    label->move(16, tops[i] + 3);
    label->adjustSize();
    edits[i] = new QLineEdit(this);
    edits[i]->setObjectName(fieldName);
    edits[i]->setGeometry(90, tops[i], 190, 21);
    edits[i]->installEventFilter(this);
  }
  auto* bevel = new QFrame(this);
  bevel->setObjectName(QStringLiteral("bevel"));
  bevel->setFrameShape(QFrame::HLine);
  bevel->setFrameShadow(QFrame::Sunken);
  bevel->setGeometry(16, 86, 264, 2);

  auto* cancel = new QPushButton(QStringLiteral("Annuler"), this);
  cancel->setObjectName(QStringLiteral("cancelButton"));
  cancel->setGeometry(320, 20, 75, 25);
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &TDeux::cancelPair);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setGeometry(320, 52, 75, 25);
  ok->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &TDeux::acceptPair);
  auto* fromStudy = new QPushButton(toQString("É&tude..."_cp1252), this);
  fromStudy->setObjectName(QStringLiteral("secondFromStudyButton"));
  fromStudy->setToolTip(toQString("Prendre la seconde personne dans une étude enregistrée"_cp1252));
  fromStudy->setGeometry(320, 108, 75, 25);
  fromStudy->setAutoDefault(false);
  connect(fromStudy, &QPushButton::clicked, this,
          [this] { runGuarded(this, [this] { secondFromStudy(); }); });
}

void TDeux::secondFromStudy() {
  const std::optional<FileChoice> chosen =
      interaction().openFileName(this, QStringLiteral("Fichiers tessaro (*.tsr)|*.tsr"), QString());
  if (!chosen) return;
  const std::string path = nativePath(chosen->path);
  const std::optional<StudySubject> read = readStudyFile(path);
  if (!read) throwCannotOpen(path, FileNotFoundReason);
  edits[2]->setText(toQString(read->FirstName));
  edits[3]->setText(toQString(read->LastName));
  edits[2]->setFocus();
}

void TDeux::Init(std::string_view firstName, std::string_view lastName) {
  Accepted = false;
  edits[0]->setText(toQString(firstName));
  edits[1]->setText(toQString(lastName));
  // The first person is the study's: the user comes for the second.
  edits[2]->setFocus();
}

std::optional<PairNames> TDeux::Result() {
  if (edits[2]->text().isEmpty() || edits[3]->text().isEmpty()) Accepted = false;
  if (!Accepted) return std::nullopt;
  return PairNames{fromQString(edits[0]->text()), fromQString(edits[1]->text()),
                   fromQString(edits[2]->text()), fromQString(edits[3]->text())};
}

void TDeux::cancelPair() {
  Accepted = false;
  reject();
}

void TDeux::acceptPair() {
  if (!namesStorable()) return;
  Accepted = true;
  accept();
}

void TDeux::acceptOnEnter() {
  for (QLineEdit* edit : {edits[2], edits[3]}) edit->setText(edit->text().remove(QLatin1Char(' ')));
  if (!namesStorable()) return;
  Accepted = true;
  accept();
}

bool TDeux::namesStorable() { return fieldsStorable(this, {edits[0], edits[1], edits[2], edits[3]}); }

bool TDeux::eventFilter(QObject* watched, QEvent* event) {
  if (isEnterKeyPress(event)) {
    acceptOnEnter();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace tessaro
