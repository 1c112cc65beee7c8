// The frame of the program's fixed-size dialogs: a title and a close box, no resizing.
#pragma once

class QDialog;

namespace tessaro {

// Fixes the client area and keeps only the title bar and the close box, so that window managers
// offer neither maximising nor minimising.
void setFixedDialogFrame(QDialog& dialog, int clientWidth, int clientHeight);

}  // namespace tessaro
