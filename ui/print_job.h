// Starting to draw on a printer, the one way every printed page begins.
#pragma once

class QPainter;
class QPrinter;

namespace tessaro {

// Begins the painter on the printer; throws TessaroError "L'imprimante sélectionnée n'est pas
// valide" when the printer cannot be drawn on.
void beginPrinting(QPainter& painter, QPrinter& printer);

}  // namespace tessaro
