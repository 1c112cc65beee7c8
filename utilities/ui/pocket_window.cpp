// The calculator window: a display over sixteen keys, four function keys and the keyboard.
#include "utilities/ui/pocket_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/guarded.h"
#include "ui/interaction.h"
#include "ui/qt_text.h"
#include "utilities/ui/utility_look.h"

namespace tessaro {
namespace {

struct KeyPlace {
  const char* name;
  const char* caption;
  int row;
  int column;
  int columnSpan = 1;
};

constexpr KeyPlace Keys[] = {
    {"sevenKey", "7", 0, 0},
    {"eightKey", "8", 0, 1},
    {"nineKey", "9", 0, 2},
    {"plusKey", "+", 0, 3},
    {"fourKey", "4", 1, 0},
    {"fiveKey", "5", 1, 1},
    {"sixKey", "6", 1, 2},
    {"minusKey", "-", 1, 3},
    {"oneKey", "1", 2, 0},
    {"twoKey", "2", 2, 1},
    {"threeKey", "3", 2, 2},
    {"timesKey", "*", 2, 3},
    {"commaKey", ",", 3, 0},
    {"zeroKey", "0", 3, 1},
    {"equalsKey", "=", 3, 2},
    {"divideKey", "/", 3, 3},
    {"reciprocalKey", "1/x", 4, 0, 2},
    {"squareRootKey", "sqr", 4, 2, 2},
    {"clearKey", "C", 5, 0, 2},
};

constexpr int KeyWidth = 48;
constexpr int KeyHeight = 34;
constexpr int PressedShowMilliseconds = 100;

}  // namespace

TPocket::TPocket(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Pocket"));
  setWindowTitle(QStringLiteral("Calculatrice"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFont(arialFont(17, true));
  paintWidget(this, Teal);

  auto* topPanel = new QFrame(this);
  topPanel->setObjectName(QStringLiteral("topPanel"));
  paintWidget(topPanel, Qt::white);
  auto* displayPanel = new QFrame(topPanel);
  displayPanel->setObjectName(QStringLiteral("displayPanel"));
  displayPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  displayPanel->setLineWidth(2);
  paintWidget(displayPanel, Navy);
  displayLabel = new QLabel(displayPanel);
  displayLabel->setObjectName(QStringLiteral("displayLabel"));
  displayLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  displayLabel->setSizePolicy(QSizePolicy::Ignored,
                              QSizePolicy::Fixed);  // a long entry must not widen the window
  displayLabel->setFixedHeight(30);
  displayLabel->setContentsMargins(4, 0, 4, 0);
  paintWidget(displayLabel, Silver);
  auto* displayStripe = new QLabel(displayPanel);
  displayStripe->setObjectName(QStringLiteral("displayStripe"));
  displayStripe->setFixedHeight(4);
  paintWidget(displayStripe, Qt::red);
  auto* displayLayout = new QVBoxLayout(displayPanel);
  displayLayout->setContentsMargins(4, 4, 4, 4);
  displayLayout->setSpacing(2);
  displayLayout->addWidget(displayLabel);
  displayLayout->addWidget(displayStripe);
  auto* topLayout = new QVBoxLayout(topPanel);
  topLayout->setContentsMargins(6, 6, 6, 6);
  topLayout->addWidget(displayPanel);

  auto* keys = new QGridLayout;
  keys->setSpacing(6);
  for (const KeyPlace& key : Keys) {
    const QString caption = QLatin1String(key.caption);
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(key.name));
    button->setFixedHeight(KeyHeight);
    if (key.columnSpan == 1) button->setFixedWidth(KeyWidth);
    connect(button, &QPushButton::clicked, this, [this, caption] { ButtonClick(caption); });
    buttonsByCaption[caption] = button;
    keys->addWidget(button, key.row, key.column, 1, key.columnSpan);
  }
  auto* closeButton = new QPushButton(QStringLiteral("Fermer"), this);
  closeButton->setObjectName(QStringLiteral("closeButton"));
  closeButton->setFixedHeight(KeyHeight);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
  keys->addWidget(closeButton, 5, 2, 1, 2);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(8);
  layout->addWidget(topPanel);
  layout->addLayout(keys);
}

int TPocket::showModal() {
  FormActivate();
  return interaction().execDialog(*this);
}

void TPocket::keyPressEvent(QKeyEvent* event) { FormKeyPress(event); }

void TPocket::FormActivate() { ButtonClick(QStringLiteral("C")); }

void TPocket::ButtonClick(const QString& caption) {
  runGuarded(this, [&] { calculator.press(fromQString(caption)); });
  displayLabel->setText(toQString(calculator.display()));
  if (caption == QLatin1String("C")) buttonsByCaption.at(QStringLiteral("="))->setFocus();
}

// Keys reach the window from whichever button has the focus, since the buttons leave the keys
// they do not use to their parent.
void TPocket::FormKeyPress(QKeyEvent* event) {
  const Text typed = fromQString(event->text());
  const std::optional<std::string_view> caption =
      typed.size() == 1 ? pocketButtonFor(typed[0]) : std::nullopt;
  if (!caption) {
    QDialog::keyPressEvent(event);  // Escape closes; Enter presses the focused button
    return;
  }
  QPushButton* button = buttonsByCaption.at(toQString(*caption));
  button->click();
  button->setDown(true);
  QTimer::singleShot(PressedShowMilliseconds, button, [button] { button->setDown(false); });
}

}  // namespace tessaro
