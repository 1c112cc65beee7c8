// Study files saved and opened, documents exported and rich-text files opened, from the menus.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>

#include "app/main_form.h"
#include "editor_fixture.h"
#include "names/ui/first_names_browser.h"
#include "reports/portrait.h"
#include "ui/qt_text.h"

namespace tessaro::testing {
namespace {

const QString StudyFilter = QStringLiteral("save: Fichiers tessaro (*.tsr)|*.tsr");
const QString ExportFilter = QStringLiteral("save: Format rtf (*.rtf)|*.rtf|Format texte (*.txt)|*.txt");
const QString OpenFilter = QStringLiteral("open: Fichier Tessaro (*.tsr)|*.tsr|Fichier Etude (*.rtf)|*.rtf");
const QString ReplaceQuestion = toQString(
    "question: ce fichier existe d\xE9j\xE0, l'\xE9"
    "craser ?");
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
    trigger("OpenItem");
  }

  void saveAsked(const QString& name, int filter = 0) {
    scripted.saveChoices.push_back(FileChoice{path(name), filter});
  }

  QTemporaryDir folder;
};

TEST_F(StudyFiles, ANewStudySavedUnderANewNameWritesItsSevenLines) {
  newDupont();
  saveAsked(QStringLiteral("dupont"));
  trigger("SaveItem");
  EXPECT_EQ(read(QStringLiteral("dupont.tsr")), DupontFile);
  EXPECT_EQ(DupontFile.size(), 50);
  EXPECT_EQ(scripted.asked.mid(1), QStringList{StudyFilter});
  // The program asks before replacing, so the dialog must not.
  EXPECT_EQ(scripted.replaceQuestions, std::vector{ReplaceQuestion::ByCaller});
  EXPECT_EQ(study().fileName(), path(QStringLiteral("dupont.tsr")));
  // From now on the study has its file: saving again asks nothing.
  trigger("SaveItem");
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
  trigger("SaveItem");
  EXPECT_EQ(scripted.asked.mid(1), (QStringList{StudyFilter, ReplaceQuestion}));
  EXPECT_EQ(read(QStringLiteral("dupont.tsr")), c.written ? DupontFile : QByteArray("ancien"));
  if (c.written) return;
  // A refused name is no name: the next save asks again instead of replacing that file.
  EXPECT_TRUE(study().fileName().isEmpty());
  scripted.saveChoices.push_back(std::nullopt);
  trigger("SaveItem");
  EXPECT_EQ(scripted.asked.last(), StudyFilter);
  EXPECT_EQ(read(QStringLiteral("dupont.tsr")), QByteArray("ancien"));
}

