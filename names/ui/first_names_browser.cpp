// The first-names browser window.
#include "names/ui/first_names_browser.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/data_paths.h"
#include "names/ui/letter_tabs.h"
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

TPrenoms::TPrenoms(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral(u"Les prénoms"));
  setFont(QFont(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, 9));

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameShape(QFrame::StyledPanel);
  SpeedButton1 =
      arrowButton(QStyle::SP_ArrowBack, "SpeedButton1", QStringLiteral(u"Prénom précédent"), panel);
  SpeedButton2 =
      arrowButton(QStyle::SP_ArrowForward, "SpeedButton2", QStringLiteral("Prénom suivant"), panel);
  Button1 = new QPushButton(QStringLiteral("Fermer"), panel);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setAutoDefault(false);
  auto* panelLayout = new QHBoxLayout(panel);
  panelLayout->setContentsMargins(4, 2, 4, 2);
  panelLayout->addWidget(SpeedButton1);
  panelLayout->addWidget(SpeedButton2);
  nameSearch = new QLineEdit(panel);
  nameSearch->setObjectName(QStringLiteral("nameSearch"));
  nameSearch->setPlaceholderText(QStringLiteral(u"Chercher un prénom"));
  nameSearch->setToolTip(QStringLiteral(u"Tapez le début d'un prénom ; Entrée passe au suivant"));
  nameSearch->setClearButtonEnabled(true);
  panelLayout->addWidget(nameSearch, 1);
  panelLayout->addStretch();
  panelLayout->addWidget(Button1);

  TabControl1 = new LetterTabs(this);
  TabControl1->setObjectName(QStringLiteral("TabControl1"));
  for (char letter = 'A'; letter <= 'Z'; ++letter) TabControl1->addTab(QString(QChar(letter)));

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel);
  layout->addWidget(TabControl1);
  layout->addWidget(Memo1, 1);
  setFixedSize(480, 320);

  connect(SpeedButton1, &QToolButton::clicked, this, &TPrenoms::Precedent);
  connect(SpeedButton2, &QToolButton::clicked, this, &TPrenoms::Suivant);
  connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
  connect(nameSearch, &QLineEdit::textEdited, this, [this] { findTypedName(false); });
  connect(TabControl1, &QTabBar::currentChanged, this, &TPrenoms::TabControl1Change);
  // A read-only text area still scrolls on Page Down; here the key leafs through the records.
  Memo1->installEventFilter(this);
  Button1->installEventFilter(this);
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

void TPrenoms::TabControl1Change(int index) {
  if (!dictionary.selectLetter(static_cast<char>('A' + index))) dictionary.LitPrenom();
  showReading();
}

void TPrenoms::findTypedName(bool next) {
  if (dictionary.selectNameStartingWith(fromQString(nameSearch->text()), next)) showReading();
}

void TPrenoms::showReading() {
  Memo1->setPlainText(
      toQString(dictionary.GetPrenom()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  const int tab = dictionary.letterTabIndex();
  if (tab >= 0) {
    const QSignalBlocker quiet(TabControl1);
    TabControl1->setCurrentIndex(tab);
  }
}

// Each opening starts a new search, from the field, so that typing finds a name at once.
void TPrenoms::showEvent(QShowEvent* event) {
  LitPrenom();
  nameSearch->clear();
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
