// Print jobs: a printer to print on, and the start of the drawing.
#include "ui/print_job.h"

#include <QPainter>
#include <QPrinter>

#include "common/cp1252_literal.h"
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
  return printerChosen(parent, printer, interaction());
}

bool printerChosen(QWidget* parent, QPrinter& printer, Interaction& asker) {
  return hasDestination(printer) || asker.runPrintDialog(parent, printer).has_value();
}

void beginPrinting(QPainter& painter, QPrinter& printer) {
  // A PDF printer without a file is not started at all: the failed start would leave it marked
  // busy, and a busy printer refuses every later choice of the print dialog.
  if (printer.isValid() && hasDestination(printer) && painter.begin(&printer)) return;
  throw TessaroError("L'imprimante sélectionnée n'est pas valide"_cp1252);
}

}  // namespace tessaro
