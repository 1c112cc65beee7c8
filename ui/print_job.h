// Starting to draw on a printer, the one way every printed page begins.
#pragma once

#include <functional>

class QPainter;
class QPrinter;
class QWidget;

namespace tessaro {

class Interaction;

// Where a window finds the printer to print on.
using PrinterSource = std::function<QPrinter&()>;

// For the commands that print at once, without the print dialog: when the platform offers no
// printer and the user has chosen none yet, the print dialog asks for one first. False when the
// user cancelled it.
bool printerChosen(QWidget* parent, QPrinter& printer);
// The same through the seam a window was given.
bool printerChosen(QWidget* parent, QPrinter& printer, Interaction& asker);

// Begins the painter on the printer; throws TessaroError "L'imprimante sélectionnée n'est pas
// valide" when the printer cannot be drawn on.
void beginPrinting(QPainter& painter, QPrinter& printer);

}  // namespace tessaro
