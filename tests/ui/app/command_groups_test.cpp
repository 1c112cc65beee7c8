// Which commands can be used at start, after a study, after a cancelled first study, and with a document.
#include <QAction>
#include <QTextEdit>
#include <QWidget>
#include <vector>

#include "app/commands.h"
#include "app/main_form.h"
#include "app_fixture.h"
#include "study/ui/study_window.h"

namespace tessaro::testing {
namespace {

const std::vector<const char*> alwaysAvailable = {"newStudyAction",
                                                  "etudeAction",
                                                  "openAction",
                                                  "quitAction",
                                                  "consultFirstNamesAction",
                                                  "firstNameWorkshopAction",
                                                  "includeFirstNameAction",
                                                  "calendarAction",
                                                  "calculatorAction",
                                                  "clockAction",
                                                  "helpContentsAction",
                                                  "helpSearchAction",
                                                  "helpOnHelpAction",
                                                  "aboutAction",
                                                  "newStudyButton",
                                                  "openButton",
                                                  "saveButton"};

class CommandGroups : public ProgramTest {
 protected:
  bool enabled(const char* name) const {
    const QString objectName = QString::fromLatin1(name);
    if (auto* found = mainForm().findChild<QAction*>(objectName)) return found->isEnabled();
    auto* widget = mainForm().findChild<QWidget*>(objectName);
    EXPECT_NE(widget, nullptr) << name;
    return widget != nullptr && widget->isEnabled();
  }

  void expectGroup(const std::vector<const char*>& names, bool expected) const {
    for (const char* name : names) EXPECT_EQ(enabled(name), expected) << name;
  }
};

TEST_F(CommandGroups, AtStartOnlyTheAlwaysAvailableCommandsCanBeUsed) {
  expectGroup(alwaysAvailable, true);
  expectGroup(subjectCommandNames(), false);
  expectGroup(textCommandNames(), false);
}

TEST_F(CommandGroups, AStudyWithALastNameEnablesTheSubjectCommandsOnly) {
  newStudy({"Jean", "Dupont"});
  expectGroup(subjectCommandNames(), true);
  expectGroup(textCommandNames(), false);
  expectGroup(alwaysAvailable, true);
}

struct EmptyStudyCase {
  const char* name;
  Close close;
};

class EmptyFirstStudy : public CommandGroups, public ::testing::WithParamInterface<EmptyStudyCase> {};

TEST_P(EmptyFirstStudy, LeavesTheSubjectCommandsDisabled) {
  newStudy({"", ""}, GetParam().close);
  expectGroup(subjectCommandNames(), false);
  // No study was made: the window still has no subject's caption.
  EXPECT_EQ(study().windowTitle(), QString());
}

INSTANTIATE_TEST_SUITE_P(CommandGroups, EmptyFirstStudy,
                         ::testing::Values(EmptyStudyCase{"Cancelled", Close::Cancel},
                                           EmptyStudyCase{"EnterWithoutNames", Close::Enter}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandGroups, ACancelledStudyNeverDisablesWhatAnEarlierStudyEnabled) {
  newStudy({"Jean", "Dupont"});
  newStudy({"", ""}, Close::Cancel);
  expectGroup(subjectCommandNames(), true);
}

TEST_F(CommandGroups, FermerClosesTheDocumentAndDisablesTheTextCommandsOnly) {
  newStudy({"Jean", "Dupont"});
  auto* editor = study().findChild<QTextEdit*>(QStringLiteral("editor"));
  editor->setPlainText(QStringLiteral("portrait"));
  editor->show();
  mainForm().Validtxt();
  expectGroup(textCommandNames(), true);

  trigger("closeAction");
  expectGroup(textCommandNames(), false);
  expectGroup(subjectCommandNames(), true);
  EXPECT_TRUE(editor->isHidden());
  EXPECT_TRUE(editor->toPlainText().isEmpty());
}

TEST_F(CommandGroups, CheckMarksStartClearedAndTheFirstNameOneFollowsTheStudy) {
  EXPECT_FALSE(action("bulletsAction")->isChecked());
  EXPECT_FALSE(action("includeFirstNameAction")->isChecked());
  EXPECT_FALSE(study().includeFirstName());
  trigger("includeFirstNameAction");
  EXPECT_TRUE(action("includeFirstNameAction")->isChecked());
  EXPECT_TRUE(study().includeFirstName());
  trigger("includeFirstNameAction");
  EXPECT_FALSE(study().includeFirstName());
}

TEST_F(CommandGroups, BothNewStudyItemsShowF2ButOnlyOneBindsIt) {
  EXPECT_EQ(action("newStudyAction")->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_TRUE(action("etudeAction")->shortcut().isEmpty());
  EXPECT_TRUE(action("etudeAction")->text().endsWith(QStringLiteral("\tF2")));
  // Both start a new study.
  answerNewStudy({"Ann", "Lee"});
  trigger("etudeAction");
  EXPECT_EQ(study().subject().LastName, "LEE");
}

}  // namespace
}  // namespace tessaro::testing
