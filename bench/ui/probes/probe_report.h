// What a start-up probe tells the benchmark that runs it: when its window is on screen, then its
// memory once at rest.
#pragma once

class QWidget;

namespace tessaro::bench {

// Waits until the shown window is exposed and writes "shown" on standard output; then lets the
// event loop run for the milliseconds of rest asked on the command line (0 when absent) and
// writes "rss <kilobytes>". Returns the probe's exit code: 1 when the window never shows.
int reportWhenShown(QWidget& window, int argc, char* argv[]);

}  // namespace tessaro::bench
