// The application's top-level error handler: every command and button runs through it.
#pragma once

#include <functional>

class QWidget;

namespace tessaro {

class Interaction;

// Runs the command; a TessaroError it throws is shown in a modal message box (through the
// interaction seam) and the program goes on.
void runGuarded(QWidget* parent, const std::function<void()>& command);
// The same, the message shown through the seam a window was given.
void runGuarded(QWidget* parent, const std::function<void()>& command, Interaction& asker);

}  // namespace tessaro
