// The top-level error handler.
#include "ui/guarded.h"

#include "common/errors.h"
#include "ui/interaction.h"

namespace tessaro {

void runGuarded(QWidget* parent, const std::function<void()>& command) {
  runGuarded(parent, command, interaction());
}

void runGuarded(QWidget* parent, const std::function<void()>& command, Interaction& asker) {
  try {
    command();
  } catch (const TessaroError& error) {
    asker.message(parent, QString::fromStdString(error.utf8Message()));
  }
}

}  // namespace tessaro
