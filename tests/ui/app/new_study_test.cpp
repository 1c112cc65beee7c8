// The new-study flow: what each way of closing the dialog makes of the subject and of the study.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <optional>

#include "app_fixture.h"
#include "common/cp1252_literal.h"
#include "study/ui/new_study_dialog.h"
#include "study/ui/study_window.h"
#include "ui/qt_text.h"

namespace tessaro::testing {
namespace {

class NewStudy : public ProgramTest {
 protected:
  QWidget* field(QDialog& dialog, const char* name) {
    return dialog.findChild<QWidget*>(QString::fromLatin1(name));
  }
  QString text(QDialog& dialog, const char* name) {
    return dialog.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
  }
};

struct SubjectCase {
  const char* name;
  TypedSubject typed;
  Close close;
  StudySubject expected;  // as the study holds it
  const char* caption;
};

const SubjectCase subjectCases[] = {
    {"OkRemovesBlanksFromTheNames",
     {"jean pierre", "de la tour", "07/03/1962", "05/01/2024", "  12 rue des Lilas  ", "75012 paris",
      "tessaro sa"},
     Close::Ok,
     {"DELATOUR", "JEANPIERRE", "07/03/1962", "05/01/2024", "12 RUE DES LILAS", "75012 PARIS", "TESSARO SA"},
     "DELATOUR JEANPIERRE"},
    {"EnterKeepsTheBlanks",
     {"jean pierre", "de la tour"},
     Close::Enter,
     {"DE LA TOUR", "JEAN PIERRE", "05/01/2024", "05/01/2024", "", "", ""},
     "DE LA TOUR JEAN PIERRE"},
    {"AccentedLettersKeepTheirCase",
     {"h\u00E9l\u00E8ne", "\u00E9mile"},
     Close::Ok,
     {"éMILE"_cp1252, "HéLèNE"_cp1252, "05/01/2024", "05/01/2024", "", "", ""},
     "éMILE HéLèNE"_cp1252},
    {"DatesWithDotsOrDashes",
     {"jean", "dupont", "19.04.1950", "19-04-1950"},
     Close::Ok,
     {"DUPONT", "JEAN", "19/04/1950", "19/04/1950", "", "", ""},
     "DUPONT JEAN"},
};

class StoringTheSubject : public NewStudy, public ::testing::WithParamInterface<SubjectCase> {};

TEST_P(StoringTheSubject, GivesTheSubjectAndTheCaption) {
  const SubjectCase& c = GetParam();
  newStudy(c.typed, c.close);
  EXPECT_EQ(study().subject(), c.expected);
  EXPECT_EQ(fromQString(shownTitle(study())), c.caption);
  EXPECT_TRUE(scripted.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(NewStudy, StoringTheSubject, ::testing::ValuesIn(subjectCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NewStudy, OkPutsTheNamesBackWithoutBlanks) {
  answerNewStudy({"jean pierre", "de la tour"});
  trigger("newStudyAction");
  QDialog& dialog = *appWindows().Nouveau;
  EXPECT_EQ(text(dialog, "firstNameEdit"), QStringLiteral("jeanpierre"));
  EXPECT_EQ(text(dialog, "lastNameEdit"), QStringLiteral("delatour"));
}

// Texts in UTF-8: what the user types, and what the message says.
struct MissingNameCase {
  const char* name;
  const char* firstName;
  const char* lastName;
  const char* message;
  const char* birthDate = "";  // empty keeps today's
  const char* company = "";
  const char* fieldAtFault = "firstNameEdit";
  const char* studyDate = "";  // empty keeps today's
};

const MissingNameCase missingNameCases[] = {
    {"FirstName", "", "Dupont", "Il manque le prénom"},
    {"LastName", "Jean", "", "Il manque le nom", "", "", "lastNameEdit"},
    {"BothAskForTheFirstNameFirst", "", "", "Il manque le prénom"},
    {"BlanksOnlyAreNoFirstName", "   ", "Dupont", "Il manque le prénom"},
    {"YearBefore1000", "Jean", "Dupont",
     "Date de naissance incorrecte : l'année doit être comprise entre 1000 et 9999", "01/01/0999", "",
     "birthDateField"},
    {"DayPastTheEndOfTheMonth", "Jean", "Dupont", "Date de naissance incorrecte : cette date n'existe pas",
     "31/02/2001", "", "birthDateField"},
    {"TwentyNinthOfFebruaryOfACenturyYear", "Jean", "Dupont",
     "Date de naissance incorrecte : cette date n'existe pas", "29/02/1900", "", "birthDateField"},
    {"MonthThirteen", "Jean", "Dupont", "Date de naissance incorrecte : cette date n'existe pas",
     "01/13/1950", "", "birthDateField"},
    {"NoDateAtAll", "Jean", "Dupont",
     "Date de naissance incorrecte : tapez-la sous la forme jj/mm/aaaa, par exemple 19/04/1950", "1950", "",
     "birthDateField"},
    {"StudyDayThatDoesNotExist", "Jean", "Dupont", "Date de l'Etude incorrecte : cette date n'existe pas", "",
     "", "studyDateField", "29/02/2025"},
    {"StudyDateCut", "Jean", "Dupont",
     "Date de l'Etude incorrecte : tapez-la sous la forme jj/mm/aaaa, par exemple 05/01/2024", "", "",
     "studyDateField", "05/01/24"},
    {"LetterAStudyCannotHold", "Łukasz", "Nowak",
     "« Ł » ne peut pas être enregistré dans une étude : tapez une autre lettre."},
    {"NameOfSignsAStudyCannotHold", "Jean", "李",
     "« 李 » ne peut pas être enregistré dans une étude : tapez une autre lettre.", "", "", "lastNameEdit"},
    {"CompanyAStudyCannotHold", "Jean", "Dupont",
     "« Ł » ne peut pas être enregistré dans une étude : tapez une autre lettre.", "", "Łódź SA",
     "companyEdit"},
};

class MissingName : public NewStudy, public ::testing::WithParamInterface<MissingNameCase> {};

TEST_P(MissingName, OkShowsTheMessageAndTheDialogStaysOpen) {
  const MissingNameCase& c = GetParam();
  bool stillOpen = false;
  QString focus;
  QString company;
  scripted.dialogs.push_back([&](QDialog& dialog) {
    dialog.show();
    const auto edit = [&dialog](const char* name) {
      return dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    edit("firstNameEdit")->setText(QString::fromUtf8(c.firstName));
    edit("lastNameEdit")->setText(QString::fromUtf8(c.lastName));
    edit("companyEdit")->setText(QString::fromUtf8(c.company));
    if (*c.birthDate != '\0') edit("birthDateField")->setText(QString::fromUtf8(c.birthDate));
    if (*c.studyDate != '\0') edit("studyDateField")->setText(QString::fromUtf8(c.studyDate));
    dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    stillOpen = dialog.isVisible();
    focus = dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
    company = edit("companyEdit")->text();
    dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    return dialog.result();
  });
  trigger("newStudyAction");
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(scripted.messages, QStringList{QString::fromUtf8(c.message)});
  EXPECT_EQ(focus, QString::fromLatin1(c.fieldAtFault));
  EXPECT_EQ(company, QString::fromUtf8(c.company));
  EXPECT_EQ(study().subject().LastName, "");
}

INSTANTIATE_TEST_SUITE_P(NewStudy, MissingName, ::testing::ValuesIn(missingNameCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A study date before the birth date is asked about, never refused outright.
struct StudyBeforeBirthCase {
  const char* name;
  const char* studyDate;
  std::optional<Answer> answer;  // none: no question is to be asked
  bool stillOpen;
  const char* studyDateKept;  // the subject's study date once the dialog is left
};

const StudyBeforeBirthCase studyBeforeBirthCases[] = {
    {"KeptWhenConfirmed", "01/01/1940", Answer::Yes, false, "01/01/1940"},
    {"DialogStaysOpenOnNo", "01/01/1940", Answer::No, true, ""},
    {"DayBeforeBirthIsAsked", "18/04/1950", Answer::Yes, false, "18/04/1950"},
    {"BirthDayItselfIsNotAsked", "19/04/1950", std::nullopt, false, "19/04/1950"},
};

class StudyBeforeBirth : public NewStudy, public ::testing::WithParamInterface<StudyBeforeBirthCase> {};

TEST_P(StudyBeforeBirth, AsksBeforeAccepting) {
  const StudyBeforeBirthCase& c = GetParam();
  if (c.answer) scripted.answers.push_back(*c.answer);
  bool stillOpen = false;
  QString focus;
  scripted.dialogs.push_back([&](QDialog& dialog) {
    dialog.show();
    dialog.findChild<QLineEdit*>(QStringLiteral("firstNameEdit"))->setText(QStringLiteral("Jean"));
    dialog.findChild<QLineEdit*>(QStringLiteral("lastNameEdit"))->setText(QStringLiteral("Dupont"));
    dialog.findChild<QLineEdit*>(QStringLiteral("birthDateField"))->setText(QStringLiteral("19/04/1950"));
    dialog.findChild<QLineEdit*>(QStringLiteral("studyDateField"))->setText(QString::fromLatin1(c.studyDate));
    dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    stillOpen = dialog.isVisible();
    focus = dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
    if (stillOpen) dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    return dialog.result();
  });
  trigger("newStudyAction");
  EXPECT_EQ(scripted.asked.filter(QStringLiteral("yes or no: ")).size(), c.answer ? 1 : 0);
  EXPECT_TRUE(scripted.answers.empty());
  EXPECT_TRUE(scripted.messages.isEmpty());
  EXPECT_EQ(stillOpen, c.stillOpen);
  if (c.stillOpen) {
    EXPECT_EQ(focus, QStringLiteral("studyDateField"));
  }
  EXPECT_EQ(study().subject().StudyDate, c.studyDateKept);
}

INSTANTIATE_TEST_SUITE_P(NewStudy, StudyBeforeBirth, ::testing::ValuesIn(studyBeforeBirthCases),
                         [](const auto& info) { return std::string(info.param.name); });

class EnterInEveryInput : public NewStudy, public ::testing::WithParamInterface<const char*> {};

TEST_P(EnterInEveryInput, AcceptsAtOnce) {
  scripted.dialogs.push_back([this](QDialog& dialog) {
    dialog.findChild<QLineEdit*>(QStringLiteral("firstNameEdit"))->setText(QStringLiteral("anne marie"));
    dialog.findChild<QLineEdit*>(QStringLiteral("lastNameEdit"))->setText(QStringLiteral("le gall"));
    QTest::keyClick(field(dialog, GetParam()), Qt::Key_Return);
    return dialog.result();
  });
  trigger("newStudyAction");
  EXPECT_EQ(study().subject().FirstName, "ANNE MARIE");
  EXPECT_EQ(study().subject().LastName, "LE GALL");
}

INSTANTIATE_TEST_SUITE_P(NewStudy, EnterInEveryInput,
                         ::testing::Values("firstNameEdit", "lastNameEdit", "birthDateField",
                                           "studyDateField", "addressEdit", "cityEdit", "companyEdit"));

TEST_F(NewStudy, EachShowingStartsEmptyWithTodaysDate) {
  newStudy({"Jean", "Dupont", "19/04/1950", "08/12/2026", "1 rue", "Paris", "SA"});
  clock.time = {2025, 3, 9, 10, 0, 0};
  scripted.dialogs.push_back([this](QDialog& dialog) {
    for (const char* name : {"firstNameEdit", "lastNameEdit", "addressEdit", "cityEdit", "companyEdit"})
      EXPECT_EQ(text(dialog, name), QString()) << name;
    for (const char* name : {"birthDateField", "studyDateField"})
      EXPECT_EQ(text(dialog, name), QStringLiteral("09/03/2025")) << name;
    dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    return dialog.result();
  });
  trigger("newStudyAction");
}

TEST_F(NewStudy, CancelChangesNothing) {
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("dupont.tsr"));
  newStudy({"Jean", "Dupont", "19/04/1950"});
  scripted.saveChoices.push_back(FileChoice{file, 0});
  trigger("saveAction");
  trigger("venusStarAction");
  trigger("portraitAction");
  auto* editor = study().findChild<QTextEdit*>(QStringLiteral("editor"));
  QTest::keyClicks(editor, QStringLiteral("Notes"));
  const QString portrait = editor->toPlainText();
  const StudySubject before = study().subject();

  newStudy({"Paul", "Martin"}, Close::Cancel);
  EXPECT_EQ(study().subject(), before);
  EXPECT_TRUE(study().venusDone());
  EXPECT_EQ(study().fileName(), file);
  EXPECT_FALSE(editor->isHidden());
  EXPECT_EQ(editor->toPlainText(), portrait);
  EXPECT_TRUE(editor->document()->isModified());
  EXPECT_TRUE(action("exportPdfAction")->isEnabled());
  EXPECT_EQ(fromQString(shownTitle(study())), "DUPONT JEAN — dupont.tsr*"_cp1252);
  // Still the study's own file: saving asks no name.
  trigger("saveAction");
  EXPECT_TRUE(scripted.saveChoices.empty());
  EXPECT_EQ(scripted.asked.filter(QStringLiteral("save: ")).size(), 1);
}

}  // namespace
}  // namespace tessaro::testing
