// PDF drawn in memory, then written over its target in one step.
#include "files/ui/pdf_file.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>
#include <memory>
#include <new>

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
  auto writer = std::make_unique<QPdfWriter>(&bytes);
  auto painter = std::make_unique<QPainter>();
  try {
    writer->setTitle(title);
    writer->setCreator(QStringLiteral("Orv Tessaro"));
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    if (!painter->begin(writer.get())) throwCannotCreate(path);
    draw(*writer, *painter);
    painter->end();
  } catch (const std::bad_alloc&) {
    // A painter still drawing ends in its destructor by writing the page, which needs the memory
    // there is not, and a throw from a destructor ends the program: the painter and its writer are
    // left as they are, never destroyed.
    painter.release();
    writer.release();
    throwCannotCreate(path, OutOfMemoryReason);
  }
  painter.reset();
  writer.reset();
  writeFileAtomically(path, std::string_view(bytes.data().constData(), size_t(bytes.data().size())));
}

int millimetres(const QPdfWriter& writer, double length) {
  return int(std::lround(length * writer.resolution() / 25.4));
}

}  // namespace tessaro
