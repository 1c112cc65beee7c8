// A date typed as French users type it, with a drop-down calendar to pick it instead.
#pragma once

#include <QDate>
#include <QLineEdit>
#include <optional>

class QCalendarWidget;
class QFrame;

namespace tessaro {

// The text is the date: "19/04/1950", "19041950" and "1/4/1950" all mean 19 April 1950, and the
// field writes it "19/04/1950" once the keyboard leaves it. "." and "-" may stand for "/".
class DateField : public QLineEdit {
  Q_OBJECT

 public:
  explicit DateField(QWidget* parent = nullptr);

  // The date the text gives, or nothing when it gives no day of the calendar (31/02/1950).
  std::optional<QDate> date() const;
  // Why the text gives no date, to follow "Date ... incorrecte : ": the day does not exist, the
  // year is out of range, or the text is not a date at all; empty when it gives one.
  QString refusal(const QString& example) const;
  void setDate(const QDate& date);

  // Drops the calendar down under the field, on the date typed or else on today's.
  void showCalendar();

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void pick(const QDate& date);

  QFrame* calendarPopup = nullptr;
  QCalendarWidget* calendar = nullptr;
};

}  // namespace tessaro
