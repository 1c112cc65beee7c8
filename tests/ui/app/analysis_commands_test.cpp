// Each analysis command for one subject: the dialog it shows, its fields and its memo; and the
// failures that the top-level handler reports instead.
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <string_view>

#include "app_fixture.h"
#include "common/cp1252_literal.h"
#include "engine/ui/entente_dialog.h"
#include "engine/ui/result_dialog.h"
#include "names/ui/first_names_browser.h"
#include "study/ui/study_window.h"
#include "ui/qt_text.h"

namespace tessaro::testing {
namespace {

// MARIE DURAND, born 19/04/1950, studied 08/12/2026.
const TypedSubject marieDurand{"Marie",       "Durand", "19/04/1950", "08/12/2026", "12 rue des Lilas",
                               "75012 Paris", "Tessaro"};

struct Shown {
  QString title;
  QStringList fields;
  QStringList memo;
};

Shown read(QDialog& dialog) {
  auto& result = dynamic_cast<ResultDialog&>(dialog);
  Shown shown{dialog.windowTitle(), {}, {}};
  const int fieldCount = static_cast<int>(dialog.findChildren<QLineEdit*>().size());
  for (int i = 1; i <= fieldCount; ++i) shown.fields << result.edit(i)->text();
  if (result.memo() != nullptr) shown.memo = result.memo()->toPlainText().split(QLatin1Char('\n'));
  // A reading that ends with a line break leaves an empty last line, which shows nothing.
  if (!shown.memo.isEmpty() && shown.memo.last().isEmpty()) shown.memo.removeLast();
  return shown;
}

struct AnalysisCase {
  const char* command;
  const char* title;   // Windows-1252
  const char* fields;  // separated by "|"
  // The memo's lines (Windows-1252), each given by its beginning; "" for a dialog without memo.
  std::vector<const char*> memoStarts;
};

const AnalysisCase analysisCases[] = {
    {"venusInterpretationAction",
     "Interprétation"_cp1252,
     "4 9 |2 6 7 8 ",
     {"4: REALISATION.", "Dominant : Qualité d'ordre"_cp1252, "9: ALTRUISME.",
      "Dominant : Qualités de dévouement"_cp1252, "2: ASSOCIATION.", "Manquant : Association difficile.",
      "6: HARMONIE.", "Manquant : Mariage difficile.", "7: VIE INTERIEURE.",
      "Manquant : Manque de compréhension."_cp1252, "8: EXPANSION MATERIELLE.",
      "Manquant : Difficulté à maintenir"_cp1252}},
    {"fullChartAction",
     "Graphique complet du nom",
     "1|9|8|1|8",
     {"1: Désir de réussir"_cp1252, "9: Altruisme, dévouement"_cp1252,
      "Amour : ", "Travail : ", "Santé : "_cp1252, "8: Attitude franche et directe.",
      "1: Invention, nervosité, opportunisme."_cp1252, "8: Autorité, détermination."_cp1252}},
    {"nameLettersAction",
     "Lettres du nom",
     "M.D.= 8|U|3|4|3|1",
     {" 8: Accomplissements matériels."_cp1252, "M: (lettre physique) Travail, construction.",
      "D: (lettre physique) Efficacité, développement."_cp1252, "U: Intuition, tension morale."}},
    {"birthDateAction",
     "Date de Naissance",
     "19 = 1|04 = 4|1950 = 6|11",
     {"1: Accomplissements personnels", "4: Labeur, limitations", "6: Amour, responsabilités, succès."_cp1252,
      "11: Vie d'inspiration et de maîtrise."_cp1252, "C'est un chemin qui favorise"}},
    {"singleNumberAction",
     "Le nombre cosmique",
     "1|8|11|11",
     {"1: Invention, nervosité"_cp1252, "8: Autorité, détermination."_cp1252, "11: Vie d'inspiration",
      "C'est un chemin qui favorise", "11: Triomphe dans la lutte, force."}},
    {"currentYearAction",
     "Analyse au 08/12/2026",
     "6|D|4|5|9|8",
     {"6: Année de responsabilité."_cp1252, "D: Lettre négative : Ennuis et soucis au foyer."_cp1252,
      "4: La famille et le foyer", "5: Période favorable aux loisirs"_cp1252, "9: Idéal pour achever"_cp1252,
      "8: Idéal pour les affaires"_cp1252}},
    {"chanceAction", "Nombre de la chance", "20|11|19|1|1, 2, 6, 19, 20, 42", {}},
    {"everydayLifeAction",
     "Vie courante",
     "9|6|8|7",
     {"Accord avec le nombre d'expression", "9 est en accord avec 1 - 3 - 5 - 6", " ", "Société"_cp1252,
      "7: Force d'action très efficace"_cp1252}},
};

class AnalysisCommand : public ProgramTest, public ::testing::WithParamInterface<AnalysisCase> {};

TEST_P(AnalysisCommand, ShowsItsDialogFilledForTheSubject) {
  const AnalysisCase& c = GetParam();
  newStudy(marieDurand);
  Shown shown;
  readNextDialog([&shown](QDialog& dialog) { shown = read(dialog); });
  trigger(c.command);

  EXPECT_EQ(fromQString(shown.title), c.title);
  EXPECT_EQ(shown.fields.join(QLatin1Char('|')), QString::fromLatin1(c.fields));
  if (c.memoStarts.empty()) {
    EXPECT_TRUE(shown.memo.isEmpty());
  } else {
    ASSERT_EQ(shown.memo.size(), static_cast<qsizetype>(c.memoStarts.size()))
        << shown.memo.join(u'\n').toStdString();
    for (size_t i = 0; i < c.memoStarts.size(); ++i) {
      EXPECT_TRUE(shown.memo[static_cast<qsizetype>(i)].startsWith(toQString(c.memoStarts[i])))
          << i << ": " << shown.memo[static_cast<qsizetype>(i)].toStdString();
    }
  }
  EXPECT_TRUE(scripted.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(AnalysisCommands, AnalysisCommand, ::testing::ValuesIn(analysisCases),
                         [](const auto& info) { return std::string(info.param.command); });

struct FailureCase {
  const char* name;
  TypedSubject subject;
  const char* command;
  const char* message;  // Windows-1252
};

const FailureCase failureCases[] = {
    {"NameWithoutVowel",
     {"brt", "plm"},
     "fullChartAction",
     "'' n'est pas une valeur entière correcte"_cp1252},
    {"InitialsWithoutValue",
     {"\u00C9ve", "\u00C9t\u00E9"},
     "nameLettersAction",
     "'= ' n'est pas une valeur entière correcte"_cp1252},
    {"NoAddress", {"Marie", "Durand"}, "everydayLifeAction", "Adresse manquante"},
    {"NameWithoutValueForTheUniqueNumber",
     {"\u00C9\u00C9", "Durand"},
     "singleNumberAction",
     "'' n'est pas une valeur entière correcte"_cp1252},
};

class AnalysisFailure : public ProgramTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(AnalysisFailure, IsShownByTheTopLevelHandlerAndTheProgramGoesOn) {
  const FailureCase& c = GetParam();
  newStudy(c.subject);
  scripted.asked.clear();
  trigger(c.command);
  EXPECT_EQ(scripted.asked, QStringList{QStringLiteral("message: ") + toQString(c.message)});

  readNextDialog([](QDialog&) {});
  trigger("birthDateAction");
  EXPECT_EQ(scripted.asked.size(), 2);
}

INSTANTIATE_TEST_SUITE_P(AnalysisCommands, AnalysisFailure, ::testing::ValuesIn(failureCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A study file edited by hand can hold dates the new-study dialog refuses. The windows that compute
// as they open are then refused with their message, no window shows, and the program goes on.
struct RefusedWindowCase {
  const char* name;
  const char* birthDate;
  const char* studyDate;
  const char* command;
  const char* asked;  // UTF-8: the message, or the window when it opens
};

const RefusedWindowCase refusedWindowCases[] = {
    {"CyclesWithoutBirthDate", "", "05/01/2024", "lifeCyclesAction", "message: Date de naissance manquante"},
    {"CyclesWithoutStudyDate", "19/04/1950", "", "lifeCyclesAction", "message: Date de naissance manquante"},
    {"CalendarWithoutBirthDate", "", "05/01/2024", "personalCalendarAction",
     "message: Date de naissance manquante"},
    {"CalendarWithImpossibleBirthDate", "31/02/1950", "05/01/2024", "personalCalendarAction",
     "message: Date de naissance '31/02/1950' : ce jour n'existe pas dans le calendrier"},
    // Without a study date the calendar opens on today's month.
    {"CalendarWithoutStudyDate", "19/04/1950", "", "personalCalendarAction", "dialog: Calendrier personnel"},
};

class RefusedWindow : public ProgramTest, public ::testing::WithParamInterface<RefusedWindowCase> {};

TEST_P(RefusedWindow, IsAMessageAndTheProgramGoesOn) {
  const RefusedWindowCase& c = GetParam();
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("durand.tsr"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray("MARIE\r\nDURAND\r\n") + c.birthDate + "\r\n" + c.studyDate + "\r\n\r\n\r\n\r\n");
  file.close();
  scripted.openChoices.push_back(FileChoice{path});
  trigger("openAction");
  scripted.asked.clear();

  if (std::string_view(c.asked).starts_with("dialog: ")) readNextDialog([](QDialog&) {});
  trigger(c.command);
  EXPECT_EQ(scripted.asked.join(QLatin1Char('|')).toStdString(), c.asked);

  readNextDialog([](QDialog&) {});
  trigger("fullChartAction");
  EXPECT_EQ(scripted.asked.size(), 2);
}

INSTANTIATE_TEST_SUITE_P(AnalysisCommands, RefusedWindow, ::testing::ValuesIn(refusedWindowCases),
                         [](const auto& info) { return std::string(info.param.name); });

class Compatibility : public ProgramTest {
 protected:
  // Answers the second-person dialog: the second person's names, then OK.
  void answerSecondPerson(const QString& firstName, const QString& lastName) {
    scripted.dialogs.push_back([firstName, lastName](QDialog& dialog) {
      EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("firstNameEdit"))->text(),
                QStringLiteral("MARIE"));
      EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("lastNameEdit"))->text(),
                QStringLiteral("DURAND"));
      dialog.findChild<QLineEdit*>(QStringLiteral("secondFirstNameEdit"))->setText(firstName);
      dialog.findChild<QLineEdit*>(QStringLiteral("secondLastNameEdit"))->setText(lastName);
      dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
      return dialog.result();
    });
  }
};

TEST_F(Compatibility, ShowsThePairAndPrintsItsPage) {
  newStudy(marieDurand);
  answerSecondPerson(QStringLiteral("jean"), QStringLiteral("dupont"));
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("entente.pdf"));
  Shown shown;
  QStringList names;
  readNextDialog([&](QDialog& dialog) {
    shown = read(dialog);
    names << dialog.findChild<QLabel*>(QStringLiteral("firstPersonLabel"))->text()
          << dialog.findChild<QLabel*>(QStringLiteral("secondPersonLabel"))->text();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    dynamic_cast<TEntente&>(dialog).printPage(printer);
  });
  trigger("ententeAction");

