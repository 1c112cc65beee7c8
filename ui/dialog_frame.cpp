// Fixed-size dialog frames.
#include "ui/dialog_frame.h"

#include <QDialog>

namespace tessaro {

void setFixedDialogFrame(QDialog& dialog, int clientWidth, int clientHeight) {
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint);
  dialog.setFixedSize(clientWidth, clientHeight);
}

}  // namespace tessaro
