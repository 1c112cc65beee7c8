// The workbench program: start-up, the file named on the command line, then the message loop.
#include <QApplication>

#include "app/app_windows.h"
#include "app/start_up.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const auto windows = tessaro::startWorkbench(application);
  tessaro::openCommandLineFile(QApplication::arguments());
  return QApplication::exec();
}
