// The document's text area: undo and redo say they were taken, and what a paste brings from
// another program is taken in as the document's files keep it.
#pragma once

#include <QTextEdit>

namespace tessaro {

class DocumentTextEdit : public QTextEdit {
  Q_OBJECT

 public:
  using QTextEdit::QTextEdit;

  // Undo and redo, from the menu or the keys, reported by undoStepTaken: a step may change the
  // style under a caret that does not move, which the toolbar must show again.
  void undoStep();
  void redoStep();

 signals:
  void undoStepTaken();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace tessaro
