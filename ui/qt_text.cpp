// QString <-> Windows-1252 through the core codec.
#include "ui/qt_text.h"

#include <QFile>

#include "common/cp1252.h"

namespace tessaro {

QString toQString(std::string_view cp1252) {
  const std::string utf8 = toUtf8(cp1252);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

Text fromQString(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return fromUtf8(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace tessaro
