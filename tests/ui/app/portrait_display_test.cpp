// The general portrait in the editor: written in the editor's font in place of the grid, once
// however often it is asked for, and stopped by a conversion error with what it had written.
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

#include "app/commands.h"
#include "app/main_form.h"
#include "common/cp1252_literal.h"
#include "editor_fixture.h"
#include "names/ui/first_names_browser.h"
#include "reports/portrait.h"
#include "ui/qt_text.h"

namespace tessaro::testing {
namespace {

const TypedSubject jeanPierre{"Jean-Pierre", "Dupont", "07/03/1962", "05/01/2024"};

class PortraitDisplay : public EditorTest {
 protected:
  // The paragraphs the core writes for the study's subject.
  QStringList expectedParagraphs() const {
    const Portrait portrait =
        buildPortrait(study().subject(), study().includeFirstName(), &appWindows().Prenoms->firstNames());
    QStringList paragraphs;
    for (const Text& paragraph : portrait.paragraphs) paragraphs << toQString(paragraph);
    return paragraphs;
  }

  QStringList shownParagraphs() const {
    QStringList paragraphs;
    for (QTextBlock block = editor()->document()->begin(); block.isValid(); block = block.next()) {
      paragraphs << block.text();
    }
    return paragraphs;
  }

  bool enabled(const char* name) const { return action(name)->isEnabled(); }
};

TEST_F(PortraitDisplay, ReplacesTheGridWithTheDocumentInTheEditorsFont) {
  newStudy(jeanPierre);
  trigger("venusStarAction");
  trigger("portraitAction");
  for (const char* name : {"firstNameLettersPanel", "firstNameDigitsPanel", "lastNameLettersPanel",
                           "lastNameDigitsPanel", "starPanel"})
    EXPECT_FALSE(visible(name)) << name;
  EXPECT_TRUE(visible("editor"));
  EXPECT_TRUE(visible("Ruler"));
  const QStringList shown = shownParagraphs();
  ASSERT_GT(shown.size(), 40);
  EXPECT_EQ(shown, expectedParagraphs());
  EXPECT_EQ(fromQString(shown.first()), "Analyse effectuée le 05/01/2024"_cp1252);
  EXPECT_EQ(study().digitCounts()[0], 16);
  // No formatting of its own: every character in the editor's font, Times New Roman 17 pixels.
  EXPECT_EQ(editor()->document()->defaultFont(), editor()->font());
  EXPECT_EQ(editor()->font().pixelSize(), 17);
  for (const char* name : textCommandNames()) {
    const QString objectName = QString::fromLatin1(name);
    auto* command = mainForm().findChild<QAction*>(objectName);
    EXPECT_TRUE(command != nullptr ? command->isEnabled()
                                   : mainForm().findChild<QWidget*>(objectName)->isEnabled())
        << name;
  }
  EXPECT_TRUE(scripted.messages.isEmpty());
}

TEST_F(PortraitDisplay, TwiceGivesOneCopyWhateverTheEditorHeld) {
  newStudy(jeanPierre);
  trigger("portraitAction");
  const QStringList first = shownParagraphs();
  editor()->append(QStringLiteral("une note"));
  // Defaults brought in by an opened file do not outlive the portrait either.
  editor()->document()->setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 30));
  scripted.answers.push_back(Answer::No);  // the note is not kept
  trigger("portraitAction");
  EXPECT_EQ(shownParagraphs(), first);
  EXPECT_EQ(editor()->document()->defaultFont(), editor()->font());
  // The history starts with the portrait: nothing to undo into the earlier text.
  EXPECT_FALSE(editor()->document()->isUndoAvailable());
}

TEST_F(PortraitDisplay, FermerLeavesTheWindowBlankAndTheSubjectCommandsOn) {
  newStudy(jeanPierre);
  trigger("portraitAction");
  trigger("closeAction");
  for (const char* name : {"firstNameLettersPanel", "firstNameDigitsPanel", "lastNameLettersPanel",
                           "lastNameDigitsPanel", "starPanel", "editor", "Ruler"})
    EXPECT_FALSE(visible(name)) << name;
  EXPECT_TRUE(editor()->toPlainText().isEmpty());
  EXPECT_TRUE(enabled("portraitAction"));
  EXPECT_TRUE(enabled("saveAction"));
  EXPECT_FALSE(enabled("closeAction"));
  EXPECT_FALSE(enabled("exportAction"));
  EXPECT_EQ(fromQString(shownTitle(study())), "DUPONT JEAN-PIERRE");
}

TEST_F(PortraitDisplay, AConversionErrorKeepsWhatWasWrittenAndShowsNoDocument) {
  // A study file can hold a birth date that the new-study dialog would never give.
  newStudy(jeanPierre);
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("erreur.tsr"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("JEAN\r\nDUPONT\r\n7/3/1962\r\n05/01/2024\r\n\r\n\r\n\r\n");
  file.close();
  scripted.openChoices.push_back(FileChoice{path, 0});
  trigger("openAction");

  trigger("portraitAction");
  EXPECT_EQ(scripted.messages, QStringList{toQString("'' n'est pas une valeur entière correcte"_cp1252)});
  const QStringList shown = shownParagraphs();
  const QStringList expected = expectedParagraphs();
  ASSERT_FALSE(expected.isEmpty());
  EXPECT_EQ(shown, expected);
  // A birth date of 8 characters has no life path, only its blank line; the unique number then
  // stops the portrait.
  ASSERT_GE(shown.size(), 3);
  EXPECT_EQ(shown.mid(shown.size() - 2), (QStringList{QString(), QString()}));
  EXPECT_TRUE(shown[shown.size() - 3].startsWith(QStringLiteral("Lettres intuitives")))
      << shown[shown.size() - 3].toStdString();
  EXPECT_FALSE(visible("editor"));
  EXPECT_FALSE(visible("Ruler"));
  EXPECT_FALSE(visible("firstNameLettersPanel"));
  // The text commands were enabled before the portrait started.
  EXPECT_TRUE(enabled("closeAction"));
}

TEST_F(PortraitDisplay, EndsWithTheFirstNameReadingWhenItIsIncluded) {
  appWindows().Prenoms->ChargePrenoms(TESSARO_SOURCE_DATA_DIR "/Prenoms.pre");
  newStudy({"Marie", "Durand", "19/04/1950", "08/12/2026"});
  trigger("includeFirstNameAction");
  trigger("portraitAction");
  const QStringList shown = shownParagraphs();
  EXPECT_EQ(shown, expectedParagraphs());
  EXPECT_TRUE(shown.contains(QStringLiteral("LE PRENOM")));
  EXPECT_TRUE(shown.last().size() > 0);
}

}  // namespace
}  // namespace tessaro::testing
