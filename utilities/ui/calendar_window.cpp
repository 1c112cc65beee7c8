// The calendar window: a month grid under its caption, stepped a month at a time.
#include "utilities/ui/calendar_window.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "common/clock.h"
#include "ui/interaction.h"
#include "utilities/month_step.h"
#include "utilities/ui/utility_look.h"

namespace tessaro {
namespace {

constexpr int GridWidth = 372;
const QColor GridGreen(0, 255, 0);

QLocale french() { return QLocale(QLocale::French, QLocale::France); }

QPushButton* monthButton(QWidget* parent, const char* name, QStyle::StandardPixmap arrow) {
  auto* button = new QPushButton(parent->style()->standardIcon(arrow), QStringLiteral("Mois"), parent);
  button->setObjectName(QLatin1String(name));
  return button;
}

}  // namespace

TCalendrier::TCalendrier(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Calendrier"));
  setWindowTitle(QStringLiteral("Calendrier"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setSizeGripEnabled(true);

  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  paintWidget(panel, Teal);
  BitBtn1 = monthButton(panel, "BitBtn1", QStyle::SP_ArrowLeft);
  BitBtn2 = monthButton(panel, "BitBtn2", QStyle::SP_ArrowRight);
  BitBtn2->setLayoutDirection(Qt::RightToLeft);  // the arrow stands on the right of "Mois"
  Button1 = new QPushButton(QStringLiteral("Fermer"), panel);
  Button1->setObjectName(QStringLiteral("Button1"));
  Label1 = new QLabel(panel);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setFont(arialFont(23, true));
  paintWidget(Label1, Teal, Qt::red);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BitBtn1);
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addStretch();
  buttons->addWidget(BitBtn2);
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->addLayout(buttons);
  panelLayout->addWidget(Label1);

  Calendar1 = new QCalendarWidget(this);
  Calendar1->setObjectName(QStringLiteral("Calendar1"));
  Calendar1->setLocale(french());
  Calendar1->setFirstDayOfWeek(Qt::Sunday);
  Calendar1->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
  Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  Calendar1->setNavigationBarVisible(false);  // the caption and the two buttons above replace it
  Calendar1->setDateEditEnabled(false);
  Calendar1->setMinimumSize(GridWidth, 200);
  const DateTime today = currentClock().now();
  Calendar1->setSelectedDate(QDate(today.year, today.month, today.day));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel);
  layout->addWidget(Calendar1, 1);

  connect(Calendar1, &QCalendarWidget::selectionChanged, this, &TCalendrier::Calendar1Change);
  connect(BitBtn1, &QPushButton::clicked, this, &TCalendrier::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TCalendrier::BitBtn2Click);
  connect(Button1, &QPushButton::clicked, this, &TCalendrier::Button1Click);
  // The grid's keys reach its inner view, which would otherwise take Page Up and Page Down itself.
  for (QObject* watched : {static_cast<QObject*>(Calendar1), static_cast<QObject*>(BitBtn1),
                           static_cast<QObject*>(BitBtn2), static_cast<QObject*>(Button1)}) {
    watched->installEventFilter(this);
  }
  if (auto* view = Calendar1->findChild<QAbstractItemView*>()) {
    // The green grid through the palette: a style sheet would cost every start-up a few milliseconds.
    QPalette green = view->palette();
    green.setColor(QPalette::Base, GridGreen);
    view->setPalette(green);
    view->installEventFilter(this);
  }
  Calendar1Change();
}

int TCalendrier::showModal() {
  FormActivate();
  return interaction().execDialog(*this);
}

QDate TCalendrier::selectedDate() const { return Calendar1->selectedDate(); }

bool TCalendrier::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && Calendar1KeyDown(static_cast<QKeyEvent*>(event)->key())) {
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TCalendrier::FormActivate() { Calendar1Change(); }

void TCalendrier::Calendar1Change() {
  Label1->setText(french().toString(Calendar1->selectedDate(), QStringLiteral("MMMM  yyyy")));
}

void TCalendrier::BitBtn1Click() { stepMonth(-1); }

void TCalendrier::BitBtn2Click() { stepMonth(1); }

void TCalendrier::Button1Click() { reject(); }

bool TCalendrier::Calendar1KeyDown(int key) {
  switch (key) {
    case Qt::Key_PageDown:
      stepMonth(1);
      return true;
    case Qt::Key_PageUp:
      stepMonth(-1);
      return true;
    case Qt::Key_Escape:
      reject();
      return true;
    default:
      return false;
  }
}

void TCalendrier::stepMonth(int months) {
  const QDate date = Calendar1->selectedDate();
  const CalendarDate next = stepMonths({date.year(), date.month(), date.day()}, months);
  Calendar1->setSelectedDate(QDate(next.year, next.month, next.day));
}

}  // namespace tessaro
