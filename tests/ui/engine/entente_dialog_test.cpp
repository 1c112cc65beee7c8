// The compatibility dialog: names in the labels, and a printer that cannot start.
#include "engine/ui/entente_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QToolButton>

#include "common/errors.h"
#include "support/scripted_interaction.h"

namespace tessaro {
namespace {

// The program's printer, as the main window hands it to the dialog.
PrinterSource printerOf(QPrinter& printer) {
  return [&printer]() -> QPrinter& { return printer; };
}

TEST(Entente, InitPutsTheNamesIntoTheLabelsAndTheNumbersIntoTheFields) {
  QPrinter printer;
  TEntente dialog{printerOf(printer)};
  dialog.Init("MARIE DURAND", "JEAN DUPONT", "9", "3",
              "9: a\r\n\r\n3: b\r\n\r\n \r\nEntente\r\nAccord total.");
  EXPECT_EQ(dialog.label(1)->text(), QStringLiteral("MARIE DURAND"));
  EXPECT_EQ(dialog.label(3)->text(), QStringLiteral("JEAN DUPONT"));
  EXPECT_GE(dialog.label(1)->width(), dialog.label(1)->sizeHint().width());
  EXPECT_EQ(dialog.edit(1)->text(), QStringLiteral("9"));
  EXPECT_EQ(dialog.edit(2)->text(), QStringLiteral("3"));
  EXPECT_EQ(dialog.label(2)->text(), QStringLiteral("Nombre d'expression"));
}

TEST(Entente, APrinterThatCannotStartIsReported) {
  QPrinter printer;
  TEntente dialog{printerOf(printer)};
  dialog.Init("A B", "C D", "1", "2", "x");
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QStringLiteral("/nonexistent-folder/entente.pdf"));
  EXPECT_THROW(dialog.printPage(printer), TessaroError);
}

TEST(Entente, WithoutAnyPrinterThePrintButtonAsksForOneAndCancellingPrintsNothing) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a real printer would print";
  testing::ScriptedInteraction scripted;
  scripted.copies.push_back(std::nullopt);
  QPrinter printer;
  TEntente dialog{printerOf(printer)};
  dialog.Init("A B", "C D", "1", "2", "x");
  dialog.show();
  dialog.findChild<QToolButton*>(QStringLiteral("printButton"))->click();
  EXPECT_EQ(scripted.asked, QStringList{QStringLiteral("print")});
  EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
}  // namespace tessaro
