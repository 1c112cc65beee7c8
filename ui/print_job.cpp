// Print jobs: a printer to print on, and the start of the drawing.
#include "ui/print_job.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>

#include "common/errors.h"
#include "ui/interaction.h"

namespace tessaro {
namespace {

// Without any printer the platform offers a PDF printer that has no file to write to.
bool hasDestination(const QPrinter& printer) {
  return printer.outputFormat() != QPrinter::PdfFormat || !printer.outputFileName().isEmpty();
}

}  // namespace

bool printerChosen(QWidget* parent, QPrinter& printer) {
  return hasDestination(printer) || interaction().askPrintCopies(parent, printer).has_value();
}

void beginPrinting(QPainter& painter, QPrinter& printer) {
  if (printer.isValid() && hasDestination(printer) && painter.begin(&printer)) return;
  // A start that failed can leave the printer marked busy, and a busy printer refuses every
  // later choice of the print dialog: it is stopped, so that the user can choose again.
  if (printer.printerState() == QPrinter::Active) printer.paintEngine()->end();
  throw TessaroError(
      "L'imprimante s\xE9lectionn\xE9"
      "e n'est pas valide");
}

}  // namespace tessaro
