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
  panel->setObjectName(QStringLiteral("buttonPanel"));
  paintWidget(panel, Teal);
  previousMonthButton = monthButton(panel, "previousMonthButton", QStyle::SP_ArrowLeft);
  nextMonthButton = monthButton(panel, "nextMonthButton", QStyle::SP_ArrowRight);
  nextMonthButton->setLayoutDirection(Qt::RightToLeft);  // the arrow stands on the right of "Mois"
  closeButton = new QPushButton(QStringLiteral("Fermer"), panel);
  closeButton->setObjectName(QStringLiteral("closeButton"));
  monthLabel = new QLabel(panel);
  monthLabel->setObjectName(QStringLiteral("monthLabel"));
  monthLabel->setAlignment(Qt::AlignCenter);
  monthLabel->setFont(arialFont(23, true));
  paintWidget(monthLabel, Teal, Qt::red);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(previousMonthButton);
  buttons->addStretch();
  buttons->addWidget(closeButton);
  buttons->addStretch();
  buttons->addWidget(nextMonthButton);
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->addLayout(buttons);
  panelLayout->addWidget(monthLabel);

  calendar = new QCalendarWidget(this);
  calendar->setObjectName(QStringLiteral("calendar"));
  calendar->setLocale(french());
  calendar->setFirstDayOfWeek(Qt::Sunday);
  calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
  calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  calendar->setNavigationBarVisible(false);  // the caption and the two buttons above replace it
  calendar->setDateEditEnabled(false);
  calendar->setMinimumSize(GridWidth, 200);
  const DateTime today = currentClock().now();
  calendar->setSelectedDate(QDate(today.year, today.month, today.day));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel);
  layout->addWidget(calendar, 1);

  connect(calendar, &QCalendarWidget::selectionChanged, this, &TCalendrier::showMonth);
  connect(previousMonthButton, &QPushButton::clicked, this, &TCalendrier::previousMonth);
  connect(nextMonthButton, &QPushButton::clicked, this, &TCalendrier::nextMonth);
  connect(closeButton, &QPushButton::clicked, this, &TCalendrier::closeCalendar);
  // The grid's keys reach its inner view, which would otherwise take Page Up and Page Down itself.
  for (QObject* watched : {static_cast<QObject*>(calendar), static_cast<QObject*>(previousMonthButton),
                           static_cast<QObject*>(nextMonthButton), static_cast<QObject*>(closeButton)}) {
    watched->installEventFilter(this);
  }
  if (auto* view = calendar->findChild<QAbstractItemView*>()) {
    // The green grid through the palette: a style sheet would cost every start-up a few milliseconds.
    QPalette green = view->palette();
    green.setColor(QPalette::Base, Lime);
    view->setPalette(green);
    view->installEventFilter(this);
  }
  showMonth();
}

int TCalendrier::showModal() {
  FormActivate();
  return interaction().execDialog(*this);
}

QDate TCalendrier::selectedDate() const { return calendar->selectedDate(); }

bool TCalendrier::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && calendarKey(static_cast<QKeyEvent*>(event)->key())) {
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TCalendrier::FormActivate() { showMonth(); }

void TCalendrier::showMonth() {
  monthLabel->setText(french().toString(calendar->selectedDate(), QStringLiteral("MMMM  yyyy")));
}

void TCalendrier::previousMonth() { stepMonth(-1); }

void TCalendrier::nextMonth() { stepMonth(1); }

void TCalendrier::closeCalendar() { reject(); }

bool TCalendrier::calendarKey(int key) {
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
  const QDate date = calendar->selectedDate();
  const CalendarDate next = stepMonths({date.year(), date.month(), date.day()}, months);
  calendar->setSelectedDate(QDate(next.year, next.month, next.day));
}

}  // namespace tessaro
