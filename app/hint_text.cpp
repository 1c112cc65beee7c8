// Splitting of "short|long" hints.
#include "app/hint_text.h"

#include <QKeySequence>
#include <QList>

namespace tessaro {

HintParts splitHint(const QString& hint) {
  const qsizetype bar = hint.indexOf(QLatin1Char('|'));
  if (bar < 0) return {hint, hint};
  return {hint.left(bar), hint.mid(bar + 1)};
}

QString tooltipWithKeys(const QString& tooltip, const char* keys) {
  const QList<QKeySequence> sequences = QKeySequence::listFromString(QString::fromLatin1(keys));
  if (sequences.isEmpty() || sequences.first().isEmpty() || tooltip.isEmpty()) return tooltip;
  return QStringLiteral("%1 (%2)").arg(tooltip, sequences.first().toString(QKeySequence::NativeText));
}

}  // namespace tessaro
