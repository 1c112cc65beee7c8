// The typefaces the windows were drawn with, each backed by a free face that Linux has.
#pragma once

#include <QFont>

namespace tessaro {

enum class ClassicFace { MsSansSerif, TimesNewRoman, Arial };

// The classic face when the system has it, else its stand-in (Liberation Sans or Serif, then
// DejaVu), at a size in pixels as the windows were laid out.
QFont classicFont(ClassicFace face, int pixelSize, bool bold = false);

// The same at a size in points, for the printer.
QFont classicPrinterFont(ClassicFace face, int pointSize, bool bold = false);

}  // namespace tessaro
