// The program speaks French: locale, Qt's own dialogs, and the window font.
#pragma once

class QApplication;

namespace tessaro {

// French locale by default (dd/MM/yyyy dates, "," decimals, French month and day names), Qt's
// French translations where Debian ships them, and the classic window font.
void installFrenchInterface(QApplication& application);

}  // namespace tessaro
