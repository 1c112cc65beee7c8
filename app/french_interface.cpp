// The French locale, Qt's French translations and the window font.
#include "app/french_interface.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

#include "ui/classic_fonts.h"

namespace tessaro {
namespace {

constexpr const char* FrenchLocaleName = "fr_FR.UTF-8";

}  // namespace

FrenchSystemLocale::FrenchSystemLocale()
    : hadLcAll(qEnvironmentVariableIsSet("LC_ALL")), userLcAll(qgetenv("LC_ALL")) {
  // The character type the user's settings give, which a French name missing from the C library
  // would otherwise turn into plain ASCII.
  std::setlocale(LC_ALL, "");
  userCharacterType = std::setlocale(LC_CTYPE, nullptr);
  qputenv("LC_ALL", FrenchLocaleName);
}

void FrenchSystemLocale::applicationMade() {
  (void)QLocale::system();  // read now, while the environment is French
  if (hadLcAll) {
    qputenv("LC_ALL", userLcAll);
  } else {
    qunsetenv("LC_ALL");
  }
  std::setlocale(LC_CTYPE, userCharacterType.c_str());
  std::setlocale(LC_NUMERIC, "C");
}

void installFrenchInterface(QApplication& application) {
  const QLocale french(QLocale::French, QLocale::France);
  QLocale::setDefault(french);
  // Without Debian's Qt translations the standard dialogs stay in English; the program still runs.
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const char* catalogue : {"qtbase", "qt"}) {
    auto* translator = new QTranslator(&application);
    if (translator->load(french, QString::fromLatin1(catalogue), QStringLiteral("_"), folder)) {
      QApplication::installTranslator(translator);
    } else {
      delete translator;
    }
  }
  QApplication::setFont(classicFont(ClassicFace::MsSansSerif, 13));
}

}  // namespace tessaro
