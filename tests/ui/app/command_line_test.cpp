// The program started as the desktop starts it: the file named on the command line is opened.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>

#include "app/app_windows.h"
#include "app/main_form.h"
#include "app/start_up.h"
#include "app_fixture.h"
#include "common/cp1252_literal.h"
#include "study/ui/study_window.h"
#include "ui/qt_text.h"

namespace tessaro::testing {
namespace {

struct CommandLineCase {
  const char* name;
  QStringList arguments;  // after the program's name; "@" stands for the test's folder
  const char* caption;
  bool documentShown;
  bool subjectCommands;
  QString message;  // "@" stands for the test's folder
};

const QString StudyBytes = QStringLiteral("Jean\r\nDUPONT\r\n07/03/1962\r\n05/01/2024\r\n\r\n\r\n\r\n");
const QString RtfBytes = QStringLiteral("{\\rtf1\\ansi Bonjour {\\b gras}\\par}");

const CommandLineCase commandLineCases[] = {
    {"NothingNamed", {}, "", false, false, {}},
    {"StudyFile", {"@/dupont.tsr"}, "DUPONT Jean — dupont.tsr"_cp1252, false, true, {}},
    {"StudyFileWithoutItsExtension", {"@/dupont"}, "DUPONT Jean — dupont.tsr"_cp1252, false, true, {}},
    {"RichTextByItsExtensionInAnyCase", {"@/NOTES.RTF"}, "NOTES.RTF", true, false, {}},
    {"OnlyTheFirstFileIsOpened", {"@/NOTES.RTF", "@/dupont.tsr"}, "NOTES.RTF", true, false, {}},
    {"AbsentStudyFileOpensNothing", {"@/absent.tsr"}, "absent.tsr", false, false, {}},
    {"AbsentRichTextIsReported",
     {"@/absent.rtf"},
     "",
     false,
     false,
     QStringLiteral("Ne peut ouvrir le fichier @/absent.rtf\nfichier introuvable")},
};

class CommandLine : public ::testing::TestWithParam<CommandLineCase> {
 protected:
  CommandLine() { setCurrentClock(&clock); }
  ~CommandLine() override {
    windows.reset();
    setCurrentClock(nullptr);
  }

  void write(const QString& name, const QString& bytes) const {
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.toLatin1());
  }

  QString inFolder(QString text) const { return text.replace(QLatin1Char('@'), folder.path()); }

  FixedClock clock;
  ScriptedInteraction scripted;
  QTemporaryDir folder;
  std::unique_ptr<ProgramWindows> windows;
};

TEST_P(CommandLine, OpensTheNamedFileOnceTheMainWindowIsShown) {
  const CommandLineCase& c = GetParam();
  write(QStringLiteral("dupont.tsr"), StudyBytes);
  write(QStringLiteral("NOTES.RTF"), RtfBytes);
  QStringList arguments{QStringLiteral("tessaro")};
  for (const QString& argument : c.arguments) arguments << inFolder(argument);

  windows = startWorkbench(*qApp);
  openCommandLineFile(arguments);

  TMainForm& mainForm = windows->mainForm();
  const TTessaro& study = *appWindows().Tessaro;
  EXPECT_TRUE(mainForm.isVisible());
  EXPECT_EQ(fromQString(shownTitle(study)), c.caption);
  EXPECT_EQ(!study.findChild<QTextEdit*>(QStringLiteral("editor"))->isHidden(), c.documentShown);
  EXPECT_EQ(mainForm.findChild<QAction*>(QStringLiteral("closeAction"))->isEnabled(), c.documentShown);
  EXPECT_EQ(mainForm.findChild<QAction*>(QStringLiteral("portraitAction"))->isEnabled(), c.subjectCommands);
  EXPECT_EQ(scripted.messages, c.message.isEmpty() ? QStringList{} : QStringList{inFolder(c.message)});
  if (c.documentShown) {
    EXPECT_EQ(study.findChild<QTextEdit*>(QStringLiteral("editor"))->toPlainText(),
              QStringLiteral("Bonjour gras"));
  }
}

INSTANTIATE_TEST_SUITE_P(Files, CommandLine, ::testing::ValuesIn(commandLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessaro::testing
