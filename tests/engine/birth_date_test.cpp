// The birth date analysis: its dialog lines, its readings and its failures.
#include "engine/birth_date.h"

#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
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
                {"1: Accomplissements personnels, vie active réussie."_cp1252,
                 "4: Labeur, limitations, parfois restrictions.", "6: Amour, responsabilités, succès."_cp1252,
                 "11: Vie d'inspiration et de maîtrise."_cp1252}},
           Case{"19/06/1950",
                "19 = 1",
                "06 = 6",
                "1950 = 6",
                "22",
                {"1: Accomplissements personnels, vie active réussie."_cp1252,
                 "6: Indécision, obligations, mariage."_cp1252, "6: Amour, responsabilités, succès."_cp1252,
                 "22: Vie d'accomplissements importants."}},
           // Day 29 is the only master day, and its table has no row for it.
           Case{"29/02/2000",
                "29 = 11",
                "02 = 2",
                "2000 = 2",
                "6",
                {"11: ", "2: Dépendance (influence de la mère, attirance vers le mariage)."_cp1252,
                 "2: Association, mariage.", "6: Vie de responsabilité et d'harmonie sentimentale."_cp1252}},
           // 11 and 22 are added up before the master numbers are looked for.
           Case{"11/12/1975",
                "11 = 2",
                "12 = 3",
                "1975 = 4",
                "9",
                {"2: Associations, contrats, mariage, réalisation en équipe."_cp1252,
                 "3: Expression, goûts artistiques, sociabilité."_cp1252, "4: Travail.",
                 "9: Vie d'évasion ou d'idéal."_cp1252}},
           Case{"22/10/1980",
                "22 = 4",
                "10 = 1",
                "1980 = 9",
                "5",
                {"4: Travail et productivité, réalisations durables."_cp1252,
                 "1: Indépendance, habileté."_cp1252,
                 "9: Vie publique, étranger, accomplissements importants."_cp1252,
                 "5: Vie de mobilité et de changements."_cp1252}},
           Case{"05/07/1969",
                "05 = 5",
                "07 = 7",
                "1969 = 7",
                "1",
                {"5: Vie sous le signe de la mobilité et du changement."_cp1252,
                 "7: Réflexion, études, solitude."_cp1252, "7: Recherche, isolement, indépendance."_cp1252,
                 "1: Vie d'action individuelle."}},
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
           Case{"ab/04/1950", false, "'ab' n'est pas une valeur entière correcte"_cp1252},
           Case{"19/04/19x0", false, "'19x0' n'est pas une valeur entière correcte"_cp1252},
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
