// The pocket calculator "Calculatrice".
#pragma once

#include <QDialog>
#include <QString>
#include <map>

#include "utilities/pocket_calculator.h"

class QLabel;
class QPushButton;

namespace tessaro {

// The registers belong to the one window and live as long as the program; every opening clears
// them.
class TPocket : public QDialog {
  Q_OBJECT

 public:
  explicit TPocket(QWidget* parent = nullptr);

  // Clears the calculator and shows the window modally; returns when it is closed.
  int showModal();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FormActivate();
  // Every key of the calculator; a failure is reported and leaves the registers as they were.
  void ButtonClick(const QString& caption);
  void FormKeyPress(QKeyEvent* event);

  PocketCalculator calculator;
  QLabel* displayLabel;
  std::map<QString, QPushButton*> buttonsByCaption;
};

}  // namespace tessaro
