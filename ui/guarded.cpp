// The top-level error handler.
#include "ui/guarded.h"

#include "common/errors.h"
#include "ui/interaction.h"
#include "ui/qt_text.h"

namespace tessaro {

void runGuarded(QWidget* parent, const std::function<void()>& command) {
  try {
    command();
  } catch (const TessaroError& error) {
    interaction().message(parent, toQString(error.message()));
  }
}

}  // namespace tessaro
