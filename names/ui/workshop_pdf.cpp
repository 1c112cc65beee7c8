// The workshop's list as a PDF, drawn by the program's own document pages.
#include "names/ui/workshop_pdf.h"

#include <QFont>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include "files/ui/document_pdf.h"
#include "names/workshop_table.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

// Small enough for nine columns across a portrait page.
constexpr int TablePoints = 7;
// Room for the longest title of each column, and most for the feast's dates.
constexpr int ColumnPercents[WorkshopColumnCount] = {13, 7, 11, 11, 6, 11, 8, 14, 19};

QTextTableFormat tableFormat() {
  QTextTableFormat format;
  format.setHeaderRowCount(1);
  format.setCellPadding(2);
  format.setCellSpacing(0);
  format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
  format.setBorder(0.5);
  format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
  QList<QTextLength> widths;
  for (const int percent : ColumnPercents) widths << QTextLength(QTextLength::PercentageLength, percent);
  format.setColumnWidthConstraints(widths);
  return format;
}

}  // namespace

void saveWorkshopPdf(const QString& title, const QString& summary,
                     const std::vector<const WorkshopRow*>& rows, const std::string& path) {
  QTextDocument document;
  document.setDefaultFont(
      QFont(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, TablePoints));
  QTextCursor cursor(&document);
  QTextCharFormat bold;
  bold.setFontWeight(QFont::Bold);
  cursor.insertText(title, bold);
  cursor.insertBlock();
  cursor.insertText(summary);
  cursor.insertBlock();
  QTextTable* table =
      cursor.insertTable(static_cast<int>(rows.size()) + 1, WorkshopColumnCount, tableFormat());
  for (int column = 0; column < WorkshopColumnCount; ++column) {
    table->cellAt(0, column).firstCursorPosition().insertText(
        toQString(WorkshopColumnTitles[static_cast<size_t>(column)]), bold);
    for (size_t r = 0; r < rows.size(); ++r) {
      table->cellAt(static_cast<int>(r) + 1, column)
          .firstCursorPosition()
          .insertText(toQString(workshopCell(*rows[r], column)));
    }
  }
  saveDocumentPdf(document, QStringLiteral(u"Atelier des prénoms"), path);
}

}  // namespace tessaro
