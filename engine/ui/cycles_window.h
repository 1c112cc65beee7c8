// The cycles of a life on one timeline, in a window of its own that prints its page.
#pragma once

#include <cstdint>

#include "common/study_subject.h"
#include "engine/cycles.h"
#include "engine/ui/result_dialog.h"
#include "ui/print_job.h"

class QLabel;
class QPaintDevice;
class QPainter;
class QPrinter;
class QToolButton;

namespace tessaro {

class CyclesTimeline;
class Interaction;

// The topic of the help file that F1 opens in this window.
inline constexpr int32_t CyclesHelpContext = 30;

class TCycles : public ResultDialog {
  Q_OBJECT

 public:
  // Computes the cycles of the subject: throws as computeCycles does, and no window is made then.
  // Messages, file names and the print dialog go through the seam; the page prints on the printer
  // the source gives, the one the user chose for the program.
  TCycles(const StudySubject& subject, Interaction& interaction, PrinterSource printer,
          QWidget* parent = nullptr);

  CyclesTimeline* timeline() const { return timelineView; }

  // Prints the page on the program's printer, asking for one when none is chosen yet.
  void printCycles();
  // The page on any printer (a PDF file in tests); throws TessaroError when it cannot start a job.
  void printPage(QPrinter& printer) const;
  // The page written to a PDF file asked for as the other PDF exports ask.
  void savePdf();

 private:
  void showReading(std::string_view reading);
  void drawPage(QPainter& painter, const QPaintDevice& device) const;

  StudySubject subject;
  CyclesResult cycles;
  Interaction& asker;
  PrinterSource currentPrinter;
  CyclesTimeline* timelineView = nullptr;
  QLabel* subjectLabel = nullptr;
};

}  // namespace tessaro
