// The compatibility dialog: names in the labels, printer positions, and a printer that cannot start.
#include "engine/ui/entente_dialog.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>

#include "common/errors.h"

namespace tessaro {
namespace {

TEST(Entente, InitPutsTheNamesIntoTheLabelsAndTheNumbersIntoTheFields) {
  TEntente dialog;
  dialog.Init("MARIE DURAND", "JEAN DUPONT", "9", "3",
              "9: a\r\n\r\n3: b\r\n\r\n \r\nEntente\r\nAccord total.");
  EXPECT_EQ(dialog.label(1)->text(), QStringLiteral("MARIE DURAND"));
  EXPECT_EQ(dialog.label(3)->text(), QStringLiteral("JEAN DUPONT"));
  EXPECT_GE(dialog.label(1)->width(), dialog.label(1)->sizeHint().width());
  EXPECT_EQ(dialog.edit(1)->text(), QStringLiteral("9"));
  EXPECT_EQ(dialog.edit(2)->text(), QStringLiteral("3"));
  EXPECT_EQ(dialog.label(2)->text(), QStringLiteral("Nombre d'expression"));
}

struct PositionCase {
  const char* name;
  int widthPixels;
  int heightPixels;
  int dotsPerMeter;
  int millimetres;
  int expectedAcross;
  int expectedDown;
};

// The pixels per millimetre are truncated before they are multiplied.
const PositionCase positionCases[] = {
    {"WholePixelsPerMillimetre", 2100, 2970, 10000, 20, 250, 250},
    {"TruncatedBeforeMultiplying", 2149, 2970, 10000, 20, 225, 250},
    {"MarginAtZero", 2100, 2970, 10000, 0, 50, 50},
    {"CoarsePage", 420, 594, 2000, 120, 250, 250},
};

class PrinterPositions : public ::testing::TestWithParam<PositionCase> {};

TEST_P(PrinterPositions, AddTheMarginAndUseWholePixelsPerMillimetre) {
  const PositionCase& c = GetParam();
  QImage page(c.widthPixels, c.heightPixels, QImage::Format_Mono);
  page.setDotsPerMeterX(c.dotsPerMeter);
  page.setDotsPerMeterY(c.dotsPerMeter);
  EXPECT_EQ(TEntente::Mh(page, c.millimetres), c.expectedAcross);
  EXPECT_EQ(TEntente::Mv(page, c.millimetres), c.expectedDown);
}

INSTANTIATE_TEST_SUITE_P(Entente, PrinterPositions, ::testing::ValuesIn(positionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Entente, APrinterThatCannotStartIsReported) {
  TEntente dialog;
  dialog.Init("A B", "C D", "1", "2", "x");
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QStringLiteral("/nonexistent-folder/entente.pdf"));
  EXPECT_THROW(dialog.printPage(printer), TessaroError);
}

}  // namespace
}  // namespace tessaro
