// Dialog frames: fixed-size ones, and large ones fitted to the screen.
#include "ui/dialog_frame.h"

#include <QDialog>
#include <QScreen>

namespace tessaro {

void setFixedDialogFrame(QDialog& dialog, int clientWidth, int clientHeight) {
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint);
  dialog.setFixedSize(clientWidth, clientHeight);
}

void fitOnScreen(QDialog& dialog) {
  if (const QScreen* shownOn = dialog.screen()) {
    const QSize room = shownOn->availableGeometry().size() * 0.95;
    if (dialog.width() > room.width() || dialog.height() > room.height()) {
      dialog.resize(dialog.size().boundedTo(room));
    }
  }
}

}  // namespace tessaro
