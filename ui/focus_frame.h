// A read-only text area that takes the keyboard, for scrolling and copying, shows that it has it.
#pragma once

class QAbstractScrollArea;

namespace tessaro {

// Draws the area's frame in the highlight colour while it has the keyboard: the style draws no
// caret there and no focus mark of its own.
void showFocusFrame(QAbstractScrollArea& area);

}  // namespace tessaro
