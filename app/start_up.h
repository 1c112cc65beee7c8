// Start-up of the workbench, shared by the program and by the measurement of its start-up.
#pragma once

#include <QStringList>
#include <memory>

class QApplication;

namespace tessaro {

class ProgramWindows;

// The French interface, the splash while every window is created once, then the main window
// shown. The windows live as long as the returned object.
std::unique_ptr<ProgramWindows> startWorkbench(QApplication& application);

// Opens the file the command line names after the program (further names are ignored): rich
// text by its ".rtf" extension, else a study file. A file that cannot be read is reported like
// one chosen in the open dialog, and the program goes on.
void openCommandLineFile(const QStringList& arguments);

}  // namespace tessaro
