// The focus frame of read-only text areas.
#include "ui/focus_frame.h"

#include <QAbstractScrollArea>

namespace tessaro {

void showFocusFrame(QAbstractScrollArea& area) {
  // Scoped to the area's own class so that its scroll bars and children keep the style's look.
  const QString type = QString::fromLatin1(area.metaObject()->className());
  area.setStyleSheet(QStringLiteral("%1 { border: 1px solid palette(mid); padding: 1px; }"
                                    "%1:focus { border: 2px solid palette(highlight); padding: 0px; }")
                         .arg(type));
}

}  // namespace tessaro