INSTANTIATE_TEST_SUITE_P(StudyFiles, ReplacingAFile, ::testing::ValuesIn(replaceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StudyFiles, SaveBeforeAnyStudyWritesSevenEmptyLines) {
  saveAsked(QStringLiteral("vide"));
  mainForm().findChild<QToolButton*>(QStringLiteral("SaveBtn"))->click();
  EXPECT_EQ(read(QStringLiteral("vide.tsr")), QByteArray("\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
}

TEST_F(StudyFiles, AnOpenedStudyIsShownAndRewrittenWithoutAQuestion) {
  write(QStringLiteral("etude.tsr"), "  Jean \r\n DUPONT\r\n07/03/1962\r\n05/01/2024\r\n1 rue Haute\r\n");
  open(QStringLiteral("etude"));
  EXPECT_EQ(study().fileName(), path(QStringLiteral("etude.tsr")));
  EXPECT_EQ(study().subject().FirstName, "Jean");
  EXPECT_EQ(study().subject().Address, "1 rue Haute");
  EXPECT_EQ(study().subject().Company, "");
  EXPECT_EQ(fromQString(study().windowTitle()), "DUPONT Jean");
  EXPECT_TRUE(visible("Panel1"));
  EXPECT_TRUE(action("Portraitgnral1")->isEnabled());

  trigger("SaveItem");
  EXPECT_EQ(scripted.asked, QStringList{OpenFilter});
  EXPECT_EQ(read(QStringLiteral("etude.tsr")),
            QByteArray("Jean\r\nDUPONT\r\n07/03/1962\r\n05/01/2024\r\n1 rue Haute\r\n\r\n\r\n"));
}

TEST_F(StudyFiles, SaveAsWritesAtOnceAndLeavesReplacingToTheDialog) {
  write(QStringLiteral("autre.tsr"), "ancien");
  newDupont();
  saveAsked(QStringLiteral("autre.tsr"));
  trigger("Enregistrersous1");
  EXPECT_EQ(read(QStringLiteral("autre.tsr")), DupontFile);
  EXPECT_EQ(scripted.asked.mid(1), QStringList{StudyFilter});
  EXPECT_EQ(scripted.replaceQuestions, std::vector{ReplaceQuestion::ByDialog});
}

TEST_F(StudyFiles, SaveAsCancelledForANewStudyWritesNothingAndAsksNothingMore) {
  newDupont();
  scripted.saveChoices.push_back(std::nullopt);
  trigger("Enregistrersous1");
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

TEST_F(StudyFiles, AStudyFileThatCannotBeReadIsReportedAndTheStudyKept) {
  newDupont();
  saveAsked(QStringLiteral("dupont"));
  trigger("SaveItem");
  // A file that is there and that no one can read, not even the superuser.
  ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), path(QStringLiteral("illisible.tsr"))));
  open(QStringLiteral("illisible.tsr"));
  EXPECT_EQ(scripted.messages, QStringList{QStringLiteral("Ne peut ouvrir le fichier ") +
                                           path(QStringLiteral("illisible.tsr"))});
  EXPECT_EQ(study().subject().LastName, "DUPONT");
  EXPECT_EQ(study().fileName(), path(QStringLiteral("dupont.tsr")));
}

class Documents : public StudyFiles {
 protected:
  Documents() {
    newDupont();
    trigger("Portraitgnral1");
  }

  QByteArray portraitText() const {
    const Portrait portrait = buildPortrait(study().subject(), false, &appWindows().Prenoms->firstNames());
    return QByteArray::fromStdString(portraitPlainText(portrait));
  }
};

struct ExportCase {
  const char* name;
  const char* chosen;
  int filter;
  const char* written;
  bool plainText;
};

const ExportCase exportCases[] = {
    {"TextFilterWritesPlainTextUnderTheRtfExtension", "portrait", 1, "portrait.rtf", true},
    {"RtfFilter", "portrait", 0, "portrait.rtf", false},
    {"ChosenExtensionKept", "portrait.txt", 0, "portrait.txt", false},
};

class Export : public Documents, public ::testing::WithParamInterface<ExportCase> {};

TEST_P(Export, WritesTheDocumentInTheFiltersFormat) {
  const ExportCase& c = GetParam();
  write(QString::fromLatin1(c.written), "ancien");
  saveAsked(QString::fromLatin1(c.chosen), c.filter);
  trigger("Exporter1");
  EXPECT_EQ(scripted.asked.mid(1), QStringList{ExportFilter});
  EXPECT_EQ(scripted.replaceQuestions, std::vector{ReplaceQuestion::ByDialog});
  const QByteArray written = read(QString::fromLatin1(c.written));
  if (c.plainText) {
    EXPECT_EQ(written, portraitText());
  } else {
    EXPECT_TRUE(written.startsWith("{\\rtf")) << written.left(40).toStdString();
    EXPECT_TRUE(written.contains("Analyse effectu\\'e9e le 05/01/2024"));
  }
}

INSTANTIATE_TEST_SUITE_P(StudyFiles, Export, ::testing::ValuesIn(exportCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Documents, ExportCancelledWritesNothing) {
  scripted.saveChoices.push_back(std::nullopt);
  trigger("Exporter1");
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(Documents, ExportToAFolderThatCannotTakeItIsReported) {
  saveAsked(QStringLiteral("absent/portrait.rtf"));
  trigger("Exporter1");
  EXPECT_EQ(scripted.messages, QStringList{toQString("Ne peut cr\xE9"
                                                     "er le fichier ") +
                                           path(QStringLiteral("absent/portrait.rtf"))});
}

TEST_F(Documents, ARichTextFileOpensIntoTheEditorEvenAfterAPlainTextExport) {
  saveAsked(QStringLiteral("texte.txt"), 1);
  trigger("Exporter1");
  trigger("Fermer1");
  trigger("Etoiledevnus1");
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
  EXPECT_TRUE(visible("Rtf1"));
  EXPECT_TRUE(visible("Ruler"));
  for (const char* name : {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5"})
    EXPECT_FALSE(visible(name)) << name;
  EXPECT_TRUE(action("Fermer1")->isEnabled());
  // The study is not touched.
  EXPECT_EQ(fromQString(study().windowTitle()), "DUPONT JEANPIERRE");
  EXPECT_TRUE(study().fileName().isEmpty());
}

TEST_F(StudyFiles, AStudyFileWhoseNameHoldsRtfIsAStudy) {
  write(QStringLiteral("notes.rtf.tsr"), DupontFile);
  open(QStringLiteral("notes.rtf.tsr"));
  EXPECT_EQ(study().subject().LastName, "DUPONT");
  EXPECT_FALSE(visible("Rtf1"));
  EXPECT_FALSE(action("Fermer1")->isEnabled());
}

TEST_F(StudyFiles, ARichTextFileThatCannotBeOpenedChangesNothing) {
  open(QStringLiteral("absent.rtf"));
  EXPECT_EQ(scripted.messages,
            QStringList{QStringLiteral("Ne peut ouvrir le fichier ") + path(QStringLiteral("absent.rtf"))});
  EXPECT_FALSE(visible("Rtf1"));
  EXPECT_FALSE(action("Fermer1")->isEnabled());
}

TEST_F(Documents, OpeningAStudyHidesTheDocumentAndKeepsItsText) {
  const QString text = editor()->toPlainText();
  write(QStringLiteral("dupont.tsr"), DupontFile);
  open(QStringLiteral("dupont.tsr"));
  EXPECT_FALSE(visible("Rtf1"));
  EXPECT_FALSE(visible("Ruler"));
  EXPECT_TRUE(visible("Panel1"));
  EXPECT_EQ(editor()->toPlainText(), text);
  EXPECT_TRUE(action("Fermer1")->isEnabled());
}

}  // namespace
}  // namespace tessaro::testing
