// The unique number and its analysis.
#include "engine/unique_number.h"

#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "engine/named_subject.h"
#include "engine/text_table.h"
#include "engine/texts/birth_date_texts.h"

namespace tessaro {
namespace {

TEST(UniqueNumber, SumBroughtTo22OrLess) {
  struct Case {
    const char* first;
    const char* second;
    const char* date;
    const char* unique;
  };
  for (const Case& c : {Case{"9", "9", "22", "4"}, Case{"1", "8", "2", "11"}, Case{"9", "2", "11", "22"},
                        Case{"9", "3", "11", "5"}, Case{"11", "11", "22", "8"}, Case{"1", "1", "1", "3"}}) {
    EXPECT_EQ(UniqueNumber(c.first, c.second, c.date), c.unique) << c.first << c.second << c.date;
  }
}

TEST(UniqueNumber, Analysis) {
  struct Case {
    StudySubject subject;
    const char* active;
    const char* hereditary;
    const char* lifePath;
    const char* unique;
    const char* activeLine;
    const char* hereditaryLine;
    const char* lifePathLine;
    const char* uniqueLine;
  };
  for (const Case& c : {
           // 56 -> 11 -> 2; 27 -> 9; date sum 2 while the life path is 11; 2 + 9 + 2.
           Case{subject("JEAN-PIERRE", "DUPONT", "19/04/1950"), "2", "9", "11", "13",
                "2: Contacts humains, sensibilité, calme apparent."_cp1252, "9: Dignité fierté."_cp1252,
                "11: Vie d'inspiration et de maîtrise."_cp1252,
                "13: Destinée changeante, transformations radicales."_cp1252},
           // 28 -> 1; 26 -> 8; 1 + 8 + 2.
           Case{subject("MARIE", "DURAND", "19/04/1950"), "1", "8", "11", "11",
                "1: Invention, nervosité, opportunisme."_cp1252, "8: Autorité, détermination."_cp1252,
                "11: Vie d'inspiration et de maîtrise."_cp1252, "11: Triomphe dans la lutte, force."},
           // 9 + 9 + 22 = 40 -> 4.
           Case{subject("I", "R", "19/06/1950"), "9", "9", "22", "4",
                "9: Altruisme, émotivité, sensualité."_cp1252, "9: Dignité fierté."_cp1252,
                "22: Vie d'accomplissements importants.",
                "4: Succès matériel, protections et appuis."_cp1252},
           // 9 + 2 + 11 = 22 stays.
           Case{subject("I", "B", "09/09/2000"), "9", "2", "11", "22",
                "9: Altruisme, émotivité, sensualité."_cp1252, "2: Equilibre, sociabilité."_cp1252,
                "11: Vie d'inspiration et de maîtrise."_cp1252,
                "22: Vie instable, fausse route, nécessité de faire face."_cp1252},
           // 9 + 3 + 11 = 23 -> 5.
           Case{subject("I", "C", "09/09/2000"), "9", "3", "11", "5",
                "9: Altruisme, émotivité, sensualité."_cp1252, "3: Créativité, adaptabilité."_cp1252,
                "11: Vie d'inspiration et de maîtrise."_cp1252,
                "5: Indépendance, protection spirituelle, luttes intérieures."_cp1252},
           // Letters adding up to 29 give 2 here, not 11; \xE9 typed in lower case is worth 5.
           Case{subject("IIIB", "éMILE"_cp1252, "05/12/1975"), "2", "8", "3", "13",
                "2: Contacts humains, sensibilité, calme apparent."_cp1252,
                "8: Autorité, détermination."_cp1252, "3: Vie de créativité et d'expression."_cp1252,
                "13: Destinée changeante, transformations radicales."_cp1252},
           // 26 -> 8; 18 -> 9; 1846 -> 19 -> 1, digits 19 -> 1; 8 + 9 + 1.
           Case{subject("éMILE"_cp1252, "ZOLA", "02/04/1840"), "8", "9", "1", "18",
                "8: Entêtement, action, impulsivité."_cp1252, "9: Dignité fierté."_cp1252,
                "1: Vie d'action individuelle.", "18: Imagination, mais erreurs et tromperies d'autrui."},
           // The length of the date is not checked: the parts are cut by position.
           Case{subject("MARIE", "DURAND", "19/04/1950 et plus"), "1", "8", "11", "11",
                "1: Invention, nervosité, opportunisme."_cp1252, "8: Autorité, détermination."_cp1252,
                "11: Vie d'inspiration et de maîtrise."_cp1252, "11: Triomphe dans la lutte, force."},
       }) {
    const UniqueNumberResult result = computeUniqueNumber(c.subject);
    const Text name = c.subject.FirstName + " " + c.subject.LastName;
    EXPECT_EQ(result.active, c.active) << name;
    EXPECT_EQ(result.hereditary, c.hereditary) << name;
    EXPECT_EQ(result.lifePath, c.lifePath) << name;
    EXPECT_EQ(result.unique, c.unique) << name;
    const std::vector<Text> expected = {c.activeLine,   c.hereditaryLine,
                                        c.lifePathLine, tableText(LifePathTexts, c.lifePath),
                                        c.uniqueLine,   ""};
    EXPECT_EQ(splitCrLf(result.reading), expected) << name;
  }
}

TEST(UniqueNumber, FailuresEndTheAnalysisAtTheFirstConversion) {
  struct Case {
    StudySubject subject;
    const char* message;
  };
  for (const Case& c : {
           Case{subject("MARIE", "DURAND", ""), "'' n'est pas une valeur entière correcte"_cp1252},
           Case{subject("MARIE", "DURAND", "ab/04/1950"),
                "'ab' n'est pas une valeur entière correcte"_cp1252},
           Case{subject("---", "DURAND", "19/04/1950"), "'' n'est pas une valeur entière correcte"_cp1252},
           Case{subject("MARIE", "ÉÈ"_cp1252, "19/04/1950"),
                "'' n'est pas une valeur entière correcte"_cp1252},
           // The date is converted before the name numbers are added.
           Case{subject("---", "DURAND", "19/x4/1950"), "'x4' n'est pas une valeur entière correcte"_cp1252},
       }) {
    try {
      computeUniqueNumber(c.subject);
      ADD_FAILURE() << "no error for " << c.subject.FirstName << " " << c.subject.BirthDate;
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.message(), c.message) << c.subject.FirstName << " " << c.subject.BirthDate;
    }
  }
}

}  // namespace
}  // namespace tessaro
