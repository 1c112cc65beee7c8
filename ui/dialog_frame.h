// The frames of the program's dialogs: fixed-size ones, and large ones that must fit the screen.
#pragma once

class QDialog;

namespace tessaro {

// Fixes the client area and keeps only the title bar and the close box, so that window managers
// offer neither maximising nor minimising.
void setFixedDialogFrame(QDialog& dialog, int clientWidth, int clientHeight);

// Shrinks a resizable window to the screen it is shown on when it would not fit (a small or
// magnified screen): called as it is shown, its layout gives the room left to what stretches.
void fitOnScreen(QDialog& dialog);

}  // namespace tessaro
