#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "support/scripted_interaction.h"
#include "ui/guarded.h"
#include "ui/interaction.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

TEST(QtText, CrossesTheCodePageBothWays) {
  EXPECT_EQ(toQString("hélène €"_cp1252), QStringLiteral(u"hélène €"));
  EXPECT_EQ(fromQString(QStringLiteral(u"Ж é")), "? \xE9");
}

TEST(Guarded, ShowsTheFrenchMessageAndGoesOn) {
  testing::ScriptedInteraction scripted;
  bool after = false;
  runGuarded(nullptr, [] { throw ConversionError("'' n'est pas une valeur entière correcte"_cp1252); });
  runGuarded(nullptr, [&] { after = true; });
  EXPECT_EQ(scripted.messages, QStringList{QStringLiteral(u"'' n'est pas une valeur entière correcte")});
  EXPECT_TRUE(after);
}

TEST(Interaction, FiltersBecomeQtNameFilters) {
  EXPECT_EQ(qtNameFilters(QStringLiteral("Fichier Tessaro (*.tsr)|*.tsr|Fichier Etude (*.rtf)|*.rtf")),
            QStringLiteral("Fichier Tessaro (*.tsr);;Fichier Etude (*.rtf)"));
}

TEST(Interaction, ScriptedDialogsAreHandedToTheTest) {
  testing::ScriptedInteraction scripted;
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Essai"));
  scripted.dialogs.push_back(testing::acceptDialog);
  EXPECT_EQ(interaction().execDialog(dialog), QDialog::Accepted);
  EXPECT_EQ(scripted.asked, QStringList{QStringLiteral("dialog: Essai")});
}

}  // namespace
}  // namespace tessaro
