// The paragraphs a selection of the editor touches, and their indents as the ruler reads them.
#pragma once

#include <functional>

#include "study/ui/ruler_geometry.h"

class QTextBlock;
class QTextBlockFormat;
class QTextCursor;

namespace tessaro {

// Every paragraph the cursor's selection touches, or the caret's paragraph when nothing is
// selected, in order.
void forEachParagraph(const QTextCursor& cursor, const std::function<void(const QTextBlock&)>& action);

// A length in points as a document holds it, to the twip, then truncated toward zero to whole
// points, as the ruler and the toolbar show lengths and sizes.
int wholePoints(double points);

// Whole points, each truncated toward zero from the twips the paragraph holds.
ParagraphIndents indentsOf(const QTextBlockFormat& format);

// Changes the indents of each paragraph of the selection from its own indents, so what the
// change leaves alone stays as it was in every paragraph.
void changeIndents(const QTextCursor& cursor, const std::function<void(ParagraphIndents&)>& change);

}  // namespace tessaro
