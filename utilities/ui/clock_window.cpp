// The clock window: time and date every second, a spin on one field, and "Set".
#include "utilities/ui/clock_window.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/guarded.h"
#include "ui/interaction.h"
#include "ui/qt_text.h"
#include "utilities/clock_setting.h"
#include "utilities/ui/utility_look.h"

namespace tessaro {
namespace {

constexpr int TickMilliseconds = 1000;

// In the order of ClockField, whose values are the buttons' ids.
constexpr const char* FieldCaptions[] = {"Hr", "Mn", "Jo", "Mo", "An"};

QLabel* sunkenLabel(QWidget* parent, const char* name) {
  auto* panel = new QFrame(parent);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(2);
  paintWidget(panel, Silver);
  auto* label = new QLabel(panel);
  label->setObjectName(QLatin1String(name));
  label->setAlignment(Qt::AlignCenter);
  label->setFont(arialFont(23, true));
  label->setMinimumWidth(170);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->addWidget(label);
  return label;
}

QToolButton* arrowButton(QWidget* parent, const char* name, Qt::ArrowType arrow) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFixedSize(30, 26);
  // The arrows take the text colour, which the black window turns white.
  QPalette palette = button->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  palette.setColor(QPalette::ButtonText, Qt::black);
  button->setPalette(palette);
  return button;
}

}  // namespace

THorloge::THorloge(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Horloge"));
  setWindowTitle(QStringLiteral("Horloge"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  paintWidget(this, Qt::black, Qt::white);

  Label1 = sunkenLabel(this, "Label1");
  Label2 = sunkenLabel(this, "Label2");
  auto* line = new QFrame(this);
  line->setFixedHeight(2);
  paintWidget(line, Qt::white);
  auto* Label3 = new QLabel(QStringLiteral("ORV"), this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setFont(arialFont(27, true, true));
  paintWidget(Label3, Qt::black, Qt::white);

  auto* groupBox = new QGroupBox(this);
  groupBox->setObjectName(QStringLiteral("RadioGroup1"));
  groupBox->setFont(arialFont(13, true));
  paintWidget(groupBox, Qt::black, Qt::white);
  RadioGroup1 = new QButtonGroup(this);
  auto* fields = new QVBoxLayout(groupBox);
  fields->setContentsMargins(8, 4, 8, 4);
  for (int id = 0; id < 5; ++id) {
    auto* item = new QRadioButton(QLatin1String(FieldCaptions[id]), groupBox);
    item->setObjectName(QLatin1String(FieldCaptions[id]));
    RadioGroup1->addButton(item, id);
    fields->addWidget(item);
  }

  auto* spinButton = new QWidget(this);
  spinButton->setObjectName(QStringLiteral("SpinButton1"));
  auto* up = arrowButton(spinButton, "SpinButton1Up", Qt::UpArrow);
  auto* down = arrowButton(spinButton, "SpinButton1Down", Qt::DownArrow);
  auto* arrows = new QVBoxLayout(spinButton);
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  arrows->addWidget(up);
  arrows->addWidget(down);

  auto* Button2 = new QPushButton(QStringLiteral("Set"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setAutoDefault(false);
  auto* Button1 = new QPushButton(QStringLiteral("Fermer"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setAutoDefault(false);

  auto* face = new QVBoxLayout;
  face->addWidget(Label1->parentWidget());
  face->addWidget(line);
  face->addWidget(Label2->parentWidget());
  face->addStretch();
  face->addWidget(Label3, 0, Qt::AlignLeft | Qt::AlignBottom);
  auto* controls = new QGridLayout;
  controls->addWidget(groupBox, 0, 0, 1, 2);
  controls->addWidget(spinButton, 0, 2, Qt::AlignVCenter);
  controls->addWidget(Button2, 1, 0);
  controls->addWidget(Button1, 1, 1, 1, 2);
  auto* layout = new QHBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->setSpacing(16);
  layout->addLayout(face);
  layout->addLayout(controls);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(TickMilliseconds);
  connect(Timer1, &QTimer::timeout, this, &THorloge::Timer1Timer);
  connect(up, &QToolButton::clicked, this, &THorloge::SpinButton1UpClick);
  connect(down, &QToolButton::clicked, this, &THorloge::SpinButton1DownClick);
  connect(Button2, &QPushButton::clicked, this, &THorloge::Button2Click);
  connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

int THorloge::showModal() {
  FormActivate();
  const int result = interaction().execDialog(*this);
  FormDeactivate();
  return result;
}

void THorloge::FormActivate() {
  Timer1->start();
  Timer1Timer();
  SettingTime = false;
}

void THorloge::FormDeactivate() { Timer1->stop(); }

void THorloge::Timer1Timer() { showLabels(clockLabels(currentClock().now())); }

void THorloge::SpinButton1UpClick() { spin(1); }

void THorloge::SpinButton1DownClick() { spin(-1); }

void THorloge::spin(int step) {
  const int field = RadioGroup1->checkedId();
  if (field < 0) return;
  runGuarded(this, [&] { showLabels(spinClockField(labels(), static_cast<ClockField>(field), step)); });
}

// A setting that fails is reported and keeps setting mode, so that the user can correct the
// field and press "Set" again.
void THorloge::Button2Click() {
  runGuarded(this, [this] {
    if (!SettingTime) {
      SettingTime = true;
      Timer1->stop();
      return;
    }
    Modifie();
    SettingTime = false;
    Timer1->start();
  });
}

void THorloge::Modifie() { setClockFromLabels(labels()); }

ClockLabels THorloge::labels() const { return {fromQString(Label1->text()), fromQString(Label2->text())}; }

void THorloge::showLabels(const ClockLabels& labels) {
  Label1->setText(toQString(labels.time));
  Label2->setText(toQString(labels.date));
}

}  // namespace tessaro
