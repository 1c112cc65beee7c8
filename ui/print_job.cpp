#include "ui/print_job.h"

#include <QPainter>
#include <QPrinter>

#include "common/errors.h"

namespace tessaro {

void beginPrinting(QPainter& painter, QPrinter& printer) {
  if (!printer.isValid() || !painter.begin(&printer)) {
    throw TessaroError(
        "L'imprimante s\xE9lectionn\xE9"
        "e n'est pas valide");
  }
}

}  // namespace tessaro
