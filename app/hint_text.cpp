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
  // Written out here rather than by Qt's translation, which a program without Debian's Qt
  // catalogues would leave in English: "Maj" is the French keyboard's name for Shift.
  QString key = sequences.first().toString(QKeySequence::PortableText);
  key.replace(QStringLiteral("Shift"), QStringLiteral("Maj"));
  return QStringLiteral("%1 (%2)").arg(tooltip, key);
}

}  // namespace tessaro
