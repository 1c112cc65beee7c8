// Printing the editor's document.
#pragma once

class QPrinter;
class QTextDocument;

namespace tessaro {

// Prints the whole document as one job with an empty title, laid out over the printer's whole
// printable page, page after page, with no margin, header or footer of its own. Throws
// TessaroError "L'imprimante sélectionnée n'est pas valide" when the printer cannot start.
void printDocument(const QTextDocument& document, QPrinter& printer);

}  // namespace tessaro
