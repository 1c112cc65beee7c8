// The compatibility result dialog, whose page can be printed or saved as PDF.
#pragma once

#include <string_view>

#include "engine/ui/result_dialog.h"
#include "ui/print_job.h"

class QPainter;
class QPaintDevice;
class QPrinter;
class QToolButton;

namespace tessaro {

class TEntente : public ResultDialog {
  Q_OBJECT

 public:
  // The page prints on the printer the source gives: the one the user chose for the program.
  explicit TEntente(PrinterSource printer, QWidget* parent = nullptr);

  // The names go into the captions of the two persons' labels, the numbers into their expression fields.
  void Init(std::string_view firstFullName, std::string_view secondFullName, std::string_view firstNumber,
            std::string_view secondNumber, std::string_view reading);

  // Prints the page on the program's current printer.
  void printEntente();

  // The page on any printer (a PDF file in tests); throws TessaroError when the printer cannot
  // start a job.
  void printPage(QPrinter& printer) const;

  // The printed page written to a PDF file, asked as "Exporter" asks; throws FileError when the
  // file cannot be written.
  void savePdf();

 private:
  // The page drawn with a begun painter on a printer or a PDF file.
  void drawPage(QPainter& painter, const QPaintDevice& device) const;

  PrinterSource currentPrinter;
  QToolButton* printButton = nullptr;
  QToolButton* pdfButton = nullptr;
};

}  // namespace tessaro
