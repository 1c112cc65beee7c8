// Printing the editor's document.
#pragma once

class QPrinter;
class QString;
class QTextDocument;

namespace tessaro {

// Prints the whole document as one job with an empty title, on the pages "Exporter en PDF"
// writes: margins of 2 cm from the sheet's edges and a footer with the client's name and
// "page n / N". Throws TessaroError "L'imprimante sélectionnée n'est pas valide" when the printer
// cannot start.
void printDocument(const QTextDocument& document, const QString& clientName, QPrinter& printer);
// The same pages drawn for the print preview, whose printer draws on the screen: it starts even
// when the printer chosen has nowhere to print yet.
void previewDocument(const QTextDocument& document, const QString& clientName, QPrinter& preview);

}  // namespace tessaro
