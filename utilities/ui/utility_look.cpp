// Fonts and colours of the utility windows.
#include "utilities/ui/utility_look.h"

#include <QPalette>
#include <QStringList>
#include <QWidget>

namespace tessaro {

QFont arialFont(int pixelHeight, bool bold, bool italic) {
  QFont font;
  font.setFamilies(
      {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

void paintWidget(QWidget* widget, const QColor& background, const QColor& text) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::WindowText, text);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace tessaro
