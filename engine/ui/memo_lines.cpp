// Memo filling and the memo's displayed lines.
#include "engine/ui/memo_lines.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextLayout>

#include "engine/text_table.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

// The width the memo wraps at. Computed from the widget's geometry rather than read from its
// viewport, so it holds before the dialog has ever been shown.
qreal wrapWidth(const QPlainTextEdit& memo) {
  const int scrollBar = memo.verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn
                            ? memo.verticalScrollBar()->sizeHint().width()
                            : 0;
  const qreal margin = memo.document()->documentMargin();
  return memo.width() - 2 * memo.frameWidth() - scrollBar - 2 * margin;
}

}  // namespace

void showCleanReading(QPlainTextEdit& memo, std::string_view reading) {
  QStringList lines;
  for (const Text& line : cleanMemoLines(reading)) lines << toQString(line);
  memo.setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList displayedLines(const QPlainTextEdit& memo) {
  QStringList lines;
  const qreal width = wrapWidth(memo);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  for (const QString& paragraph : memo.toPlainText().split(QLatin1Char('\n'))) {
    QTextLayout layout(paragraph, memo.font());
    layout.setTextOption(option);
    layout.beginLayout();
    int count = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width);
      lines << paragraph.mid(line.textStart(), line.textLength());
      ++count;
    }
    layout.endLayout();
    if (count == 0) lines << QString();
  }
  return lines;
}

}  // namespace tessaro
