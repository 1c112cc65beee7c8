// The document's text area: what a paste brings from another program is taken in as the
// document's files keep it.
#pragma once

#include <QTextEdit>

namespace tessaro {

class SavableTextEdit : public QTextEdit {
  Q_OBJECT

 public:
  using QTextEdit::QTextEdit;

 protected:
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace tessaro
