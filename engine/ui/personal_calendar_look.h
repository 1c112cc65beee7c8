// The look of the personal calendar on screen and on paper: a colour per number, French month
// and day names, and the drawing of a day of the month grid.
#pragma once

#include <QColor>
#include <QString>
#include <QStyledItemDelegate>

#include "engine/civil_date.h"
#include "engine/primitives.h"

namespace tessaro {

// What a cell of the month grid holds, beside its text.
inline constexpr int DayRole = Qt::UserRole;            // day of the month, 0 for a cell outside it
inline constexpr int DayNumberRole = Qt::UserRole + 1;  // the day number 1-9
inline constexpr int BirthdayRole = Qt::UserRole + 2;   // true on the birthday

// One colour per number 1-9, told apart on screen and on paper; black for any other.
QColor numberColour(int number);
// A quarter of the number's colour on white: a background that black text stays readable on.
QColor lightColour(int number);

// "Décembre", "Décembre 2026", "mardi 8 décembre 2026".
QString monthName(int month);
QString monthAndYear(const CivilDate& date);
QString longDate(const CivilDate& date);
// The first sentence of a reading, for the legends.
QString firstSentence(const Text& reading);
// A number 1-9 of the forecast as an integer.
int numberOf(const NumberText& number);

// Each day: its date in a corner, its day number in a disc of the number's colour, the birthday
// framed and named.
class DayCellDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace tessaro
