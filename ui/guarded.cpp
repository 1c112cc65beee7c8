// The top-level error handler.
#include "ui/guarded.h"

#include "common/errors.h"
#include "ui/interaction.h"

namespace tessaro {

void runGuarded(QWidget* parent, const std::function<void()>& command) {
  try {
    command();
  } catch (const TessaroError& error) {
    interaction().message(parent, QString::fromStdString(error.utf8Message()));
  }
}

}  // namespace tessaro
