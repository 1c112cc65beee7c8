// The second-person dialog: what each way of leaving it gives back.
#include "engine/ui/second_person_dialog.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/scripted_interaction.h"

namespace tessaro {
namespace {

QLineEdit* field(TDeux& dialog, int number) {
  const char* const names[4] = {"firstNameEdit", "lastNameEdit", "secondFirstNameEdit", "secondLastNameEdit"};
  return dialog.findChild<QLineEdit*>(QString::fromLatin1(names[number - 1]));
}

void type(TDeux& dialog, const char* secondFirstName, const char* secondLastName) {
  field(dialog, 3)->setText(QString::fromUtf8(secondFirstName));
  field(dialog, 4)->setText(QString::fromUtf8(secondLastName));
}

enum class Leave { Ok, Cancel, Escape, EnterInFirstField, EnterInLastField };

struct LeaveCase {
  const char* name;
  Leave leave;
  const char* secondFirstName;
  const char* secondLastName;
  bool accepted;
  const char* expectedSecondFirstName;
  const char* refusal = nullptr;  // UTF-8: the message of a dialog that stays open
};

const LeaveCase leaveCases[] = {
    {"OkKeepsInnerSpaces", Leave::Ok, "jean pierre", "de la tour", true, "jean pierre"},
    {"EnterRemovesSpacesOfTheSecondPerson", Leave::EnterInFirstField, "jean pierre", "de la tour", true,
     "jeanpierre"},
    {"EnterInTheLastField", Leave::EnterInLastField, "JEAN", "DUPONT", true, "JEAN"},
    {"CancelGivesNothing", Leave::Cancel, "JEAN", "DUPONT", false, ""},
    {"EscapeGivesNothing", Leave::Escape, "JEAN", "DUPONT", false, ""},
    {"OkWithoutSecondLastName", Leave::Ok, "JEAN", "", false, ""},
    {"EnterWithOnlySpacesAsSecondFirstName", Leave::EnterInFirstField, "   ", "DUPONT", false, ""},
    {"OkRefusesALetterTheTablesCannotRead", Leave::Ok, "Łukasz", "NOWAK", false, "",
     "« Ł » ne peut pas être enregistré dans une étude : tapez une autre lettre."},
    {"EnterRefusesALetterTheTablesCannotRead", Leave::EnterInLastField, "JEAN", "Wałęsa", false, "",
     "« ł » ne peut pas être enregistré dans une étude : tapez une autre lettre."},
};

class LeavingTheDialog : public ::testing::TestWithParam<LeaveCase> {};

TEST_P(LeavingTheDialog, GivesTheNamesOnlyWhenAcceptedWithASecondPerson) {
  const LeaveCase& c = GetParam();
  testing::ScriptedInteraction scripted;
  TDeux dialog;
  dialog.Init("MARIE", "DURAND");
  dialog.show();
  type(dialog, c.secondFirstName, c.secondLastName);
  switch (c.leave) {
    case Leave::Ok:
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
      break;
    case Leave::Cancel:
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cancelButton")), Qt::LeftButton);
      break;
    case Leave::Escape:
      QTest::keyClick(&dialog, Qt::Key_Escape);
      break;
    case Leave::EnterInFirstField:
      QTest::keyClick(field(dialog, 1), Qt::Key_Return);
      break;
    case Leave::EnterInLastField:
      QTest::keyClick(field(dialog, 4), Qt::Key_Enter);
      break;
  }
  EXPECT_EQ(dialog.isVisible(), c.refusal != nullptr);
  EXPECT_EQ(scripted.messages, c.refusal ? QStringList{QString::fromUtf8(c.refusal)} : QStringList{});
  const auto people = dialog.Result();
  ASSERT_EQ(people.has_value(), c.accepted);
  if (people) {
    EXPECT_EQ(people->firstFirstName, "MARIE");
    EXPECT_EQ(people->firstLastName, "DURAND");
    EXPECT_EQ(people->secondFirstName, c.expectedSecondFirstName);
  }
}

INSTANTIATE_TEST_SUITE_P(SecondPerson, LeavingTheDialog, ::testing::ValuesIn(leaveCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SecondPerson, EnterLeavesTheFirstPersonAsTyped) {
  TDeux dialog;
  dialog.Init("JEAN PIERRE", "DUPONT");
  type(dialog, "ANNE", "LE GALL");
  QTest::keyClick(field(dialog, 2), Qt::Key_Return);
  const auto people = dialog.Result();
  ASSERT_TRUE(people);
  EXPECT_EQ(people->firstFirstName, "JEAN PIERRE");
  EXPECT_EQ(people->secondLastName, "LEGALL");
}

TEST(SecondPerson, InitOffersTheLastSecondPersonAgainAndForgetsTheLastAcceptance) {
  TDeux dialog;
  dialog.Init("MARIE", "DURAND");
  type(dialog, "JEAN", "DUPONT");
  QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
  ASSERT_TRUE(dialog.Result());

  dialog.Init("PAUL", "MARTIN");
  EXPECT_EQ(field(dialog, 1)->text(), QStringLiteral("PAUL"));
  EXPECT_EQ(field(dialog, 3)->text(), QStringLiteral("JEAN"));
  EXPECT_EQ(field(dialog, 4)->text(), QStringLiteral("DUPONT"));
  // Closed by its window's close box: not accepted, though the fields are filled.
  dialog.show();
  dialog.close();
  EXPECT_FALSE(dialog.Result());
}

// "Etude..." takes the second person from a saved study; what cannot be read is said and changes
// nothing.
struct FromStudyCase {
  const char* name;
  const char* fileBytes;  // nullptr: no such file
  bool chosen;
  const char* secondFirstName;
  const char* secondLastName;
  bool refused;
};

const FromStudyCase fromStudyCases[] = {
    {"FillsTheSecondPerson", "MARIE\r\nDURAND\r\n19/04/1950\r\n08/12/2026\r\n", true, "MARIE", "DURAND",
     false},
    {"CancelledKeepsWhatWasTyped", "MARIE\r\nDURAND\r\n", false, "ANNE", "LEGALL", false},
    {"AMissingFileIsSaid", nullptr, true, "ANNE", "LEGALL", true},
    {"ANonStudyIsSaid",
     "\x7f"
     "ELF\x02\x01",
     true, "ANNE", "LEGALL", true},
};

class SecondFromStudy : public ::testing::TestWithParam<FromStudyCase> {};

TEST_P(SecondFromStudy, FillsOnlyFromAReadableStudy) {
  const FromStudyCase& c = GetParam();
  testing::ScriptedInteraction scripted;
  const QString path = QDir::temp().filePath(QStringLiteral("second-from-study-%1.tsr").arg(c.name));
  QFile::remove(path);
  if (c.fileBytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(c.fileBytes);
  }
  scripted.openChoices.push_back(c.chosen ? std::optional<FileChoice>(FileChoice{path, 0}) : std::nullopt);
  TDeux dialog;
  dialog.Init("JEAN", "DUPONT");
  type(dialog, "ANNE", "LEGALL");
  QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("secondFromStudyButton")), Qt::LeftButton);
  EXPECT_EQ(field(dialog, 3)->text(), QString::fromUtf8(c.secondFirstName));
  EXPECT_EQ(field(dialog, 4)->text(), QString::fromUtf8(c.secondLastName));
  EXPECT_EQ(scripted.messages.size(), c.refused ? 1 : 0);
  if (c.refused) {
    EXPECT_TRUE(scripted.messages.value(0).startsWith(QStringLiteral("Ne peut ouvrir le fichier")));
  }
  QFile::remove(path);
}

INSTANTIATE_TEST_SUITE_P(SecondPerson, SecondFromStudy, ::testing::ValuesIn(fromStudyCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessaro
