// Start-up of the workbench: splash, every window created once, the main window shown.
#include "app/start_up.h"

#include <QApplication>

#include "app/about_box.h"
#include "app/app_windows.h"
#include "app/french_interface.h"
#include "app/main_form.h"
#include "ui/guarded.h"

namespace tessaro {

std::unique_ptr<ProgramWindows> startWorkbench(QApplication& application) {
  installFrenchInterface(application);

  auto splash = std::make_unique<TSplash>();
  splash->show();
  splash->repaint();
  QApplication::processEvents();

  QApplication::setApplicationName(QStringLiteral("Orv Tessaro"));
  auto windows = std::make_unique<ProgramWindows>();
  splash.reset();

  windows->mainForm().show();
  return windows;
}

void openCommandLineFile(const QStringList& arguments) {
  if (arguments.size() < 2) return;
  TMainForm* mainForm = appWindows().MainForm;
  runGuarded(mainForm, [&] { mainForm->OpenFile(arguments[1]); });
}

}  // namespace tessaro
