// The month calendar "Calendrier".
#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace tessaro {

// The selected date lives as long as the window, which lives as long as the program: each
// opening shows the month shown last. It starts on today's date.
class TCalendrier : public QDialog {
  Q_OBJECT

 public:
  explicit TCalendrier(QWidget* parent = nullptr);

  // Refreshes the caption and shows the window modally; returns when it is closed.
  int showModal();

  QDate selectedDate() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormActivate();
  void showMonth();
  void previousMonth();
  void nextMonth();
  void closeCalendar();
  // Page Down, Page Up and Escape on the grid and the buttons; true when the key was one of them.
  bool calendarKey(int key);
  void stepMonth(int months);

  QCalendarWidget* calendar;
  QLabel* monthLabel;
  QPushButton* previousMonthButton;
  QPushButton* nextMonthButton;
  QPushButton* closeButton;
};

}  // namespace tessaro
