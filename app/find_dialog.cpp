// The find dialog's controls.
#include "app/find_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tessaro {

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("findDialog"));
  setWindowTitle(QStringLiteral("Rechercher"));
  setModal(false);

  auto* label = new QLabel(QStringLiteral("&Rechercher :"), this);
  FindText = new QLineEdit(this);
  FindText->setObjectName(QStringLiteral("FindText"));
  label->setBuddy(FindText);
  WholeWord = new QCheckBox(QStringLiteral("Mot &entier seulement"), this);
  WholeWord->setObjectName(QStringLiteral("WholeWord"));
  MatchCase = new QCheckBox(QStringLiteral("Respecter la &casse"), this);
  MatchCase->setObjectName(QStringLiteral("MatchCase"));

  auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
  DirectionUp = new QRadioButton(QStringLiteral("&Haut"), direction);
  DirectionUp->setObjectName(QStringLiteral("DirectionUp"));
  auto* down = new QRadioButton(QStringLiteral("&Bas"), direction);
  down->setObjectName(QStringLiteral("DirectionDown"));
  down->setChecked(true);
  auto* directionLayout = new QHBoxLayout(direction);
  directionLayout->addWidget(DirectionUp);
  directionLayout->addWidget(down);

  FindNext = new QPushButton(QStringLiteral("&Suivant"), this);
  FindNext->setObjectName(QStringLiteral("FindNext"));
  FindNext->setDefault(true);
  FindNext->setEnabled(false);
  auto* cancel = new QPushButton(QStringLiteral("Annuler"), this);
  cancel->setObjectName(QStringLiteral("Cancel"));

  auto* grid = new QGridLayout(this);
  grid->addWidget(label, 0, 0);
  grid->addWidget(FindText, 0, 1, 1, 2);
  grid->addWidget(FindNext, 0, 3);
  grid->addWidget(WholeWord, 1, 0, 1, 2);
  grid->addWidget(cancel, 1, 3);
  grid->addWidget(MatchCase, 2, 0, 1, 2);
  grid->addWidget(direction, 1, 2, 2, 1);

  connect(FindText, &QLineEdit::textChanged, this,
          [this](const QString& text) { FindNext->setEnabled(!text.isEmpty()); });
  connect(FindNext, &QPushButton::clicked, this, &FindDialog::find);
  connect(cancel, &QPushButton::clicked, this, &QDialog::close);
}

QString FindDialog::findText() const { return FindText->text(); }
bool FindDialog::wholeWord() const { return WholeWord->isChecked(); }
bool FindDialog::matchCase() const { return MatchCase->isChecked(); }
bool FindDialog::searchUp() const { return DirectionUp->isChecked(); }

}  // namespace tessaro
