// Study files saved and opened, documents exported and rich-text files opened, from the menus.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QWindow>

#include "app/main_form.h"
#include "common/cp1252_literal.h"
#include "editor_fixture.h"
#include "names/ui/first_names_browser.h"
#include "reports/portrait.h"
#include "ui/qt_text.h"

namespace tessaro::testing {
namespace {

const QString StudyFilter = QStringLiteral("save: Fichiers tessaro (*.tsr)|*.tsr");
const QString ExportFilter = QStringLiteral("save: Format rtf (*.rtf)|*.rtf|Format texte (*.txt)|*.txt");
const QString KeepWorkFilter = QStringLiteral("save: Format rtf (*.rtf)|*.rtf");
const QString KeepWorkQuestion =
    toQString("save changes: Le document a été modifié. Voulez-vous enregistrer les modifications ?"_cp1252);
const QString OpenFilter = QStringLiteral("open: Fichier Tessaro (*.tsr)|*.tsr|Fichier Etude (*.rtf)|*.rtf");
const QString ReplaceQuestion = toQString("question: ce fichier existe déjà, l'écraser ?"_cp1252);
const QByteArray DupontFile = "JEANPIERRE\r\nDUPONT\r\n07/03/1962\r\n05/01/2024\r\n\r\n\r\n\r\n";

class StudyFiles : public EditorTest {
 protected:
  QString path(const QString& name) const { return folder.filePath(name); }

