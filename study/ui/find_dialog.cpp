// The find dialog's controls.
#include "study/ui/find_dialog.h"

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
  findTextEdit = new QLineEdit(this);
  findTextEdit->setObjectName(QStringLiteral("findTextEdit"));
  label->setBuddy(findTextEdit);
  wholeWordBox = new QCheckBox(QStringLiteral("Mot &entier seulement"), this);
  wholeWordBox->setObjectName(QStringLiteral("wholeWordBox"));
  matchCaseBox = new QCheckBox(QStringLiteral("Respecter la &casse"), this);
  matchCaseBox->setObjectName(QStringLiteral("matchCaseBox"));

  auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
  searchUpButton = new QRadioButton(QStringLiteral("&Haut"), direction);
  searchUpButton->setObjectName(QStringLiteral("searchUpButton"));
  auto* down = new QRadioButton(QStringLiteral("&Bas"), direction);
  down->setObjectName(QStringLiteral("searchDownButton"));
  down->setChecked(true);
  auto* directionLayout = new QHBoxLayout(direction);
  directionLayout->addWidget(searchUpButton);
  directionLayout->addWidget(down);

  findNextButton = new QPushButton(QStringLiteral("&Suivant"), this);
  findNextButton->setObjectName(QStringLiteral("findNextButton"));
  findNextButton->setDefault(true);
  findNextButton->setEnabled(false);
  auto* cancel = new QPushButton(QStringLiteral("Annuler"), this);
  cancel->setObjectName(QStringLiteral("cancelButton"));

  auto* grid = new QGridLayout(this);
  grid->addWidget(label, 0, 0);
  grid->addWidget(findTextEdit, 0, 1, 1, 2);
  grid->addWidget(findNextButton, 0, 3);
  grid->addWidget(wholeWordBox, 1, 0, 1, 2);
  grid->addWidget(cancel, 1, 3);
  grid->addWidget(matchCaseBox, 2, 0, 1, 2);
  grid->addWidget(direction, 1, 2, 2, 1);

  connect(findTextEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { findNextButton->setEnabled(!text.isEmpty()); });
  connect(findNextButton, &QPushButton::clicked, this, &FindDialog::find);
  connect(cancel, &QPushButton::clicked, this, &QDialog::close);
}

QString FindDialog::findText() const { return findTextEdit->text(); }
bool FindDialog::wholeWord() const { return wholeWordBox->isChecked(); }
bool FindDialog::matchCase() const { return matchCaseBox->isChecked(); }
bool FindDialog::searchUp() const { return searchUpButton->isChecked(); }

}  // namespace tessaro
