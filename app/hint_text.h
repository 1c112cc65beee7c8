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

}  // namespace tessaro
