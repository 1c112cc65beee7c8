// Start-up of the workbench: splash, every window created once, then the message loop.
#include <QApplication>
#include <memory>

#include "app/about_box.h"
#include "app/app_windows.h"
#include "app/french_interface.h"
#include "app/main_form.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  tessaro::installFrenchInterface(application);

  auto splash = std::make_unique<tessaro::TSplash>();
  splash->show();
  splash->repaint();
  QApplication::processEvents();

  QApplication::setApplicationName(QStringLiteral("Orv Tessaro"));
  tessaro::ProgramWindows windows;
  splash.reset();

  windows.mainForm().show();
  return QApplication::exec();
}
