#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

// A name typed without extension in Qt's own file dialog, under the file type chosen.
struct TypedNameCase {
  const char* name;
  bool open;
  int type;  // 0: the study, 1: the portrait
  const char* typed;
  const char* chosen;
};

const TypedNameCase typedNameCases[] = {
    {"OpenFindsTheStudyWithoutItsExtension", true, 0, "dupont", "dupont.tsr"},
    {"OpenFollowsTheTypeChosen", true, 1, "dupont", "dupont.rtf"},
    {"SaveGivesTheTypesExtension", false, 0, "martin", "martin.tsr"},
    {"SaveFollowsTheTypeChosen", false, 1, "martin", "martin.rtf"},
    {"AnExtensionTypedIsKept", false, 0, "martin.txt", "martin.txt"},
};

class TypedName : public ::testing::TestWithParam<TypedNameCase> {};

TEST_P(TypedName, TakesTheExtensionOfTheTypeChosen) {
  const TypedNameCase& c = GetParam();
  QTemporaryDir folder;
  for (const char* existing : {"dupont.tsr", "dupont.rtf"}) {
    QFile file(folder.filePath(QString::fromLatin1(existing)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  QTimer::singleShot(0, [&c] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    for (int i = 0; i < c.type; ++i) QTest::keyClick(types, Qt::Key_Down);
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    name->setText(QString::fromLatin1(c.typed));
    // A name the dialog refuses brings its message: the test goes on without the file.
    QTimer::singleShot(0, [] {
      if (auto* refusal = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) refusal->reject();
    });
    QTest::keyClick(name, Qt::Key_Return);
    if (dialog->isVisible()) dialog->reject();
  });
  const QString filter = QStringLiteral("Fichier Tessaro (*.tsr)|*.tsr|Fichier Etude (*.rtf)|*.rtf");
  const std::optional<FileChoice> choice =
      c.open ? interaction().openFileName(nullptr, filter, folder.path())
             : interaction().saveFileName(nullptr, filter, ReplaceQuestion::ByCaller, folder.path(), {});
  ASSERT_TRUE(choice.has_value());
  EXPECT_EQ(QFileInfo(choice->path).fileName(), QString::fromLatin1(c.chosen));
  EXPECT_EQ(choice->filterIndex, c.type);
}

INSTANTIATE_TEST_SUITE_P(Interaction, TypedName, ::testing::ValuesIn(typedNameCases),
                         [](const auto& info) { return std::string(info.param.name); });

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
