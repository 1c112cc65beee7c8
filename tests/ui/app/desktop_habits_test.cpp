// What the program keeps of the user's habits, through the menus: the recent studies, a first
// name found by typing, and the folders the file dialogs start in.
#include <QAbstractScrollArea>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>

#include "app/app_windows.h"
#include "app/main_form.h"
#include "common/cp1252_literal.h"
#include "editor_fixture.h"
#include "engine/ui/result_dialogs.h"
#include "help/ui/help_viewer.h"
#include "names/ui/first_names_browser.h"
#include "ui/qt_text.h"

namespace tessaro::testing {
namespace {

class DesktopHabits : public EditorTest {
 protected:
  QString path(const QString& name) const { return folder.filePath(name); }

  QString writeStudy(const QString& name) const {
    QDir().mkpath(QFileInfo(path(name)).absolutePath());
    QFile file(path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("JEAN\r\nDUPONT\r\n07/03/1962\r\n05/01/2024\r\n\r\n\r\n\r\n");
    return path(name);
  }

  void open(const QString& filePath) {
    scripted.openChoices.push_back(FileChoice{filePath, 0});
    trigger("openAction");
  }

  // As the next run of the program finds them.
  void restart() {
    windows.reset();
    windows = std::make_unique<ProgramWindows>();
  }

  // The recent studies as the "Fichier" menu shows them when it opens.
  QStringList recentCaptions() const {
    emit mainForm().findChild<QMenu*>(QStringLiteral("fileMenu"))->aboutToShow();
    QStringList captions;
    for (const QAction* entry :
         mainForm().findChild<QMenu*>(QStringLiteral("recentStudiesMenu"))->actions()) {
      if (entry->isVisible()) captions << entry->text();
    }
    return captions;
  }

  QTemporaryDir folder;

 public:
  // Each study shows its client beside its file's name.
  void recentStudies() {
    for (int i = 1; i <= 9; ++i) open(writeStudy(QStringLiteral("e%1.tsr").arg(i)));
    restart();
    EXPECT_EQ(recentCaptions(),
              (QStringList{"&1 DUPONT Jean — e9.tsr", "&2 DUPONT Jean — e8.tsr", "&3 DUPONT Jean — e7.tsr",
                           "&4 DUPONT Jean — e6.tsr", "&5 DUPONT Jean — e5.tsr", "&6 DUPONT Jean — e4.tsr",
                           "&7 DUPONT Jean — e3.tsr", "&8 DUPONT Jean — e2.tsr"}));

    QFile::remove(path(QStringLiteral("e5.tsr")));
    trigger("recentStudy5");
    EXPECT_EQ(
        scripted.messages,
        QStringList{toQString("L'étude "_cp1252 + fromQString(QDir::toNativeSeparators(path("e5.tsr"))) +
                              " n'existe plus : elle est retirée des études récentes."_cp1252)});
    EXPECT_EQ(recentCaptions().size(), 7);

    // Opened as "Ouvrir" opens: a changed document is offered for saving first.
    showText(QStringLiteral("Portrait"));
    QTest::keyClicks(editor(), QStringLiteral("!"));
    scripted.answers.push_back(Answer::No);
    trigger("recentStudy3");
    EXPECT_TRUE(scripted.asked.last().startsWith(QStringLiteral("save changes: ")));
    EXPECT_EQ(study().fileName(), path(QStringLiteral("e7.tsr")));

    newStudy({"Anne", "Martin", "01/02/1980"});
    scripted.saveChoices.push_back(FileChoice{path(QStringLiteral("martin")), 0});
    trigger("saveAction");
    restart();
    // Reopened, a study moves to the top and stays there once.
    EXPECT_EQ(recentCaptions(),
              (QStringList{"&1 MARTIN Anne — martin.tsr", "&2 DUPONT Jean — e7.tsr",
                           "&3 DUPONT Jean — e9.tsr", "&4 DUPONT Jean — e8.tsr", "&5 DUPONT Jean — e6.tsr",
                           "&6 DUPONT Jean — e4.tsr", "&7 DUPONT Jean — e3.tsr", "&8 DUPONT Jean — e2.tsr"}));
  }

  // A study opened by a path relative to the folder the program runs in is still found from
  // another folder.
  void relativePaths() {
    const QString study = writeStudy(QStringLiteral("proche.tsr"));
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    open(QStringLiteral("proche"));
    QDir::setCurrent(before);
    restart();
    recentCaptions();
    EXPECT_EQ(mainForm().findChild<QAction*>(QStringLiteral("recentStudy1"))->data().toString(), study);
    trigger("recentStudy1");
    EXPECT_TRUE(scripted.messages.isEmpty());
    EXPECT_EQ(this->study().subject().LastName, "DUPONT");
  }

  void typeToFind() {
    appWindows().Prenoms->ChargePrenoms(TESSARO_SOURCE_DATA_DIR "/Prenoms.pre");
    QStringList shown;
    int tab = -1;
    readNextDialog([&](QDialog& browser) {
      auto* search = browser.findChild<QLineEdit*>(QStringLiteral("nameSearch"));
      const auto reading = [&browser] {
        return browser.findChild<QPlainTextEdit*>(QStringLiteral("readingMemo"))
            ->toPlainText()
            .section('\n', 0, 0);
      };
      QTest::keyClicks(search, QStringLiteral("mar"));
      shown << reading();
      tab = browser.findChild<QTabBar*>(QStringLiteral("letterTabs"))->currentIndex();
      QTest::keyClick(search, Qt::Key_Return);
      shown << reading();
      QTest::keyClick(search, Qt::Key_I);
      QTest::sendKeyEvent(QTest::Click, search, Qt::Key_Eacute, QStringLiteral(u"é"), Qt::NoModifier);
      shown << reading();
      QTest::keyClick(search, Qt::Key_PageDown);
      shown << reading();
    });
    trigger("consultFirstNamesAction");
    EXPECT_EQ(shown, (QStringList{"MARC", "MARCEL", "MARIE", "MARIE-CLAUDE"}));
    EXPECT_EQ(tab, 'M' - 'A');
  }

  void rememberedFolders() {
    open(writeStudy(QStringLiteral("clients/dupont.tsr")));
    showText(QStringLiteral("Portrait"));
    scripted.saveChoices.push_back(FileChoice{path(QStringLiteral("envois/portrait.rtf")), 0});
    QDir().mkpath(path(QStringLiteral("envois")));
    trigger("exportAction");
    restart();
    showText(QStringLiteral("Portrait"));
    scripted.dialogFolders.clear();
    scripted.openChoices.push_back(std::nullopt);
    trigger("openAction");
    scripted.saveChoices = {std::nullopt, std::nullopt};
    trigger("exportAction");
    toolButton("saveButton")->click();
    EXPECT_EQ(scripted.dialogFolders,
              (QStringList{path(QStringLiteral("clients")), path(QStringLiteral("envois")),
                           path(QStringLiteral("clients"))}));
  }
};

struct HabitCase {
  const char* name;
  void (DesktopHabits::*scenario)();
};

class KeptHabits : public DesktopHabits, public ::testing::WithParamInterface<HabitCase> {};

const HabitCase habitCases[] = {
    {"RecentStudiesNewestFirstPrunedAndKept", &DesktopHabits::recentStudies},
    {"RecentStudiesKeepAbsolutePaths", &DesktopHabits::relativePaths},
    {"TypingFindsTheFirstNameAndEnterTheNext", &DesktopHabits::typeToFind},
    {"FileDialogsStartWhereThatKindWasLastChosen", &DesktopHabits::rememberedFolders},
};

TEST_P(KeptHabits, ThroughTheMenus) { (this->*GetParam().scenario)(); }

INSTANTIATE_TEST_SUITE_P(DesktopHabits, KeptHabits, ::testing::ValuesIn(habitCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A read-only text area takes the keyboard, to scroll and copy: it must show that it has it.
struct FocusCase {
  const char* name;
  QWidget* (*window)();
  const char* area;
};

const FocusCase focusCases[] = {
    {"FirstNamesReading", [] { return static_cast<QWidget*>(appWindows().Prenoms); }, "readingMemo"},
    {"HelpTopic", [] { return static_cast<QWidget*>(appWindows().Help); }, "topicText"},
    {"ResultReading", [] { return static_cast<QWidget*>(appWindows().Chemin); }, "readingMemo"},
};

class ShownFocus : public DesktopHabits, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(ShownFocus, ReadOnlyTextAreaDrawsItsFocus) {
  QWidget* window = GetParam().window();
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  auto* area = window->findChild<QAbstractScrollArea*>(QString::fromLatin1(GetParam().area));
  ASSERT_NE(area, nullptr);
  ASSERT_NE(area->focusPolicy(), Qt::NoFocus) << "the area takes the keyboard";
  area->setFocus();
  ASSERT_TRUE(area->hasFocus());
  const QImage focused = area->grab().toImage();
  area->clearFocus();
  ASSERT_FALSE(area->hasFocus());
  EXPECT_NE(area->grab().toImage(), focused);
  window->hide();
}

INSTANTIATE_TEST_SUITE_P(DesktopHabits, ShownFocus, ::testing::ValuesIn(focusCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessaro::testing
