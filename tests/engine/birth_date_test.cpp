// The birth date analysis: its dialog lines, its readings and its failures.
#include "engine/birth_date.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "engine/text_table.h"
#include "engine/texts/birth_date_texts.h"

namespace tessaro {
namespace {

StudySubject bornOn(const Text& birthDate) {
  StudySubject subject;
  subject.FirstName = "MARIE";
  subject.LastName = "DURAND";
  subject.BirthDate = birthDate;
  subject.StudyDate = "08/12/2026";
  return subject;
}

TEST(BirthDate, LinesNumbersAndReadings) {
  struct Case {
    const char* date;
    const char* dayLine;
    const char* monthLine;
    const char* yearLine;
    const char* lifePath;
    std::vector<Text> readingLines;  // the four numbered lines; the paragraph follows
  };
  for (const Case& c : {
           Case{"19/04/1950",
                "19 = 1",
                "04 = 4",
                "1950 = 6",
                "11",
                {"1: Accomplissements personnels, vie active r\xE9ussie.",
                 "4: Labeur, limitations, parfois restrictions.", "6: Amour, responsabilit\xE9s, succ\xE8s.",
                 "11: Vie d'inspiration et de ma\xEEtrise."}},
           Case{"19/06/1950",
                "19 = 1",
                "06 = 6",
                "1950 = 6",
                "22",
                {"1: Accomplissements personnels, vie active r\xE9ussie.",
                 "6: Ind\xE9"
                 "cision, obligations, mariage.",
                 "6: Amour, responsabilit\xE9s, succ\xE8s.", "22: Vie d'accomplissements importants."}},
           // Day 29 is the only master day, and its table has no row for it.
           Case{"29/02/2000",
                "29 = 11",
                "02 = 2",
                "2000 = 2",
                "6",
                {"11: ", "2: D\xE9pendance (influence de la m\xE8re, attirance vers le mariage).",
                 "2: Association, mariage.", "6: Vie de responsabilit\xE9 et d'harmonie sentimentale."}},
           // 11 and 22 are added up before the master numbers are looked for.
           Case{"11/12/1975",
                "11 = 2",
                "12 = 3",
                "1975 = 4",
                "9",
                {"2: Associations, contrats, mariage, r\xE9"
                 "alisation en \xE9quipe.",
                 "3: Expression, go\xFBts artistiques, sociabilit\xE9.", "4: Travail.",
                 "9: Vie d'\xE9vasion ou d'id\xE9"
                 "al."}},
           Case{"22/10/1980",
                "22 = 4",
                "10 = 1",
                "1980 = 9",
                "5",
                {"4: Travail et productivit\xE9, r\xE9"
                 "alisations durables.",
                 "1: Ind\xE9pendance, habilet\xE9.",
                 "9: Vie publique, \xE9tranger, accomplissements importants.",
                 "5: Vie de mobilit\xE9 et de changements."}},
           Case{"05/07/1969",
                "05 = 5",
                "07 = 7",
                "1969 = 7",
                "1",
                {"5: Vie sous le signe de la mobilit\xE9 et du changement.",
                 "7: R\xE9"
                 "flexion, \xE9tudes, solitude.",
                 "7: Recherche, isolement, ind\xE9pendance.", "1: Vie d'action individuelle."}},
       }) {
    const BirthDateResult result = computeBirthDate(bornOn(c.date));
    EXPECT_EQ(result.dayLine, c.dayLine) << c.date;
    EXPECT_EQ(result.monthLine, c.monthLine) << c.date;
    EXPECT_EQ(result.yearLine, c.yearLine) << c.date;
    EXPECT_EQ(result.lifePath, c.lifePath) << c.date;
    std::vector<Text> expected = c.readingLines;
    expected.push_back(tableText(LifePathTexts, c.lifePath));
    expected.push_back("");
    EXPECT_EQ(splitCrLf(result.reading), expected) << c.date;
  }
}

TEST(BirthDate, EveryLineSurvivesTheMemoEvenWithoutAReading) {
  EXPECT_EQ(cleanMemoLines(computeBirthDate(bornOn("29/02/2000")).reading).front(), "11: ");
}

TEST(BirthDate, Failures) {
  struct Case {
    const char* date;
    bool missing;  // else a conversion error
    const char* message;
  };
  for (const Case& c : {
           Case{"", true, "Date de naissance manquante"},
           Case{"19/04/195", true, "Date de naissance manquante"},
           Case{"19/04/19500", true, "Date de naissance manquante"},
           Case{"ab/04/1950", false, "'ab' n'est pas une valeur enti\xE8re correcte"},
           Case{"19/04/19x0", false, "'19x0' n'est pas une valeur enti\xE8re correcte"},
       }) {
    try {
      computeBirthDate(bornOn(c.date));
      ADD_FAILURE() << "no error for " << c.date;
    } catch (const UserMessage& e) {
      EXPECT_TRUE(c.missing) << c.date;
      EXPECT_EQ(e.message(), c.message) << c.date;
    } catch (const ConversionError& e) {
      EXPECT_FALSE(c.missing) << c.date;
      EXPECT_EQ(e.message(), c.message) << c.date;
    }
  }
}

}  // namespace
}  // namespace tessaro
