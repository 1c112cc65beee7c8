// Key tests shared by the dialogs that close on the Enter key.
#pragma once

#include <QEvent>
#include <QKeyEvent>

namespace tessaro {

// Return on the main keyboard or Enter on the keypad.
inline bool isEnterKeyPress(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace tessaro
