// Hints of the form "short|long": the short part is the tooltip, the long part goes to the
// status bar; a hint without the bar serves for both.
#pragma once

#include <QString>

namespace tessaro {

struct HintParts {
  QString tooltip;
  QString status;
};

HintParts splitHint(const QString& hint);

// A toolbar tooltip with the key that does the same, as the menus show it: "Gras (Ctrl+G)".
QString tooltipWithKeys(const QString& tooltip, const char* keys);

}  // namespace tessaro
