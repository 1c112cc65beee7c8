// The workbench program: start-up, the file named on the command line, then the message loop.
#include <QApplication>

#include "app/app_windows.h"
#include "app/french_interface.h"
#include "app/start_up.h"

int main(int argc, char* argv[]) {
  tessaro::FrenchSystemLocale frenchSystemLocale;
  QApplication application(argc, argv);
  frenchSystemLocale.applicationMade();
  const auto windows = tessaro::startWorkbench(application);
  tessaro::openCommandLineFile(QApplication::arguments());
  return QApplication::exec();
}
