#include "names/workshop.h"

#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
#include "names/workshop_table.h"

namespace tessaro {
namespace {

StudySubject nameOf(Text first, Text last) {
  StudySubject subject;
  subject.FirstName = std::move(first);
  subject.LastName = std::move(last);
  return subject;
}

TEST(NameWorkshop, CandidateNumbersWithTheLastName) {
  struct Case {
    StudySubject current;
    Text candidate;
    NumberText intimate, expression, realisation, active, hereditary;
    Text missing, fills;
  };
  const Case cases[] = {
      // The last name alone misses 1 8 9; the candidate brings 1 and 9.
      {nameOf("", "DUPONT"), "JEAN-PIERRE", "7", "11", "4", "11", "9", "8 ", "1 9 "},
      {nameOf("", "DUPONT"), "ANNE", "6", "7", "1", "7", "9", "8 9 ", "1 "},
      // A digit the current first name gives is no fill, and one that goes missing is no loss.
      {nameOf("JEAN-PIERRE", "DUPONT"), "ANNE", "6", "7", "1", "7", "9", "8 9 ", ""},
      {nameOf("", "ZOLA"), "EMILE", "8", "8", "9", "8", "9", "2 7 ", "4 5 9 "},
      // ë is a vowel only: it changes the intimate number and fills no digit.
      {nameOf("", "DUPONT"), "NOëL"_cp1252, "2", "5", "8", "5", "9", "1 8 9 ", ""},
      // Accented capitals have no value: no active number, as a study of that name shows it.
      {nameOf("", "DUPONT"), "ÉÉ"_cp1252, "9", "9", "9", "", "9", "1 8 9 ", ""},
  };
  for (const Case& c : cases) {
    const NameWorkshop workshop(c.current);
    const CandidateNumbers n = workshop.numbersFor(c.candidate);
    SCOPED_TRACE(c.current.FirstName + " " + c.current.LastName + " / " + c.candidate);
    EXPECT_EQ(n.firstName, c.candidate);
    EXPECT_EQ(n.intimate, c.intimate);
    EXPECT_EQ(n.expression, c.expression);
    EXPECT_EQ(n.realisation, c.realisation);
    EXPECT_EQ(n.active, c.active);
    EXPECT_EQ(n.hereditary, c.hereditary);
    EXPECT_EQ(n.missing, c.missing);
    EXPECT_EQ(n.fills, c.fills);
  }
}

TEST(NameWorkshop, CurrentNameHasItsOwnNumbers) {
  const NameWorkshop workshop(nameOf("JEAN-PIERRE", "DUPONT"));
  EXPECT_EQ(workshop.currentNumbers().expression, "11");
  EXPECT_EQ(workshop.currentNumbers().missing, "8 ");
  EXPECT_EQ(workshop.currentNumbers().digitCounts[5], 5);
}

TEST(NameWorkshop, FiltersMustAllHold) {
  const NameWorkshop workshop(nameOf("", "DUPONT"));
  const CandidateNumbers jeanPierre = workshop.numbersFor("JEAN-PIERRE");  // 7 11 4 11, fills 1 9
  const CandidateNumbers anne = workshop.numbersFor("ANNE");               // 6 7 1 7, fills 1
  const auto filled = [](std::string_view digits) {
    CandidateFilter filter;
    EXPECT_TRUE(parseDigitList(digits, filter.mustFill));
    return filter;
  };
  struct Case {
    const char* what;
    CandidateFilter filter;
    bool keepsJeanPierre, keepsAnne;
  };
  const Case cases[] = {
      {"none", {}, true, true},
      {"intimate 7", {"7", "", "", "", {}}, true, false},
      {"expression 11, a master number kept as such", {"", "11", "", "", {}}, true, false},
      {"expression 2, not 11 reduced", {"", "2", "", "", {}}, false, false},
      {"realisation 1", {"", "", "1", "", {}}, false, true},
      {"active 7", {"", "", "", "7", {}}, false, true},
      {"intimate 6 and active 11", {"6", "", "", "11", {}}, false, false},
      {"fills 1", filled("1"), true, true},
      {"fills 1 and 9", filled("1 9"), true, false},
      {"fills 8, which neither brings", filled("8"), false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.filter.accepts(jeanPierre), c.keepsJeanPierre) << c.what;
    EXPECT_EQ(c.filter.accepts(anne), c.keepsAnne) << c.what;
  }
}

TEST(NameWorkshop, DigitListsTakeOnlyDigitsOneToNine) {
  const struct {
    const char* text;
    bool valid;
    std::array<bool, 10> digits;
  } cases[] = {
      {"2 7", true, {false, false, true, false, false, false, false, true, false, false}},
      {" 9  9 ", true, {false, false, false, false, false, false, false, false, false, true}},
      {"", true, {}},
      {"0", false, {}},
      {"2,7", false, {}},
      {"11", true, {false, true}},
  };
  for (const auto& c : cases) {
    std::array<bool, 10> digits{};
    EXPECT_EQ(parseDigitList(c.text, digits), c.valid) << c.text;
    if (c.valid) {
      EXPECT_EQ(digits, c.digits) << c.text;
    }
  }
}

TEST(NameWorkshop, DictionaryCandidatesInFileOrderWithOriginAndFeast) {
  const std::vector<Text> lines = {
      "<ADRIEN\tOrigine latine, fête le 8 septembre"_cp1252,
      "Un corps",
      ">",
      "hors record <PAS",
      "<JEAN-PIERRE\tPrénom composé, fête le 24 juin et le 29 juin"_cp1252,
      ">",
      "<Zoé \t Sans virgule "_cp1252,
      "<LUC",
  };
  const std::vector<DictionaryCandidate> candidates = dictionaryCandidates(lines);
  ASSERT_EQ(candidates.size(), 4u);
  EXPECT_EQ(candidates[0].firstName, "ADRIEN");
  EXPECT_EQ(candidates[0].origin, "Origine latine");
  EXPECT_EQ(candidates[0].feast, "fête le 8 septembre"_cp1252);
  EXPECT_EQ(candidates[1].origin, "Prénom composé"_cp1252);
  EXPECT_EQ(candidates[1].feast, "fête le 24 juin et le 29 juin"_cp1252);
  // A name written otherwise is taken as a study would store it when typed.
  EXPECT_EQ(candidates[2].firstName, "ZOé"_cp1252);
  EXPECT_EQ(candidates[2].origin, "Sans virgule");
  EXPECT_EQ(candidates[2].feast, "");
  EXPECT_EQ(candidates[3].firstName, "LUC");
  EXPECT_EQ(candidates[3].origin, "");
}

TEST(NameWorkshop, TypedNamesStoredAsTheNewStudyDialogStoresThem) {
  EXPECT_EQ(storedFirstName("  jean-pierre "), "JEAN-PIERRE");
  EXPECT_EQ(storedFirstName("noël"_cp1252), "NOëL"_cp1252);
  EXPECT_EQ(storedFirstName("marie claire"), "MARIE CLAIRE");
}

}  // namespace
}  // namespace tessaro

namespace tessaro {
namespace {

TEST(WorkshopTable, CsvAsAFrenchSpreadsheetReadsIt) {
  const NameWorkshop workshop(nameOf("", "DUPONT"));
  const WorkshopRow anne{workshop.numbersFor("ANNE"), "Origine hébraïque"_cp1252, "fête le 26 juillet"_cp1252,
                         true};
  const WorkshopRow odd{workshop.numbersFor("NOëL"_cp1252), "a;b", "dit \"Noé\""_cp1252, false};
  const std::string csv = workshopCsv({&anne, &odd});
  EXPECT_EQ(csv,
            "\xEF\xBB\xBF"
            "Prénom;Intime;Expression;Réalisation;Actif;Manquants;Comble;Origine;Fête\r\n"
            "ANNE;6;7;1;7;8 9;1;Origine hébraïque;fête le 26 juillet\r\n"
            "NOëL;2;5;8;5;1 8 9;;\"a;b\";\"dit \"\"Noé\"\"\"\r\n");
}

}  // namespace
}  // namespace tessaro
