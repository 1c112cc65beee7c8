// Current life: the four numbers, the readings text, the missing-address and no-company rules.
#include "engine/current_life.h"

#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "engine/text_table.h"
#include "engine/texts/current_life_texts.h"

namespace tessaro {
namespace {

StudySubject subject(const char* firstName, const char* lastName, const char* address, const char* city,
                     const char* company) {
  StudySubject s;
  s.FirstName = firstName;
  s.LastName = lastName;
  s.Address = address;
  s.PostcodeCity = city;
  s.Company = company;
  return s;
}

const Text Heading = "Accord avec le nombre d'expression\r\n";
const Text CompanySection = " \r\nSociété\r\n"_cp1252;
// MARIE DURAND: letters 28 + 26 = 54, expression number 9.
const Text MarieSections = Heading + "9 est en accord avec 1 - 3 - 5 - 6\r\n" + CompanySection;
const Text NoCompany = "Aucune société indiquée."_cp1252;

TEST(CurrentLife, NumbersAndReadings) {
  struct Case {
    StudySubject subject;
    CurrentLifeResult expected;
  };
  for (const Case& c : {
           // 75010 PARIS: the zeros count for nothing, 7 5 1 and PARIS add up to 40. The street
           // adds 47: the address number is taken over street and city together, 87.
           Case{subject("MARIE", "DURAND", "12 RUE DES LILAS", "75010 PARIS", ""),
                {"9", "4", "6", "", MarieSections + NoCompany}},
           Case{subject("MARIE", "DURAND", "12 RUE DES LILAS", "75010 PARIS", "ACME"),
                {"9", "4", "6", "4", MarieSections + "4: " + tableText(CompanyTexts, 4)}},
           // No accord row for 11 and no company row for 11: both lines end after their lead-in.
           // 1 RUE A then 10000: 1 + 9 + 3 + 5 + 1 + 1 = 20.
           Case{subject("JEAN-PIERRE", "DUPONT", "1 RUE A", "10000", "29"),
                {"11", "1", "2", "11", Heading + "11 est en accord avec \r\n" + CompanySection + "11: "}},
           // Nothing of value in the city, nor in the street: both numbers stay empty.
           Case{subject("MARIE", "DURAND", "000 -", "0000 ?", ""),
                {"9", "", "", "", MarieSections + NoCompany}},
       }) {
    const CurrentLifeResult r = computeCurrentLife(c.subject);
    EXPECT_EQ(r.expression, c.expected.expression) << c.subject.Address;
    EXPECT_EQ(r.city, c.expected.city) << c.subject.Address;
    EXPECT_EQ(r.address, c.expected.address) << c.subject.Address;
    EXPECT_EQ(r.company, c.expected.company) << c.subject.Address;
    EXPECT_EQ(r.reading, c.expected.reading) << c.subject.Address;
  }
}

TEST(CurrentLife, Failures) {
  struct Case {
    StudySubject subject;
    bool userMessage;
    const char* message;
  };
  const Text notAnInteger = formatMessage(NotAnIntegerPattern, "");
  for (const Case& c : {
           Case{subject("MARIE", "DURAND", "", "75010 PARIS", "ACME"), true, "Adresse manquante"},
           Case{subject("MARIE", "DURAND", "12 RUE DES LILAS", "", "ACME"), true, "Adresse manquante"},
           // The address is checked before anything is converted.
           Case{subject("-", "", "", "", "-"), true, "Adresse manquante"},
           Case{subject("-", "", "1 RUE A", "PARIS", "ACME"), false, notAnInteger.c_str()},
           // A company given without any character of value keeps the conversion error.
           Case{subject("MARIE", "DURAND", "1 RUE A", "PARIS", "&&"), false, notAnInteger.c_str()},
       }) {
    try {
      computeCurrentLife(c.subject);
      ADD_FAILURE() << "no error for " << c.subject.Address << "/" << c.subject.PostcodeCity;
    } catch (const UserMessage& e) {
      EXPECT_TRUE(c.userMessage) << c.message;
      EXPECT_EQ(e.message(), c.message);
    } catch (const ConversionError& e) {
      EXPECT_FALSE(c.userMessage) << c.message;
      EXPECT_EQ(e.message(), c.message);
    }
  }
}

size_t sentenceCount(std::string_view text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool stop = text[i] == '.' || text[i] == '!' || text[i] == '?';
    if (stop && (i + 1 == text.size() || text[i + 1] == ' ')) ++count;
  }
  return count;
}

TEST(CurrentLifeTexts, CompanyRowsOpenAsGivenWithinTheirLength) {
  const char* openings[] = {
      "Société qui fait preuve de dynamisme. "_cp1252,
      "Société qui affirme des qualit‚s de finesse et d'habileté. "_cp1252,
      "Beaucoup d'activité, de volonté de travail. "_cp1252,
      "Beaucoup d'effort et de travail pour des résultats modestes. "_cp1252,
      "Entreprises ambitieuses et audacieuses. ",
      "Croissance harmonieuse et régulière. "_cp1252,
      "Force d'action très efficace et objectifs atteints. "_cp1252,
      "Dualité : réussite ‚norme et rapide, mais aussi risque de faillite et de pertes. "_cp1252,
      "Entreprise dont les aspirations et les buts sont élevés. "_cp1252,
  };
  ASSERT_EQ(CompanyTexts.size(), 9u);
  for (int32_t key = 1; key <= 9; ++key) {
    const Text text = tableText(CompanyTexts, key);
    EXPECT_TRUE(text.starts_with(openings[key - 1])) << key;
    EXPECT_GE(text.size(), 80u) << key;
    EXPECT_LE(text.size(), 152u) << key;
    EXPECT_GE(sentenceCount(text), 2u) << key;
    EXPECT_LE(sentenceCount(text), 3u) << key;
  }
  EXPECT_EQ(tableText(CompanyTexts, 11), "");
}

// The accords fall into two families, {1 3 5 6 9} and {2 4 7 8}: each number lists the others of
// its own family in increasing order, which pins every row.
TEST(CurrentLifeTexts, AccordRowsListTheOtherNumbersOfTheirFamily) {
  const std::vector<std::vector<int32_t>> families = {{1, 3, 5, 6, 9}, {2, 4, 7, 8}};
  ASSERT_EQ(ExpressionAccordTexts.size(), 9u);
  for (const auto& family : families) {
    for (int32_t key : family) {
      Text expected;
      for (int32_t other : family) {
        if (other == key) continue;
        if (!expected.empty()) expected += " - ";
        expected += std::to_string(other);
      }
      EXPECT_EQ(tableText(ExpressionAccordTexts, key), expected) << key;
    }
  }
  EXPECT_EQ(tableText(ExpressionAccordTexts, 22), "");
}

}  // namespace
}  // namespace tessaro
