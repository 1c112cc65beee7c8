#include "engine/name_chart.h"

#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "engine/name_numbers.h"
#include "engine/texts/name_chart_texts.h"
#include "tests/engine/named_subject.h"

namespace tessaro {
namespace {

TEST(NameNumbers, FiveNumbersOfTheName) {
  struct Case {
    StudySubject subject;
    const char* intimate;
    const char* expression;
    const char* realisation;
    const char* active;
    const char* hereditary;
  };
  const Case cases[] = {
      // Vowels 34, letters 83, consonants 49 then 13, first name 56, last name 27.
      {named("JEAN-PIERRE", "DUPONT"), "7", "11", "4", "11", "9"},
      // A hyphen or a blank between the parts changes nothing.
      {named("JEAN PIERRE", "DUPONT"), "7", "11", "4", "11", "9"},
      {named("JEANPIERRE", "DUPONT"), "7", "11", "4", "11", "9"},
      // Vowels 19, letters 54, consonants 35, first name 28, last name 26.
      {named("MARIE", "DURAND"), "1", "9", "8", "1", "8"},
      // Vowels 33, letters 63, consonants 30, first name 34, last name 29.
      {named("JEAN-JACQUES", "ROUSSEAU"), "6", "9", "3", "7", "11"},
      // Lower-case é is a vowel worth 5: vowels 26, letters 44, consonants 18.
      {named("éMILE"_cp1252, "ZOLA"), "8", "8", "9", "8", "9"},
      // Letters add up to 22 exactly.
      {named("LUC", "DUMAS"), "7", "22", "6", "9", "4"},
      // No consonant: the realisation number is empty.
      {named("IO", "EAU"), "6", "6", "", "6", "9"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IntimateNumber(c.subject), c.intimate) << c.subject.FirstName;
    EXPECT_EQ(ExpressionNumber(c.subject), c.expression) << c.subject.FirstName;
    EXPECT_EQ(RealisationNumber(c.subject), c.realisation) << c.subject.FirstName;
    EXPECT_EQ(ActiveNumber(c.subject), c.active) << c.subject.FirstName;
    EXPECT_EQ(HereditaryNumber(c.subject), c.hereditary) << c.subject.FirstName;
  }
}

TEST(NameChart, ReadingHasOneLinePerNumberAndTheExpressionOnFour) {
  const NameChartResult result = computeNameChart(named("JEAN-PIERRE", "DUPONT"));
  EXPECT_EQ(result.intimate, "7");
  EXPECT_EQ(result.expression, "11");
  EXPECT_EQ(result.realisation, "4");
  EXPECT_EQ(result.active, "11");
  EXPECT_EQ(result.hereditary, "9");
  EXPECT_EQ(result.reading,
            "7: Vie intérieure. Désir d'indépendance et d'action individuelle.\r\n"
            "11: "_cp1252 +
                ExpressionNumberText(11) +
                "\r\n"
                "4: Travail constructif et patient. Réussite progressive.\r\n"
                "11: Force, maîtrise, nervosité.\r\n"
                "9: Dignité fierté."_cp1252);
  const std::vector<Text> lines = splitCrLf(result.reading);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[1], "11: Force morale et physique, inspiration, ascendant. ");
  EXPECT_EQ(lines[2].rfind("Amour : ", 0), 0u);
  EXPECT_EQ(lines[3].rfind("Travail : ", 0), 0u);
  EXPECT_EQ(lines[4].rfind("Santé : "_cp1252, 0), 0u);
}

TEST(NameChart, MasterNumberTwentyTwoGetsItsOwnRows) {
  const NameChartResult result = computeNameChart(named("LUC", "DUMAS"));
  EXPECT_EQ(result.expression, "22");
  const std::vector<Text> lines = splitCrLf(result.reading);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[1], "22: Maîtrise, esprit constructif, inspiration. "_cp1252);
}

TEST(NameChart, AnEmptyNumberStopsTheChart) {
  const Text message = "'' n'est pas une valeur entière correcte"_cp1252;
  const StudySubject subjects[] = {
      named("IO", "EAU"),           // no consonant
      named("BRR", "TT"),           // no vowel
      named("É"_cp1252, "DUPONT"),  // a first name without value
      named("MARIE", "-"),          // a last name without value
  };
  for (const StudySubject& subject : subjects) {
    try {
      computeNameChart(subject);
      ADD_FAILURE() << subject.FirstName << " " << subject.LastName;
    } catch (const ConversionError& error) {
      EXPECT_EQ(error.message(), message);
    }
  }
}

TEST(ExpressionNumberText, LineBreaksBeforeTheThreeMarkers) {
  EXPECT_EQ(ExpressionNumberText(0), "");
  EXPECT_EQ(ExpressionNumberText(10), "");
  for (const TableRow& row : ExpressionNumberTexts) {
    Text joined;
    for (const Text& line : splitCrLf(ExpressionNumberText(row.key))) joined += line;
    EXPECT_EQ(joined, row.text) << row.key;
    const std::vector<Text> lines = splitCrLf(ExpressionNumberText(row.key));
    ASSERT_EQ(lines.size(), 4u) << row.key;
    EXPECT_EQ(lines[1].rfind("Amour : ", 0), 0u) << row.key;
    EXPECT_EQ(lines[2].rfind("Travail : ", 0), 0u) << row.key;
    EXPECT_EQ(lines[3].rfind("Santé : "_cp1252, 0), 0u) << row.key;
    for (size_t k = 0; k < 3; ++k) EXPECT_EQ(lines[k].back(), ' ') << row.key;
  }
}

}  // namespace
}  // namespace tessaro
