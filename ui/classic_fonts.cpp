// Stand-in typefaces for the classic Windows faces.
#include "ui/classic_fonts.h"

#include <QStringList>

namespace tessaro {
namespace {

QStringList families(ClassicFace face) {
  switch (face) {
    case ClassicFace::TimesNewRoman:
      return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
              QStringLiteral("DejaVu Serif")};
    case ClassicFace::Arial:
      return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    case ClassicFace::MsSansSerif:
      break;
  }
  return {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
}

QFont baseFont(ClassicFace face, bool bold) {
  QFont font;
  font.setFamilies(families(face));
  font.setBold(bold);
  font.setStyleHint(face == ClassicFace::TimesNewRoman ? QFont::Serif : QFont::SansSerif);
  return font;
}

}  // namespace

QFont classicFont(ClassicFace face, int pixelSize, bool bold) {
  QFont font = baseFont(face, bold);
  font.setPixelSize(pixelSize);
  return font;
}

QFont classicPrinterFont(ClassicFace face, int pointSize, bool bold) {
  QFont font = baseFont(face, bold);
  font.setPointSize(pointSize);
  return font;
}

}  // namespace tessaro