  EXPECT_EQ(fromQString(shown.title), "Entente à deux"_cp1252);
  EXPECT_EQ(names, (QStringList{QStringLiteral("MARIE DURAND"), QStringLiteral("JEAN DUPONT")}));
  EXPECT_EQ(shown.fields, (QStringList{QStringLiteral("9"), QStringLiteral("3")}));
  ASSERT_FALSE(shown.memo.isEmpty());
  EXPECT_EQ(fromQString(shown.memo.last()), "Accord total. Complicité pour des projets d'envergure."_cp1252);

  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  ASSERT_TRUE(pdftotext.waitForFinished(30000));
  const QString page = QString::fromUtf8(pdftotext.readAllStandardOutput());
  EXPECT_TRUE(page.contains(QStringLiteral("Entente entre MARIE DURAND et JEAN DUPONT")))
      << page.toStdString();
  EXPECT_TRUE(page.contains(QStringLiteral("Nombre d'expression : 3")));
  EXPECT_TRUE(page.contains(toQString("Accord total. Complicité pour des projets d'envergure."_cp1252)));
}

TEST_F(Compatibility, EndsSilentlyWithoutASecondPerson) {
  newStudy(marieDurand);
  answerSecondPerson(QStringLiteral("jean"), QString());
  trigger("ententeAction");
  EXPECT_TRUE(scripted.messages.isEmpty());
  EXPECT_EQ(scripted.asked.last(), toQString("dialog: entente à deux"_cp1252));
}

TEST_F(Compatibility, ASecondPersonWithoutValueIsReportedByTheTopLevelHandler) {
  newStudy(marieDurand);
  answerSecondPerson(QStringLiteral("\u00C9\u00C9"), QStringLiteral("-"));
  trigger("ententeAction");
  EXPECT_EQ(scripted.messages, QStringList{toQString("'' n'est pas une valeur entière correcte"_cp1252)});
}

TEST_F(ProgramTest, FirstNameCommandShowsTheStudysReading) {
  appWindows().Prenoms->ChargePrenoms(TESSARO_SOURCE_DATA_DIR "/Prenoms.pre");
  newStudy(marieDurand);
  QString reading;
  readNextDialog([&reading](QDialog& dialog) {
    EXPECT_EQ(fromQString(dialog.windowTitle()), "Le prénom"_cp1252);
    reading = dialog.findChild<QPlainTextEdit*>(QStringLiteral("readingMemo"))->toPlainText();
  });
  trigger("firstNameAction");
  EXPECT_TRUE(reading.startsWith(QStringLiteral("MARIE\n"))) << reading.toStdString();
}

}  // namespace
}  // namespace tessaro::testing
