// Start-up probe reporting: exposure of the window, then resident memory at rest.
#include "bench/ui/probes/probe_report.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace tessaro::bench {
namespace {

constexpr int ExposeTimeoutMilliseconds = 30000;

// Ends the loop when the watched window becomes exposed.
class ExposeWatcher : public QObject {
 public:
  ExposeWatcher(QWindow& window, QEventLoop& loop) : window(window), loop(loop) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window && event->type() == QEvent::Expose && window.isExposed()) loop.quit();
    return false;
  }

 private:
  QWindow& window;
  QEventLoop& loop;
};

long residentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string word;
  while (status >> word) {
    if (word == "VmRSS:") {
      long kilobytes = 0;
      status >> kilobytes;
      return kilobytes;
    }
  }
  return 0;
}

}  // namespace

int reportWhenShown(QWidget& window, int argc, char* argv[]) {
  QWindow* handle = window.windowHandle();
  if (handle == nullptr) return 1;
  if (!handle->isExposed()) {
    QEventLoop loop;
    ExposeWatcher watcher(*handle, loop);
    QTimer::singleShot(ExposeTimeoutMilliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    if (!handle->isExposed()) return 1;
  }
  std::fputs("shown\n", stdout);
  std::fflush(stdout);

  const int restMilliseconds = argc > 1 ? std::atoi(argv[1]) : 0;
  if (restMilliseconds > 0) {
    QEventLoop rest;
    QTimer::singleShot(restMilliseconds, &rest, &QEventLoop::quit);
    rest.exec();
  }
  std::printf("rss %ld\n", residentKilobytes());
  std::fflush(stdout);
  return 0;
}

}  // namespace tessaro::bench
