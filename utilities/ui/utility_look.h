// Fonts and colours shared by the calendar, calculator and clock windows.
#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace tessaro {

inline const QColor Teal(0, 128, 128);
inline const QColor Navy(0, 0, 128);
inline const QColor Silver(192, 192, 192);
inline const QColor Lime(0, 255, 0);

// Arial where the system has it, else a free face with the same metrics (Liberation Sans), then
// DejaVu Sans; the size is the character height in pixels the windows were laid out with.
QFont arialFont(int pixelHeight, bool bold = false, bool italic = false);

// Fills the widget's background with the colour and writes its text in the other.
void paintWidget(QWidget* widget, const QColor& background, const QColor& text = Qt::black);

}  // namespace tessaro