  void write(const QString& name, const QByteArray& bytes) const {
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  QByteArray read(const QString& name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }

  void newDupont() { newStudy({"Jean Pierre", "Dupont", "07/03/1962", "05/01/2024"}); }

  void open(const QString& name) {
    scripted.openChoices.push_back(FileChoice{path(name), 0});
    trigger("openAction");
  }

  void saveAsked(const QString& name, int filter = 0) {
    scripted.saveChoices.push_back(FileChoice{path(name), filter});
  }

  QTemporaryDir folder;
};

TEST_F(StudyFiles, ANewStudySavedUnderANewNameWritesItsSevenLines) {
  newDupont();
  saveAsked(QStringLiteral("dupont"));
  trigger("saveAction");
  EXPECT_EQ(read(QStringLiteral("dupont.tsr")), DupontFile);
  EXPECT_EQ(DupontFile.size(), 50);
  EXPECT_EQ(scripted.asked.mid(1), QStringList{StudyFilter});
  // The program asks before replacing, so the dialog must not.
  EXPECT_EQ(scripted.replaceQuestions, std::vector{ReplaceQuestion::ByCaller});
  EXPECT_EQ(study().fileName(), path(QStringLiteral("dupont.tsr")));
  // From now on the study has its file: saving again asks nothing.
  trigger("saveAction");
  EXPECT_EQ(scripted.asked.size(), 2);
}

struct ReplaceCase {
  const char* name;
  Answer answer;
  bool written;
};

const ReplaceCase replaceCases[] = {
    {"Yes", Answer::Yes, true},
    {"No", Answer::No, false},
    {"Cancel", Answer::Cancel, false},
};

class ReplacingAFile : public StudyFiles, public ::testing::WithParamInterface<ReplaceCase> {};

TEST_P(ReplacingAFile, IsAskedOnTheFirstSaveOfANewStudy) {
  const ReplaceCase& c = GetParam();
  write(QStringLiteral("dupont.tsr"), "ancien");
  newDupont();
  saveAsked(QStringLiteral("dupont.tsr"));
  scripted.answers.push_back(c.answer);
  trigger("saveAction");
  EXPECT_EQ(scripted.asked.mid(1), (QStringList{StudyFilter, ReplaceQuestion}));
  EXPECT_EQ(read(QStringLiteral("dupont.tsr")), c.written ? DupontFile : QByteArray("ancien"));
  if (c.written) return;
  // A refused name is no name: the next save asks again instead of replacing that file.
  EXPECT_TRUE(study().fileName().isEmpty());
  scripted.saveChoices.push_back(std::nullopt);
  trigger("saveAction");
  EXPECT_EQ(scripted.asked.last(), StudyFilter);
  EXPECT_EQ(read(QStringLiteral("dupont.tsr")), QByteArray("ancien"));
}

INSTANTIATE_TEST_SUITE_P(StudyFiles, ReplacingAFile, ::testing::ValuesIn(replaceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StudyFiles, SaveBeforeAnyStudyWritesSevenEmptyLines) {
  saveAsked(QStringLiteral("vide"));
  mainForm().findChild<QToolButton*>(QStringLiteral("saveButton"))->click();
  EXPECT_EQ(read(QStringLiteral("vide.tsr")), QByteArray("\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
}

// A text shown before any study names the title while it is on view, and only then.
TEST_F(StudyFiles, ATextClosedBeforeAnyStudyLeavesNoCaption) {
  mainForm().show();
  write(QStringLiteral("notes.rtf"), "{\\rtf1 Bonjour}");
  open(QStringLiteral("notes.rtf"));
  EXPECT_EQ(mainForm().windowHandle()->title(), QStringLiteral("Orv Tessaro - [notes.rtf]"));
  trigger("closeAction");
  EXPECT_EQ(study().windowTitle(), QString());
  EXPECT_EQ(mainForm().windowHandle()->title(), QStringLiteral("Orv Tessaro"));
  newDupont();
  EXPECT_EQ(mainForm().windowHandle()->title(), QStringLiteral("Orv Tessaro - [DUPONT JEANPIERRE]"));
}

// Qt takes "[*]" in a title for the place of its "*": a file's own stays as it is named.
TEST_F(StudyFiles, TheTitleShowsAFileNameAsItIs) {
  mainForm().show();
  write(QStringLiteral("etude[*].tsr"), "Jean\r\nDUPONT\r\n07/03/1962\r\n05/01/2024\r\n");
  open(QStringLiteral("etude[*].tsr"));
  EXPECT_EQ(mainForm().windowHandle()->title().toStdString(), "Orv Tessaro - [DUPONT Jean — etude[*].tsr]");
}

TEST_F(StudyFiles, AnOpenedStudyIsShownAndRewrittenWithoutAQuestion) {
  write(QStringLiteral("etude.tsr"), "  Jean \r\n DUPONT\r\n07/03/1962\r\n05/01/2024\r\n1 rue Haute\r\n");
  open(QStringLiteral("etude"));
  EXPECT_EQ(study().fileName(), path(QStringLiteral("etude.tsr")));
  EXPECT_EQ(study().subject().FirstName, "Jean");
  EXPECT_EQ(study().subject().Address, "1 rue Haute");
  EXPECT_EQ(study().subject().Company, "");
  EXPECT_EQ(fromQString(shownTitle(study())), "DUPONT Jean — etude.tsr"_cp1252);
  EXPECT_TRUE(visible("firstNameLettersPanel"));
  EXPECT_TRUE(action("portraitAction")->isEnabled());

  trigger("saveAction");
  EXPECT_EQ(scripted.asked, QStringList{OpenFilter});
  EXPECT_EQ(read(QStringLiteral("etude.tsr")),
            QByteArray("Jean\r\nDUPONT\r\n07/03/1962\r\n05/01/2024\r\n1 rue Haute\r\n\r\n\r\n"));
}

TEST_F(StudyFiles, SaveAsWritesAtOnceAndLeavesReplacingToTheDialog) {
  write(QStringLiteral("autre.tsr"), "ancien");
  newDupont();
  saveAsked(QStringLiteral("autre.tsr"));
  trigger("saveAsAction");
  EXPECT_EQ(read(QStringLiteral("autre.tsr")), DupontFile);
  EXPECT_EQ(scripted.asked.mid(1), QStringList{StudyFilter});
  EXPECT_EQ(scripted.replaceQuestions, std::vector{ReplaceQuestion::ByDialog});
}

TEST_F(StudyFiles, SaveAsCancelledForANewStudyWritesNothingAndAsksNothingMore) {
  newDupont();
  scripted.saveChoices.push_back(std::nullopt);
  trigger("saveAsAction");
  EXPECT_EQ(scripted.asked.mid(1), QStringList{StudyFilter});
  EXPECT_TRUE(study().fileName().isEmpty());
}

struct MissingCase {
  const char* name;
  const char* chosen;
  const char* looked;  // the name the study then holds
};

const MissingCase missingCases[] = {
    {"WithoutExtension", "absent", "absent.tsr"},
    {"DotInTheFolderOnly", "mes.etudes/absent", "mes.etudes/absent.tsr"},
    {"OtherExtension", "absent.txt", "absent.txt"},
};

class MissingStudyFile : public StudyFiles, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingStudyFile, ChangesOnlyTheFileName) {
  const MissingCase& c = GetParam();
  newDupont();
  open(QString::fromLatin1(c.chosen));
  EXPECT_EQ(study().fileName(), path(QString::fromLatin1(c.looked)));
  EXPECT_EQ(study().subject().LastName, "DUPONT");
  EXPECT_TRUE(scripted.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(StudyFiles, MissingStudyFile, ::testing::ValuesIn(missingCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
  const char* name;
  QByteArray bytes;  // empty: a file that no one can read, not even the superuser
  const char* reason;
  const char* file = "refus.tsr";  // UTF-8
};

const RefusedCase refusedCases[] = {
    {"Unreadable", {}, "\nerreur d'entrée-sortie"_cp1252},
    {"Binary", QByteArray("JEAN\0\x01\x02\xFF", 8), "\nce n'est pas une étude Tessaro"_cp1252},
    {"ControlBytes", "JEAN\r\nDUPONT\x1B[0m\r\n", "\nce n'est pas une étude Tessaro"_cp1252},
    {"TooLarge", QByteArray(64 * 1024 + 1, 'A'), "\nfichier trop volumineux"},
    {"InAFolderWithAnAccent", QByteArray("JEAN\0", 5), "\nce n'est pas une étude Tessaro"_cp1252,
     "étude/binaire.tsr"},
};

class RefusedStudyFile : public StudyFiles, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedStudyFile, IsReportedByNameAndNeverWrittenOver) {
  const RefusedCase& c = GetParam();
  newDupont();
  saveAsked(QStringLiteral("dupont"));
  trigger("saveAction");
  const QString file = QString::fromUtf8(c.file);
  const QString refused = path(file);
  ASSERT_TRUE(QDir().mkpath(QFileInfo(refused).path()));
  if (c.bytes.isEmpty()) {
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), refused));
  } else {
    write(file, c.bytes);
  }
  open(file);
  EXPECT_EQ(scripted.messages,
            QStringList{QStringLiteral("Ne peut ouvrir le fichier ") + refused + toQString(c.reason)});
  EXPECT_EQ(study().subject().LastName, "DUPONT");
  EXPECT_EQ(study().fileName(), path(QStringLiteral("dupont.tsr")));
  trigger("saveAction");
  if (!c.bytes.isEmpty()) {
    EXPECT_EQ(read(file), c.bytes);
  }
  EXPECT_EQ(read(QStringLiteral("dupont.tsr")), DupontFile);
}

INSTANTIATE_TEST_SUITE_P(StudyFiles, RefusedStudyFile, ::testing::ValuesIn(refusedCases),
                         [](const auto& info) { return std::string(info.param.name); });

class Documents : public StudyFiles {
 protected:
  Documents() {
    newDupont();
    trigger("portraitAction");
  }

  QByteArray portraitText() const {
    const Portrait portrait = buildPortrait(study().subject(), false, &appWindows().Prenoms->firstNames());
    return QByteArray::fromStdString(portraitPlainText(portrait));
  }
};

// The save dialogs say the command and propose the client's name, as written on a folder's label.
struct ProposedNameCase {
  const char* name;
  TypedSubject typed;
  const char* command;
  const char* shown;  // title | proposed name, UTF-8
};

const ProposedNameCase proposedNameCases[] = {
    {"PortraitExport", {"jean", "dupont"}, "exportAction", "Exporter le portrait | DUPONT Jean.rtf"},
    {"PortraitAsPdf", {"jean", "dupont"}, "exportPdfAction", "Exporter en PDF | DUPONT Jean.pdf"},
    {"StudyFile", {"jean", "dupont"}, "saveAction", " | DUPONT Jean.tsr"},
    {"EachWordOfTheFirstNameCapitalised",
     {"jean pierre", "de la tour"},
     "exportAction",
     "Exporter le portrait | DELATOUR Jeanpierre.rtf"},
    {"HyphenAndAccents",
     {"marie-hélène", "Lefèvre"},
     "exportPdfAction",
     "Exporter en PDF | LEFÈVRE Marie-Hélène.pdf"},
    {"SignsNoFileNameHolds", {"anne", "a/b:c*"}, "saveAction", " | ABC Anne.tsr"},
};

class ProposedName : public StudyFiles, public ::testing::WithParamInterface<ProposedNameCase> {};

TEST_P(ProposedName, IsTheClientsAndTheTitleTheCommands) {
  const ProposedNameCase& c = GetParam();
  newStudy(c.typed);
  trigger("portraitAction");
  scripted.saveChoices.push_back(std::nullopt);
  trigger(c.command);
  EXPECT_EQ(scripted.saveDialogTexts, QStringList{QString::fromUtf8(c.shown)});
}

INSTANTIATE_TEST_SUITE_P(StudyFiles, ProposedName, ::testing::ValuesIn(proposedNameCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StudyFiles, AnOpenedFileProposesNoClientsName) {
  write(QStringLiteral("notes.rtf"), "{\\rtf1 Notes}");
  newDupont();
  scripted.openChoices.push_back(FileChoice{path(QStringLiteral("notes.rtf")), 1});
  trigger("openAction");
  scripted.saveChoices.push_back(std::nullopt);
  trigger("exportPdfAction");
  EXPECT_EQ(scripted.saveDialogTexts, QStringList{QStringLiteral("Exporter en PDF | ")});
}

struct ExportCase {
  const char* name;
  const char* chosen;
  int filter;
  const char* written;
  bool plainText;
  std::optional<Answer> replace;  // the answer to the replace question, when the file exists
};

const ExportCase exportCases[] = {
    {"TextFilterAddsItsExtension", "portrait", 1, "portrait.txt", true, {}},
    {"RtfFilterAddsItsExtension", "portrait", 0, "portrait.rtf", false, {}},
    {"TextNameWinsOverTheRtfFilter", "portrait.txt", 0, "portrait.txt", true, {}},
    {"RtfNameWinsOverTheTextFilter", "Portrait.RTF", 1, "Portrait.RTF", false, {}},
    {"OtherExtensionKeptInTheFiltersFormat", "portrait.doc", 1, "portrait.doc", true, {}},
    {"CompletedNameReplacedWhenAgreed", "portrait", 0, "portrait.rtf", false, Answer::Yes},
    {"CompletedNameKeptWhenRefused", "portrait", 1, "portrait.txt", true, Answer::No},
};

class Export : public Documents, public ::testing::WithParamInterface<ExportCase> {};

TEST_P(Export, WritesWhatTheNameSaysAndAsksBeforeReplacing) {
  const ExportCase& c = GetParam();
  if (c.replace) {
    write(QString::fromLatin1(c.written), "ancien");
    scripted.answers.push_back(*c.replace);
  }
  // Bold with nothing selected restyles the whole text: work to keep, and the same plain text.
  toolButton("boldButton")->click();
  saveAsked(QString::fromLatin1(c.chosen), c.filter);
  trigger("exportAction");
  // Only rich text opens again as it was edited: a text file leaves the work to save.
  EXPECT_EQ(editor()->document()->isModified(), c.plainText || c.replace == Answer::No);
  const QStringList asked =
      c.replace ? QStringList{ExportFilter, ReplaceQuestion} : QStringList{ExportFilter};
  EXPECT_EQ(scripted.asked.mid(1), asked);
  // The program asks once the name is complete, so the dialog must not.
  EXPECT_EQ(scripted.replaceQuestions, std::vector{ReplaceQuestion::ByCaller});
  const QByteArray written = read(QString::fromLatin1(c.written));
  if (c.replace == Answer::No) {
    EXPECT_EQ(written, QByteArray("ancien"));
  } else if (c.plainText) {
    EXPECT_EQ(written, portraitText());
  } else {
    EXPECT_TRUE(written.startsWith("{\\rtf")) << written.left(40).toStdString();
    EXPECT_TRUE(written.contains("Analyse effectu\\'e9e le 05/01/2024"));
  }
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(StudyFiles, Export, ::testing::ValuesIn(exportCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct PdfCase {
  const char* name;
  const char* chosen;
  const char* written;
  std::optional<Answer> replace;     // the answer to the replace question, when the file exists
  const char* openedFile = nullptr;  // rich text opened in place of the portrait
};

const PdfCase pdfCases[] = {
    {"AddsItsExtension", "portrait", "portrait.pdf", {}},
    {"CompletedNameReplacedWhenAgreed", "portrait", "portrait.pdf", Answer::Yes},
    {"ExistingFileKeptWhenRefused", "portrait.pdf", "portrait.pdf", Answer::No},
    {"AnOpenedFileIsNoClientsPortrait", "lettre", "lettre.pdf", {}, "{\\rtf1\\ansi Bonjour\\par}"},
};

class PdfExport : public Documents, public ::testing::WithParamInterface<PdfCase> {};

TEST_P(PdfExport, WritesThePortraitWithItsFooterAndAsksBeforeReplacing) {
  const PdfCase& c = GetParam();
  if (c.openedFile) {
    write(QStringLiteral("lettre.rtf"), c.openedFile);
    open(QStringLiteral("lettre.rtf"));
    QFile::remove(path(QStringLiteral("lettre.rtf")));
    scripted.asked.removeAll(OpenFilter);
  }
  QTextEdit& editor = *study().findChild<QTextEdit*>(QStringLiteral("editor"));
  QTextCursor end(editor.document());
  end.movePosition(QTextCursor::End);
  end.insertText(QStringLiteral(" fin"));
  if (c.replace) {
    write(QString::fromLatin1(c.written), "ancien");
    scripted.answers.push_back(*c.replace);
  }
  saveAsked(QString::fromLatin1(c.chosen));
  trigger("exportPdfAction");
  const QString filter = QStringLiteral("save: Document PDF (*.pdf)|*.pdf");
  const QStringList asked = c.replace ? QStringList{filter, ReplaceQuestion} : QStringList{filter};
  EXPECT_EQ(scripted.asked.mid(1), asked);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QString::fromLatin1(c.written)});
  if (c.replace == Answer::No) {
    EXPECT_EQ(read(QString::fromLatin1(c.written)), QByteArray("ancien"));
    return;
  }
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {path(QString::fromLatin1(c.written)), QStringLiteral("-")});
  ASSERT_TRUE(pdftotext.waitForFinished(30000));
  const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
  // The work is not written in a form that opens again: leaving it still asks.
  EXPECT_TRUE(editor.document()->isModified());
  if (c.openedFile) {
    // The file's pages carry no client's name, though a study is open.
    EXPECT_EQ(text, QStringLiteral("Bonjour fin page 1 / 1"));
    return;
  }
  const QStringList lines =
      toQString(portraitText().toStdString()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  ASSERT_GE(lines.size(), 2);
  EXPECT_TRUE(text.startsWith(lines[0].simplified() + QLatin1Char(' ') + lines[1].simplified()))
      << text.left(200).toStdString();
  EXPECT_TRUE(QRegularExpression(QStringLiteral("JEANPIERRE DUPONT page 1 / [2-9]")).match(text).hasMatch())
      << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(StudyFiles, PdfExport, ::testing::ValuesIn(pdfCases),
                         [](const auto& info) { return std::string(info.param.name); });

// How the user changed the portrait; the bold button with nothing selected restyles all of it.
enum class Edit { None, Typing, boldButton };

struct KeepWorkCase {
  const char* name;
  const char* command;
  Edit edit;
  std::optional<Answer> answer;  // to the question, when it is asked
  const char* savedAs;           // the name given when saving first; null: that dialog cancelled
  bool goesOn;
};

const KeepWorkCase keepWorkCases[] = {
    {"FermerWithTheNameDialogCancelled", "closeAction", Edit::boldButton, Answer::Yes, nullptr, false},
    {"QuitterAfterSaving", "quitAction", Edit::Typing, Answer::Yes, "travail", true},
    {"PortraitWithoutSaving", "portraitAction", Edit::Typing, Answer::No, nullptr, true},
    {"OuvrirCancelled", "openAction", Edit::Typing, Answer::Cancel, nullptr, false},
    {"OuvrirWithoutSaving", "openAction", Edit::Typing, Answer::No, nullptr, true},
    {"QuitterAnUntouchedPortrait", "quitAction", Edit::None, {}, nullptr, true},
    {"NouveauThemeWithoutSaving", "newStudyAction", Edit::Typing, Answer::No, nullptr, true},
    {"NouveauThemeAfterSaving", "newStudyAction", Edit::Typing, Answer::Yes, "travail", true},
    {"NouveauThemeKeptWhenTheQuestionIsCancelled", "newStudyAction", Edit::Typing, Answer::Cancel, nullptr,
     false},
};

class KeepWork : public Documents, public ::testing::WithParamInterface<KeepWorkCase> {
 protected:
  static inline const QString Notes = QStringLiteral("Notes du consultant");

  bool wentOn(const std::string& command) const {
    if (command == "closeAction") return !visible("editor");
    // The new client's study, without the earlier client's document, hidden or not.
    if (command == "newStudyAction") {
      const bool newClient = study().subject().LastName == "MARTIN";
      const bool noDocument = !visible("editor") && editor()->toPlainText().isEmpty();
      EXPECT_EQ(newClient, noDocument);
      if (noDocument) {
        for (const char* name : {"exportAction", "exportPdfAction", "printAction", "closeAction"})
          EXPECT_FALSE(action(name)->isEnabled()) << name;
      }
      return newClient;
    }
    if (command == "quitAction") return !mainForm().isVisible();
    if (command == "portraitAction") return !editor()->toPlainText().contains(Notes);
    return scripted.asked.contains(OpenFilter);
  }
};

TEST_P(KeepWork, IsAskedForBeforeTheDocumentGoes) {
  const KeepWorkCase& c = GetParam();
  mainForm().show();
  if (c.edit == Edit::Typing) QTest::keyClicks(editor(), Notes);
  if (c.edit == Edit::boldButton) toolButton("boldButton")->click();
  QStringList expected;
  if (std::string(c.command) == "newStudyAction") {
    answerNewStudy({"Paul", "Martin"});
    expected << toQString("dialog: Nouveau thème"_cp1252);
  }
  if (c.answer) {
    scripted.answers.push_back(*c.answer);
    expected << KeepWorkQuestion;
  }
  if (c.answer == Answer::Yes) {
    scripted.saveChoices.push_back(
        c.savedAs ? std::optional(FileChoice{path(QString::fromLatin1(c.savedAs)), 0}) : std::nullopt);
    // The portrait goes home beside its study: the study's name is asked.
    expected << StudyFilter;
  }
  if (std::string(c.command) == "openAction" && c.goesOn) {
    scripted.openChoices.push_back(std::nullopt);
    expected << OpenFilter;
  }
  trigger(c.command);
  EXPECT_EQ(scripted.asked.mid(1), expected);
  EXPECT_EQ(wentOn(c.command), c.goesOn);
  if (c.savedAs) {
    const QByteArray saved = read(QString::fromLatin1(c.savedAs) + QStringLiteral(".rtf"));
    EXPECT_TRUE(saved.startsWith("{\\rtf") && saved.contains("Notes du consultant"))
        << saved.left(40).toStdString();
    EXPECT_EQ(read(QString::fromLatin1(c.savedAs) + QStringLiteral(".tsr")), DupontFile);
  }
  if (c.answer == Answer::No) {
    // The edits were given up: the next portrait asks nothing about them.
    const qsizetype asked = scripted.asked.size();
    trigger("portraitAction");
    EXPECT_EQ(scripted.asked.size(), asked);
  }
}

INSTANTIATE_TEST_SUITE_P(StudyFiles, KeepWork, ::testing::ValuesIn(keepWorkCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A file's text opened on its own is saved back to its file, by the save question or by
// "Enregistrer", as desktop programs do; the study has no part in it.
struct OpenedTextSaveCase {
  const char* name;
  const char* command;
  int questions;  // whether to save the changes
};

const OpenedTextSaveCase openedTextSaveCases[] = {
    {"BeforeItCloses", "closeAction", 1},
    {"ByEnregistrer", "saveAction", 0},
};

class OpenedTextSave : public StudyFiles, public ::testing::WithParamInterface<OpenedTextSaveCase> {};

TEST_P(OpenedTextSave, WritesItBackToItsFile) {
  const OpenedTextSaveCase& c = GetParam();
  mainForm().show();
  newDupont();
  write(QStringLiteral("notes.rtf"), "{\\rtf1 Bonjour}");
  open(QStringLiteral("notes.rtf"));
  QTest::keyClicks(editor(), QStringLiteral("Notes "));
  EXPECT_EQ(shownTitle(study()), QStringLiteral("notes.rtf*"));
  scripted.answers.push_back(Answer::Yes);
  trigger(c.command);
  EXPECT_TRUE(read(QStringLiteral("notes.rtf")).contains("Notes Bonjour"));
  EXPECT_TRUE(scripted.asked.filter(QStringLiteral("save: ")).isEmpty());
  EXPECT_TRUE(study().fileName().isEmpty());
  EXPECT_EQ(mainForm().findChild<QLabel*>(QStringLiteral("hintPanel"))->text(),
            QStringLiteral(u"Document enregistré : notes.rtf"));
  // Nothing is left to save: the next client comes without a question.
  newStudy({"Paul", "Martin", "01/01/1970", "05/01/2024"});
  EXPECT_EQ(scripted.asked.filter(QStringLiteral("changes")).size(), c.questions);
  EXPECT_EQ(study().subject().LastName, "MARTIN");
}

INSTANTIATE_TEST_SUITE_P(StudyFiles, OpenedTextSave, ::testing::ValuesIn(openedTextSaveCases),
                         [](const auto& info) { return std::string(info.param.name); });

// One save: the study and, when it has one, its portrait beside it; the study opened again
// shows that portrait.
struct OneSaveCase {
  const char* name;
  bool portrait;
  const char* typed;         // into the portrait before saving
  const char* status;        // UTF-8
  const char* unsavedTitle;  // the title bar before the save, UTF-8
};

const OneSaveCase oneSaveCases[] = {
    {"StudyWithItsEditedPortrait", true, "Notes du consultant ", "Étude enregistrée : dupont.tsr + portrait",
     "Orv Tessaro - [DUPONT JEANPIERRE*]"},
    {"StudyWithItsPortraitAsWritten", true, "", "Étude enregistrée : dupont.tsr + portrait",
     "Orv Tessaro - [DUPONT JEANPIERRE]"},
    {"StudyWithoutPortrait", false, "", "Étude enregistrée : dupont.tsr",
     "Orv Tessaro - [DUPONT JEANPIERRE]"},
};

class OneSave : public StudyFiles, public ::testing::WithParamInterface<OneSaveCase> {};

TEST_P(OneSave, WritesTheStudyAndItsPortraitThenOpensThemAgain) {
  const OneSaveCase& c = GetParam();
  mainForm().show();
  newDupont();
  if (c.portrait) trigger("portraitAction");
  const QString typed = QString::fromUtf8(c.typed);
  if (!typed.isEmpty()) QTest::keyClicks(editor(), typed);
  const QString written = editor()->toPlainText();
  EXPECT_EQ(mainForm().windowHandle()->title().toStdString(), c.unsavedTitle);
  scripted.saveChoices.push_back(FileChoice{path(QStringLiteral("dupont")), 0});
  trigger("saveAction");
  EXPECT_EQ(mainForm().windowHandle()->title().toStdString(),
            "Orv Tessaro - [DUPONT JEANPIERRE — dupont.tsr]");
  // Saved again, the study keeps its name: nothing more is asked.
  trigger("saveAction");
  EXPECT_EQ(scripted.asked.filter(QStringLiteral("save")), QStringList{StudyFilter});
  EXPECT_EQ(mainForm().findChild<QLabel*>(QStringLiteral("hintPanel"))->text(), QString::fromUtf8(c.status));
  EXPECT_EQ(read(QStringLiteral("dupont.tsr")), DupontFile);
  EXPECT_EQ(QFileInfo::exists(path(QStringLiteral("dupont.rtf"))), c.portrait);
  // Nothing is left to save: the next client comes without a question.
  newStudy({"Paul", "Martin", "01/01/1970", "05/01/2024"});
  EXPECT_EQ(scripted.asked.filter(QStringLiteral("changes")).size(), 0);
  open(QStringLiteral("dupont.tsr"));
  EXPECT_EQ(study().subject().LastName, "DUPONT");
  EXPECT_EQ(mainForm().windowHandle()->title().toStdString(),
            "Orv Tessaro - [DUPONT JEANPIERRE — dupont.tsr]");
  EXPECT_EQ(visible("editor"), c.portrait);
  if (c.portrait) {
    EXPECT_EQ(editor()->toPlainText(), written);
    EXPECT_FALSE(editor()->document()->isModified());
    // Still the client's portrait: its exports propose the client's name.
    scripted.saveChoices.push_back(std::nullopt);
    trigger("exportAction");
    EXPECT_EQ(scripted.saveDialogTexts.last(),
              QStringLiteral("Exporter le portrait | DUPONT Jeanpierre.rtf"));
  }
}

INSTANTIATE_TEST_SUITE_P(StudyFiles, OneSave, ::testing::ValuesIn(oneSaveCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Documents, ExportCancelledWritesNothing) {
  scripted.saveChoices.push_back(std::nullopt);
  trigger("exportAction");
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(Documents, ExportToAFolderThatCannotTakeItIsReported) {
  saveAsked(QStringLiteral("absent/portrait.rtf"));
  trigger("exportAction");
  EXPECT_EQ(scripted.messages, QStringList{toQString("Ne peut créer le fichier "_cp1252) +
                                           path(QStringLiteral("absent/portrait.rtf")) +
                                           QStringLiteral("\ndossier introuvable")});
}

TEST_F(Documents, ARichTextFileOpensIntoTheEditorEvenAfterAPlainTextExport) {
  saveAsked(QStringLiteral("texte.txt"), 1);
  trigger("exportAction");
  trigger("closeAction");
  trigger("venusStarAction");
  write(QStringLiteral("NOTES.RTF"),
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Bonjour {\\b gras}\\par fin\\par}");
  open(QStringLiteral("NOTES.RTF"));
  EXPECT_EQ(editor()->toPlainText(), QStringLiteral("Bonjour gras\nfin"));
  QTextCursor cursor(editor()->document());
  cursor.setPosition(10);
  EXPECT_TRUE(cursor.charFormat().font().bold());
  // The file brings its text, not the editor's tab stops or text edge, which the ruler shows.
  EXPECT_EQ(editor()->tabStopDistance(), 48);
  EXPECT_EQ(editor()->frameWidth() + editor()->document()->documentMargin(), 6);
  EXPECT_TRUE(visible("editor"));
  EXPECT_TRUE(visible("Ruler"));
  for (const char* name : {"firstNameLettersPanel", "firstNameDigitsPanel", "lastNameLettersPanel",
                           "lastNameDigitsPanel", "starPanel"})
    EXPECT_FALSE(visible(name)) << name;
  EXPECT_TRUE(action("closeAction")->isEnabled());
  // The study is not touched; the title names the text on view, which Enregistrer saves, and
  // the study's caption comes back when the text is closed.
  EXPECT_TRUE(study().fileName().isEmpty());
  EXPECT_EQ(fromQString(shownTitle(study())), "NOTES.RTF");
  trigger("closeAction");
  EXPECT_EQ(fromQString(shownTitle(study())), "DUPONT JEANPIERRE");
}

TEST_F(StudyFiles, WhatAFileHoldsDecidesHowItOpens) {
  write(QStringLiteral("notes.rtf.tsr"), DupontFile);
  open(QStringLiteral("notes.rtf.tsr"));
  EXPECT_EQ(study().subject().LastName, "DUPONT");
  EXPECT_FALSE(visible("editor"));
  EXPECT_FALSE(action("closeAction")->isEnabled());

  // Rich text under a study's name, found by the name completed with ".tsr".
  write(QStringLiteral("lettre.tsr"), "{\\rtf1\\ansi Bonjour\\par}");
  open(QStringLiteral("lettre"));
  EXPECT_EQ(editor()->toPlainText(), QStringLiteral("Bonjour"));
  EXPECT_TRUE(visible("editor"));
  EXPECT_TRUE(action("closeAction")->isEnabled());
  EXPECT_EQ(study().fileName(), path(QStringLiteral("notes.rtf.tsr")));
  EXPECT_TRUE(scripted.messages.isEmpty());
}

TEST_F(StudyFiles, ARichTextFileThatCannotBeOpenedChangesNothing) {
  open(QStringLiteral("absent.rtf"));
  EXPECT_EQ(scripted.messages,
            QStringList{QStringLiteral("Ne peut ouvrir le fichier ") + path(QStringLiteral("absent.rtf")) +
                        QStringLiteral("\nfichier introuvable")});
  EXPECT_FALSE(visible("editor"));
  EXPECT_FALSE(action("closeAction")->isEnabled());
}

TEST_F(Documents, OpeningAStudyClosesTheDocumentOfTheEarlierClient) {
  write(QStringLiteral("dupont.tsr"), DupontFile);
  open(QStringLiteral("dupont.tsr"));
  EXPECT_FALSE(visible("editor"));
  EXPECT_FALSE(visible("Ruler"));
  EXPECT_TRUE(visible("firstNameLettersPanel"));
  EXPECT_TRUE(editor()->toPlainText().isEmpty());
  EXPECT_FALSE(action("closeAction")->isEnabled());
  EXPECT_FALSE(action("exportPdfAction")->isEnabled());
}

}  // namespace
}  // namespace tessaro::testing
