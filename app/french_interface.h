// The program speaks French: locale, Qt's own dialogs, and the window font.
#pragma once

#include <QByteArray>
#include <string>

class QApplication;

namespace tessaro {

// Qt's own file dialogs write sizes and dates with the system locale, which Qt reads from the
// environment while the application is made, not from QLocale::setDefault: the process is given a
// French environment for that moment. Made before the QApplication; applicationMade() then puts
// back the user's environment, for the processes the program starts, and the C library's number
// reading, which stays "C" so that "1.5" is read alike everywhere.
class FrenchSystemLocale {
 public:
  FrenchSystemLocale();
  FrenchSystemLocale(const FrenchSystemLocale&) = delete;
  FrenchSystemLocale& operator=(const FrenchSystemLocale&) = delete;
  void applicationMade();

 private:
  bool hadLcAll;
  QByteArray userLcAll;
  std::string userCharacterType;
};

// French locale by default (dd/MM/yyyy dates, "," decimals, French month and day names), Qt's
// French translations where Debian ships them, and the classic window font.
void installFrenchInterface(QApplication& application);

}  // namespace tessaro
