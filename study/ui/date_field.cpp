// The date field of the new-study dialog: typed text read as a date, and its drop-down calendar.
#include "study/ui/date_field.h"

#include <QAction>
#include <QCalendarWidget>
#include <QFrame>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QStyleOption>
#include <QVBoxLayout>

#include "common/clock.h"
#include "common/cp1252_literal.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

constexpr int EarliestYear = 1000;  // the date text keeps the year to four digits
constexpr int LatestYear = 9999;

// Day, month and year: separated by "/", "." or "-", or the eight digits run together.
const QRegularExpression& datePattern() {
  static const QRegularExpression pattern(
      QStringLiteral(R"(^\s*(?:(\d{1,2})[/.-](\d{1,2})[/.-](\d{4})|(\d{2})(\d{2})(\d{4}))\s*$)"));
  return pattern;
}

// The arrow of a drop-down list, as the style draws it.
QIcon dropDownArrow(const QWidget* field) {
  constexpr int Side = 12;
  const qreal ratio = field->devicePixelRatioF();
  QPixmap arrow(QSize(Side, Side) * ratio);
  arrow.setDevicePixelRatio(ratio);
  arrow.fill(Qt::transparent);
  QPainter painter(&arrow);
  QStyleOption option;
  option.initFrom(field);
  option.rect = QRect(0, 0, Side, Side);
  field->style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &painter, field);
  return QIcon(arrow);
}

QDate today() {
  const DateTime now = currentClock().now();
  return {now.year, now.month, now.day};
}

}  // namespace

DateField::DateField(QWidget* parent) : QLineEdit(parent) {
  setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral(R"([0-9/.\- ]{0,12})")), this));
  QAction* drop = addAction(dropDownArrow(this), QLineEdit::TrailingPosition);
  drop->setObjectName(QStringLiteral("showCalendarAction"));
  drop->setToolTip(QStringLiteral("Calendrier"));
  connect(drop, &QAction::triggered, this, &DateField::showCalendar);
}

namespace {

struct TypedDate {
  bool inForm = false;
  int day = 0;
  int month = 0;
  int year = 0;
};

TypedDate readDate(const QString& text) {
  const QRegularExpressionMatch match = datePattern().match(text);
  if (!match.hasMatch()) return {};
  const int first = match.capturedLength(1) > 0 ? 1 : 4;  // which of the two forms was typed
  return {true, match.captured(first).toInt(), match.captured(first + 1).toInt(),
          match.captured(first + 2).toInt()};
}

}  // namespace

std::optional<QDate> DateField::date() const {
  const TypedDate typed = readDate(text());
  const QDate date(typed.year, typed.month, typed.day);
  if (!typed.inForm || !date.isValid() || date.year() < EarliestYear) return std::nullopt;
  return date;
}

QString DateField::refusal(const QString& example) const {
  const TypedDate typed = readDate(text());
  if (!typed.inForm) return QStringLiteral("tapez-la sous la forme jj/mm/aaaa, par exemple ") + example;
  if (typed.year < EarliestYear)
    return toQString("l'année doit être comprise entre %1 et %2"_cp1252).arg(EarliestYear).arg(LatestYear);
  if (!QDate(typed.year, typed.month, typed.day).isValid()) return QStringLiteral("cette date n'existe pas");
  return {};
}

void DateField::setDate(const QDate& date) { setText(date.toString(QStringLiteral("dd/MM/yyyy"))); }

void DateField::focusOutEvent(QFocusEvent* event) {
  // A date the field understood is written back in full: the user sees what was understood.
  if (const std::optional<QDate> typed = date()) setDate(*typed);
  QLineEdit::focusOutEvent(event);
}

void DateField::keyPressEvent(QKeyEvent* event) {
  const bool altDown = event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier;
  if (altDown || (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier)) {
    showCalendar();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void DateField::showCalendar() {
  if (calendarPopup == nullptr) {
    calendarPopup = new QFrame(this, Qt::Popup);
    calendarPopup->setObjectName(QStringLiteral("calendarPopup"));
    calendarPopup->setFrameStyle(QFrame::Box | QFrame::Plain);
    calendar = new QCalendarWidget(calendarPopup);
    calendar->setObjectName(QStringLiteral("calendar"));
    calendar->setLocale(QLocale(QLocale::French, QLocale::France));
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setMinimumDate(QDate(EarliestYear, 1, 1));
    auto* layout = new QVBoxLayout(calendarPopup);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(calendar);
    connect(calendar, &QCalendarWidget::clicked, this, &DateField::pick);
    connect(calendar, &QCalendarWidget::activated, this, &DateField::pick);
  }
  calendar->setSelectedDate(date().value_or(today()));
  calendarPopup->adjustSize();
  calendarPopup->move(mapToGlobal(QPoint(0, height())));
  calendarPopup->show();
  calendar->setFocus();
}

void DateField::pick(const QDate& date) {
  setDate(date);
  calendarPopup->hide();
  setFocus(Qt::PopupFocusReason);
}

}  // namespace tessaro
