// The first-name viewer: one reading, without its blank lines.
#pragma once

#include <QDialog>

#include "common/text.h"

class QPlainTextEdit;
class QPushButton;

namespace tessaro {

class TVPrenom : public QDialog {
  Q_OBJECT

 public:
  explicit TVPrenom(QWidget* parent = nullptr);

  // Shows the reading with its empty lines removed by the result dialogs' memo rule.
  void Init(const Text& reading);

 private:
  QPushButton* closeButton;
  QPlainTextEdit* readingMemo;
};

}  // namespace tessaro
