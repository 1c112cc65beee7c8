// Paragraphs of a selection, and indents between the ruler's points and the editor's margins.
#include "study/ui/editor_paragraphs.h"

#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

#include "files/ui/rich_text_qt.h"

namespace tessaro {
namespace {

constexpr int TwipsPerPoint = 20;

// Margins are held in pixels, which points do not divide evenly: 73 points set are 73 points read.
int pointsOf(double pixels) { return wholePoints(pixels / PixelsPerPoint); }
double pixelsOf(int points) { return points * PixelsPerPoint; }

}  // namespace

int wholePoints(double points) {
  return static_cast<int>(std::lround(points * TwipsPerPoint)) / TwipsPerPoint;
}

void forEachParagraph(const QTextCursor& cursor, const std::function<void(const QTextBlock&)>& action) {
  const QTextDocument* document = cursor.document();
  const QTextBlock last = document->findBlock(cursor.selectionEnd());
  for (QTextBlock block = document->findBlock(cursor.selectionStart()); block.isValid();
       block = block.next()) {
    action(block);
    if (block == last) break;
  }
}

// The ruler counts the first line from the page and the other lines from the first line; the
// editor counts every line from the page and adds the text indent to the first.
ParagraphIndents indentsOf(const QTextBlockFormat& format) {
  return {pointsOf(format.leftMargin() + format.textIndent()), pointsOf(-format.textIndent()),
          pointsOf(format.rightMargin())};
}

void changeIndents(const QTextCursor& cursor, const std::function<void(ParagraphIndents&)>& change) {
  forEachParagraph(cursor, [&change](const QTextBlock& block) {
    ParagraphIndents indents = indentsOf(block.blockFormat());
    change(indents);
    QTextBlockFormat margins;
    margins.setLeftMargin(pixelsOf(indents.first + indents.left));
    margins.setTextIndent(pixelsOf(-indents.left));
    margins.setRightMargin(pixelsOf(indents.right));
    QTextCursor(block).mergeBlockFormat(margins);
  });
}

}  // namespace tessaro
