// The first-names browser window.
#include "names/ui/first_names_browser.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/cp1252_literal.h"
#include "common/data_paths.h"
#include "names/ui/letter_tabs.h"
#include "ui/focus_frame.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

QToolButton* arrowButton(QStyle::StandardPixmap arrow, const char* name, const QString& tip,
                         QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(parent->style()->standardIcon(arrow));
  button->setAutoRaise(true);
  button->setFixedSize(25, 25);
  button->setIconSize(QSize(16, 16));
  button->setToolTip(tip);
  return button;
}

}  // namespace

TPrenoms::TPrenoms(FirstNameDictionary& dictionary, QWidget* parent)
    : QDialog(parent), dictionary(dictionary) {
  setWindowTitle(QStringLiteral(u"Les prénoms"));
  setFont(QFont(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, 9));

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("buttonPanel"));
  panel->setFrameShape(QFrame::StyledPanel);
  previousButton =
      arrowButton(QStyle::SP_ArrowBack, "previousButton", QStringLiteral(u"Prénom précédent"), panel);
  nextButton = arrowButton(QStyle::SP_ArrowForward, "nextButton", QStringLiteral("Prénom suivant"), panel);
  closeButton = new QPushButton(QStringLiteral("Fermer"), panel);
  closeButton->setObjectName(QStringLiteral("closeButton"));
  closeButton->setAutoDefault(false);
  auto* panelLayout = new QHBoxLayout(panel);
  panelLayout->setContentsMargins(4, 2, 4, 2);
  panelLayout->addWidget(previousButton);
  panelLayout->addWidget(nextButton);
  nameSearch = new QLineEdit(panel);
  nameSearch->setObjectName(QStringLiteral("nameSearch"));
  nameSearch->setPlaceholderText(QStringLiteral(u"Chercher un prénom"));
  nameSearch->setToolTip(QStringLiteral(u"Tapez le début d'un prénom ; Entrée passe au suivant"));
  nameSearch->setClearButtonEnabled(true);
  panelLayout->addWidget(nameSearch, 1);
  panelLayout->addStretch();
  panelLayout->addWidget(closeButton);

  searchNotice = new QLabel(this);
  searchNotice->setObjectName(QStringLiteral("searchNotice"));
  searchNotice->setContentsMargins(6, 1, 6, 1);
  searchNotice->hide();

  letterTabs = new LetterTabs(this);
  letterTabs->setObjectName(QStringLiteral("letterTabs"));
  for (char letter = 'A'; letter <= 'Z'; ++letter) letterTabs->addTab(QString(QChar(letter)));

  readingMemo = new QPlainTextEdit(this);
  readingMemo->setObjectName(QStringLiteral("readingMemo"));
  readingMemo->setReadOnly(true);
  showFocusFrame(*readingMemo);
  readingMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel);
  layout->addWidget(searchNotice);
  layout->addWidget(letterTabs);
  layout->addWidget(readingMemo, 1);
  setFixedSize(480, 320);

  connect(previousButton, &QToolButton::clicked, this, &TPrenoms::Precedent);
  connect(nextButton, &QToolButton::clicked, this, &TPrenoms::Suivant);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(nameSearch, &QLineEdit::textEdited, this, [this] { findTypedName(false); });
  connect(letterTabs, &QTabBar::currentChanged, this, &TPrenoms::showLetter);
  // A read-only text area still scrolls on Page Down; here the key leafs through the records.
  readingMemo->installEventFilter(this);
  closeButton->installEventFilter(this);
  nameSearch->installEventFilter(this);
}

void TPrenoms::ChargePrenoms() { ChargePrenoms(findDataFile(DictionaryFileName)); }

void TPrenoms::ChargePrenoms(const std::string& path) {
  dictionary.ChargePrenoms(path);
  showReading();
}

void TPrenoms::CherchePrenom(std::string_view name) {
  dictionary.CherchePrenom(name);
  showReading();
}

Text TPrenoms::readingFor(std::string_view firstName) {
  Text reading = dictionary.readingFor(firstName);
  showReading();
  return reading;
}

void TPrenoms::LitPrenom() {
  dictionary.LitPrenom();
  showReading();
}

void TPrenoms::Suivant() {
  dictionary.Suivant();
  showReading();
}

void TPrenoms::Precedent() {
  dictionary.Precedent();
  showReading();
}

void TPrenoms::showLetter(int index) {
  if (!dictionary.selectLetter(static_cast<char>('A' + index))) dictionary.LitPrenom();
  showReading();
}

void TPrenoms::findTypedName(bool next) {
  const QString typed = nameSearch->text();
  const bool found = dictionary.selectNameStartingWith(fromQString(typed), next);
  if (found) showReading();
  const bool nothingMatches = !found && !typed.trimmed().isEmpty();
  searchNotice->setText(nothingMatches ? toQString("aucun prénom ne commence par « "_cp1252) +
                                             typed.trimmed() + toQString(" »"_cp1252)
                                       : QString());
  searchNotice->setVisible(nothingMatches);
}

void TPrenoms::showReading() {
  readingMemo->setPlainText(
      toQString(dictionary.GetPrenom()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  const int tab = dictionary.letterTabIndex();
  if (tab >= 0) {
    const QSignalBlocker quiet(letterTabs);
    letterTabs->setCurrentIndex(tab);
  }
}

// Each opening starts a new search, from the field, so that typing finds a name at once.
void TPrenoms::showEvent(QShowEvent* event) {
  LitPrenom();
  nameSearch->clear();
  searchNotice->hide();
  nameSearch->setFocus();
  QDialog::showEvent(event);
}

bool TPrenoms::FormKeyDown(int key) {
  if (key == Qt::Key_PageDown) {
    Suivant();
  } else if (key == Qt::Key_PageUp) {
    Precedent();
  } else {
    return false;
  }
  return true;
}

void TPrenoms::keyPressEvent(QKeyEvent* event) {
  if (!FormKeyDown(event->key())) QDialog::keyPressEvent(event);
}

bool TPrenoms::eventFilter(QObject* watched, QEvent* event) {
  if (watched == nameSearch && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      findTypedName(true);
      return true;
    }
    // The field has no lines of its own: the up and down arrows leaf as the arrow buttons do.
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      if (key == Qt::Key_Up) {
        Precedent();
      } else {
        Suivant();
      }
      return true;
    }
  }
  if (event->type() == QEvent::KeyPress && FormKeyDown(static_cast<QKeyEvent*>(event)->key())) return true;
  return QDialog::eventFilter(watched, event);
}

}  // namespace tessaro
