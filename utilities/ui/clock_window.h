// The desk clock "Horloge", which can also set the computer's clock.
#pragma once

#include <QDialog>

#include "utilities/clock_fields.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QTimer;

namespace tessaro {

class THorloge : public QDialog {
  Q_OBJECT

 public:
  explicit THorloge(QWidget* parent = nullptr);

  // Starts the clock, leaves setting mode and shows the window modally; the clock stops when the
  // window closes.
  int showModal();

  // One tick of clockTimer: the current local time and date into the labels. Public so that a tick
  // can be driven without waiting for the timer.
  void showTime();

 private:
  void FormActivate();
  void FormDeactivate();
  void spinUp();
  void spinDown();
  void toggleSettingMode();
  void Modifie();
  void spin(int step);
  ClockLabels labels() const;
  void showLabels(const ClockLabels& labels);

  QLabel* timeLabel;
  QLabel* dateLabel;
  QButtonGroup* fieldGroup;
  QTimer* clockTimer;
  bool SettingTime = false;
};

}  // namespace tessaro
