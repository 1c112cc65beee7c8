// The program speaks French: its locale and the texts of Qt's own dialogs.
#include "app/french_interface.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTranslator>

namespace tessaro {
namespace {

class FrenchInterface : public ::testing::Test {
 protected:
  FrenchInterface() { installFrenchInterface(*qApp); }
  ~FrenchInterface() override {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
      QApplication::removeTranslator(translator);
      delete translator;
    }
    QLocale::setDefault(QLocale::c());
  }
};

TEST_F(FrenchInterface, DatesNumbersAndNamesAreFrench) {
  const QLocale locale;
  EXPECT_EQ(locale.dateFormat(QLocale::ShortFormat), QStringLiteral("dd/MM/yyyy"));
  EXPECT_EQ(locale.decimalPoint(), QStringLiteral(","));
  EXPECT_EQ(locale.monthName(3), QStringLiteral("mars"));
  EXPECT_EQ(locale.dayName(1), QStringLiteral("lundi"));
}

TEST_F(FrenchInterface, QtsOwnDialogsSpeakFrench) {
  // Needs Debian's Qt translations (qt6-translations-l10n).
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Open"), QStringLiteral("Ouvrir"));
}

}  // namespace
}  // namespace tessaro
