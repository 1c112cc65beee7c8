// PDF drawn in memory, then written over its target in one step.
#include "files/ui/pdf_file.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

#include "common/errors.h"
#include "common/file_io.h"
#include "ui/qt_text.h"

namespace tessaro {

void writePdfFile(const std::string& path, const QString& title,
                  const std::function<void(QPdfWriter& writer, QPainter& painter)>& draw) {
  // Drawn in memory first: the file is replaced only by a whole document, and a failure to write
  // it is reported like any other.
  QBuffer bytes;
  bytes.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&bytes);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Orv Tessaro"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer)) throwCannotCreate(path);
    draw(writer, painter);
    painter.end();
  }
  writeFileAtomically(path, std::string_view(bytes.data().constData(), size_t(bytes.data().size())));
}

int millimetres(const QPdfWriter& writer, double length) {
  return int(std::lround(length * writer.resolution() / 25.4));
}

}  // namespace tessaro
