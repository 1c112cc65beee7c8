// The application's top-level error handler: every command and button runs through it.
#pragma once

#include <functional>

class QWidget;

namespace tessaro {

// Runs the command; a TessaroError it throws is shown in a modal message box (through the
// interaction seam) and the program goes on.
void runGuarded(QWidget* parent, const std::function<void()>& command);

}  // namespace tessaro
