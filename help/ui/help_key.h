// F1 anywhere in the program: the help at the topic of the window that has the keyboard.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

class QWidget;

namespace tessaro {

class HelpViewer;

// Ties a window (or a menu) to the topic of the help file that carries this context number.
void setHelpContext(QWidget* window, int32_t context);

// Watches the whole application for F1, for as long as the main window lives. F1 opens the topic of
// the window that has the keyboard (a menu, a dialog, or the part of the main window holding
// the caret), the contents when that window has none, and the viewer's own page in the viewer.
// workInHand gives the window the person works in inside the main window (nullptr when none): F1
// on the main window itself then opens that window's topic, since what the person sees there is
// that work, not the frame around it.
void installHelpKey(QWidget* mainWindow, HelpViewer& help, std::function<const QWidget*()> workInHand = {});

}  // namespace tessaro
