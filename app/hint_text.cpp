// Splitting of "short|long" hints.
#include "app/hint_text.h"

namespace tessaro {

HintParts splitHint(const QString& hint) {
  const qsizetype bar = hint.indexOf(QLatin1Char('|'));
  if (bar < 0) return {hint, hint};
  return {hint.left(bar), hint.mid(bar + 1)};
}

}  // namespace tessaro
