// Colours, names and the day cells of the personal calendar.
#include "engine/ui/personal_calendar_look.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>

#include "ui/qt_text.h"

namespace tessaro {
namespace {

QLocale french() { return QLocale(QLocale::French, QLocale::France); }

const QColor BirthdayColour(200, 30, 90);

}  // namespace

QColor numberColour(int number) {
  static const QColor Colours[] = {{192, 57, 43},  {211, 84, 0},   {160, 130, 0},
                                   {39, 140, 80},  {22, 140, 120}, {41, 110, 185},
                                   {125, 60, 152}, {120, 80, 60},  {90, 100, 110}};
  return number >= 1 && number <= 9 ? Colours[number - 1] : QColor(Qt::black);
}

QColor lightColour(int number) {
  const QColor colour = numberColour(number);
  const auto tint = [](int channel) { return channel + (255 - channel) * 3 / 4; };
  return {tint(colour.red()), tint(colour.green()), tint(colour.blue())};
}

QString monthName(int month) {
  const QString name = french().standaloneMonthName(month, QLocale::LongFormat);
  return name.left(1).toUpper() + name.mid(1);
}

QString monthAndYear(const CivilDate& date) {
  return monthName(date.month) + QLatin1Char(' ') + QString::number(date.year);
}

QString longDate(const CivilDate& date) {
  return toQString(weekdayName(weekdayIndex(date))) + QLatin1Char(' ') + QString::number(date.day) +
         QLatin1Char(' ') + french().standaloneMonthName(date.month, QLocale::LongFormat) + QLatin1Char(' ') +
         QString::number(date.year);
}

QString firstSentence(const Text& reading) {
  const QString text = toQString(reading);
  const qsizetype end = text.indexOf(QLatin1Char('.'));
  return end < 0 ? text : text.left(end + 1);
}

int numberOf(const NumberText& number) { return toQString(number).toInt(); }

void DayCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  const int day = index.data(DayRole).toInt();
  painter->save();
  const QRect cell = option.rect.adjusted(1, 1, -1, -1);
  const bool selected = option.state & QStyle::State_Selected;
  painter->fillRect(cell, day == 0   ? option.palette.window()
                          : selected ? option.palette.highlight()
                                     : option.palette.base());
  if (day == 0) {
    painter->restore();
    return;
  }
  const int number = index.data(DayNumberRole).toInt();
  QFont font = option.font;
  painter->setFont(font);
  painter->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
  painter->drawText(cell.adjusted(4, 2, -4, -2), Qt::AlignLeft | Qt::AlignTop, QString::number(day));
  const int diameter = std::min(cell.width() / 2, cell.height() * 3 / 5);
  const QRect disc(cell.center().x() - diameter / 2 + cell.width() / 8, cell.center().y() - diameter / 2 + 2,
                   diameter, diameter);
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(Qt::NoPen);
  painter->setBrush(numberColour(number));
  painter->drawEllipse(disc);
  font.setBold(true);
  painter->setFont(font);
  painter->setPen(Qt::white);
  painter->drawText(disc, Qt::AlignCenter, QString::number(number));
  if (index.data(BirthdayRole).toBool()) {
    painter->setPen(QPen(BirthdayColour, 3));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(cell.adjusted(2, 2, -2, -2));
    QFont small = option.font;
    small.setPointSizeF(small.pointSizeF() * 0.8);
    painter->setFont(small);
    painter->setPen(BirthdayColour);
    painter->drawText(cell.adjusted(4, 2, -4, -3), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Anniv."));
  }
  painter->restore();
}

}  // namespace tessaro
