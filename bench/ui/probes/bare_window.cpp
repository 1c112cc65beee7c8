// Start-up probe of a bare Qt main window: the baseline of the workbench's start-up and memory.
#include <QApplication>
#include <QMainWindow>

#include "bench/ui/probes/probe_report.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.show();
  return tessaro::bench::reportWhenShown(window, argc, argv);
}
