// The French locale, Qt's French translations and the window font.
#include "app/french_interface.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/classic_fonts.h"

namespace tessaro {

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
