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

  timeLabel = sunkenLabel(this, "timeLabel");
  dateLabel = sunkenLabel(this, "dateLabel");
  auto* line = new QFrame(this);
  line->setFixedHeight(2);
  paintWidget(line, Qt::white);
  auto* brandLabel = new QLabel(QStringLiteral("ORV"), this);
  brandLabel->setObjectName(QStringLiteral("brandLabel"));
  brandLabel->setFont(arialFont(27, true, true));
  paintWidget(brandLabel, Qt::black, Qt::white);

  auto* groupBox = new QGroupBox(this);
  groupBox->setObjectName(QStringLiteral("fieldGroup"));
  groupBox->setFont(arialFont(13, true));
  paintWidget(groupBox, Qt::black, Qt::white);
  fieldGroup = new QButtonGroup(this);
  auto* fields = new QVBoxLayout(groupBox);
  fields->setContentsMargins(8, 4, 8, 4);
  for (int id = 0; id < 5; ++id) {
    auto* item = new QRadioButton(QLatin1String(FieldCaptions[id]), groupBox);
    item->setObjectName(QLatin1String(FieldCaptions[id]));
    fieldGroup->addButton(item, id);
    fields->addWidget(item);
  }

  auto* spinButton = new QWidget(this);
  spinButton->setObjectName(QStringLiteral("spinButtons"));
  auto* up = arrowButton(spinButton, "spinUpButton", Qt::UpArrow);
  auto* down = arrowButton(spinButton, "spinDownButton", Qt::DownArrow);
  auto* arrows = new QVBoxLayout(spinButton);
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  arrows->addWidget(up);
  arrows->addWidget(down);

  auto* setTimeButton = new QPushButton(QStringLiteral("Set"), this);
  setTimeButton->setObjectName(QStringLiteral("setTimeButton"));
  setTimeButton->setAutoDefault(false);
  auto* closeButton = new QPushButton(QStringLiteral("Fermer"), this);
  closeButton->setObjectName(QStringLiteral("closeButton"));
  closeButton->setAutoDefault(false);

  auto* face = new QVBoxLayout;
  face->addWidget(timeLabel->parentWidget());
  face->addWidget(line);
  face->addWidget(dateLabel->parentWidget());
  face->addStretch();
  face->addWidget(brandLabel, 0, Qt::AlignLeft | Qt::AlignBottom);
  auto* controls = new QGridLayout;
  controls->addWidget(groupBox, 0, 0, 1, 2);
  controls->addWidget(spinButton, 0, 2, Qt::AlignVCenter);
  controls->addWidget(setTimeButton, 1, 0);
  controls->addWidget(closeButton, 1, 1, 1, 2);
  auto* layout = new QHBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->setSpacing(16);
  layout->addLayout(face);
  layout->addLayout(controls);

  clockTimer = new QTimer(this);
  clockTimer->setObjectName(QStringLiteral("clockTimer"));
  clockTimer->setInterval(TickMilliseconds);
  connect(clockTimer, &QTimer::timeout, this, &THorloge::showTime);
  connect(up, &QToolButton::clicked, this, &THorloge::spinUp);
  connect(down, &QToolButton::clicked, this, &THorloge::spinDown);
  connect(setTimeButton, &QPushButton::clicked, this, &THorloge::toggleSettingMode);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

int THorloge::showModal() {
  FormActivate();
  const int result = interaction().execDialog(*this);
  FormDeactivate();
  return result;
}

void THorloge::FormActivate() {
  clockTimer->start();
  showTime();
  SettingTime = false;
}

void THorloge::FormDeactivate() { clockTimer->stop(); }

void THorloge::showTime() { showLabels(clockLabels(currentClock().now())); }

void THorloge::spinUp() { spin(1); }

void THorloge::spinDown() { spin(-1); }

void THorloge::spin(int step) {
  const int field = fieldGroup->checkedId();
  if (field < 0) return;
  runGuarded(this, [&] { showLabels(spinClockField(labels(), static_cast<ClockField>(field), step)); });
}

// A setting that fails is reported and keeps setting mode, so that the user can correct the
// field and press "Set" again.
void THorloge::toggleSettingMode() {
  runGuarded(this, [this] {
    if (!SettingTime) {
      SettingTime = true;
      clockTimer->stop();
      return;
    }
    Modifie();
    SettingTime = false;
    clockTimer->start();
  });
}

void THorloge::Modifie() { setClockFromLabels(labels()); }

ClockLabels THorloge::labels() const {
  return {fromQString(timeLabel->text()), fromQString(dateLabel->text())};
}

void THorloge::showLabels(const ClockLabels& labels) {
  timeLabel->setText(toQString(labels.time));
  dateLabel->setText(toQString(labels.date));
}

}  // namespace tessaro
