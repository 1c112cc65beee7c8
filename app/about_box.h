// The about box "A propos" and the splash window shown while the program starts.
#pragma once

#include <QDialog>

namespace tessaro {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);
};

class TSplash : public QWidget {
  Q_OBJECT

 public:
  TSplash();
};

}  // namespace tessaro
