// Start-up probe of the workbench: the program's own start-up, up to its main window on screen.
#include <QApplication>

#include "app/app_windows.h"
#include "app/main_form.h"
#include "app/start_up.h"
#include "bench/ui/probes/probe_report.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const auto windows = tessaro::startWorkbench(application);
  return tessaro::bench::reportWhenShown(windows->mainForm(), argc, argv);
}
