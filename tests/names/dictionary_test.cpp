#include "names/dictionary.h"

#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "names/folded_name.h"

namespace tessaro {
namespace {

FirstNameDictionary dictionaryOf(std::vector<Text> lines) {
  FirstNameDictionary d;
  d.setLines(std::move(lines));
  return d;
}

TEST(Dictionary, ReadingJoinsTheBodyAfterNameAndSecondText) {
  auto d =
      dictionaryOf({"<ANNE\tOrigine hébraïque"_cp1252, "Douce et fidèle"_cp1252, "  aime la musique  ", ">"});
  d.LitPrenom();
  EXPECT_EQ(d.GetPrenom(), "ANNE\r\nOrigine hébraïque\r\n Douce et fidèle aime la musique"_cp1252);
  EXPECT_EQ(d.letterTabIndex(), 0);
}

TEST(Dictionary, ReadingVariants) {
  struct Case {
    std::vector<Text> lines;
    Text reading;
  };
  const Case cases[] = {
      {{"<PAUL", "Un corps", ">"}, "PAUL\r\n Un corps"},
      {{"<PAUL\t", "x", "  >  ", "after"}, "PAUL\r\n\r\n x"},
      {{"<PAUL\ta\tb", "x", ">"}, "PAUL\r\na\tb\r\n x"},
      {{"<PAUL", "x", "<ZOE", "y"}, "PAUL\r\n x <ZOE y"},  // no end line: runs on
      {{"<" + Text(2000, 'A')}, Text(1024, 'A') + "\r\n"},
  };
  for (const Case& c : cases) {
    auto d = dictionaryOf(c.lines);
    d.LitPrenom();
    EXPECT_EQ(d.GetPrenom(), c.reading);
  }
}

const std::vector<Text> Sample = {"<ANNE-MARIE\tx", "a", ">", "between", "<ANNE\ty", "b", ">",
                                  "<ZOE\tz",        "c", ">"};

TEST(Dictionary, SearchPrefersTheExactNameThenTheFirstContainingHeader) {
  auto d = dictionaryOf(Sample);
  EXPECT_TRUE(d.CherchePrenom("ANNE"));
  EXPECT_EQ(d.currentRecord(), 4);
  EXPECT_TRUE(d.CherchePrenom("MARIE"));
  EXPECT_EQ(d.currentRecord(), 0);
  EXPECT_TRUE(d.CherchePrenom("ZOE"));
  const Text zoe = d.GetPrenom();
  EXPECT_FALSE(d.CherchePrenom("LUC"));
  EXPECT_FALSE(d.CherchePrenom(""));
  EXPECT_EQ(d.currentRecord(), 7);
  EXPECT_EQ(d.GetPrenom(), zoe);
  EXPECT_EQ(d.readingFor("LUC"), "LUC\r\nCe prénom ne figure pas dans le dictionnaire."_cp1252);
  EXPECT_EQ(d.readingFor("ZOE"), zoe);
}

// A first name typed with accents or in small letters finds the record the dictionary writes in
// plain capitals; the exact search keeps its record where it finds one.
TEST(Dictionary, SearchFoldsCaseAndAccentsOnlyWhenTheExactSearchFindsNothing) {
  const std::vector<Text> lines = {
      "<HELENE\tgrec",       "a", ">", "<NOEL\tlatin", "b", ">", "<MARIE-NOEL\tx", "c", ">",
      "<FRANÇOIS\ty"_cp1252, "d", ">", "<FRANCOIS\tz", "e", ">", "<ZOE\tw",        "f", ">"};
  struct Case {
    const char* typed;  // Windows-1252, as a study holds it
    int32_t record;     // -1: not found
  };
  const Case cases[] = {
      {"HéLèNE"_cp1252, 0},
      {"NOëL"_cp1252, 3},
      {"MARIE-NOëL"_cp1252, 6},
      {"FRANÇOIS"_cp1252, 9},
      {"FRANçOIS"_cp1252, 9},
      {"francois", 9},
      {"FRANCOIS", 12},
      {"ZOé"_cp1252, 15},
      {"zoe", 15},
      {"éLèNE"_cp1252, 0},  // a header holding it, folded
      {"HÉLÈNE LA GRANDE"_cp1252, -1},
      {"LUC", -1},
  };
  for (const Case& c : cases) {
    auto d = dictionaryOf(lines);
    EXPECT_EQ(d.CherchePrenom(c.typed), c.record >= 0) << c.typed;
    if (c.record >= 0) {
      EXPECT_EQ(d.currentRecord(), c.record) << c.typed;
    }
  }
}

// The browser's folding: accents and case away, joined letters spread out.
TEST(FoldedName, FoldsAsAPersonReadsTheName) {
  const struct {
    const char* text;
    const char* folded;
  } cases[] = {
      {"éèêë ÉÈÊË"_cp1252, "EEEE EEEE"},
      {"àâä ÀÂÄ"_cp1252, "AAA AAA"},
      {"çÇ"_cp1252, "CC"},
      {"îïÎÏ"_cp1252, "IIII"},
      {"ôöÔÖ"_cp1252, "OOOO"},
      {"ùûüÙÛÜ"_cp1252, "UUUUUU"},
      {"œŒ"_cp1252, "OEOE"},
      {"æÆ"_cp1252, "AEAE"},
      {"az AZ", "AZ AZ"},
      {"zoé"_cp1252, "ZOE"},
      {"ÿŸ"_cp1252, "YY"},
      {"Jean-Marie 2", "JEAN-MARIE 2"},
  };
  for (const auto& c : cases) EXPECT_EQ(foldedName(c.text), c.folded) << c.text;
}

TEST(Dictionary, NavigationStaysAtTheEnds) {
  auto d = dictionaryOf(Sample);
  EXPECT_FALSE(d.Precedent());
  EXPECT_TRUE(d.Suivant());
  EXPECT_EQ(d.currentRecord(), 4);
  EXPECT_TRUE(d.Suivant());
  EXPECT_FALSE(d.Suivant());
  EXPECT_EQ(d.currentRecord(), 7);
  EXPECT_TRUE(d.selectLetter('A'));
  EXPECT_EQ(d.currentRecord(), 0);
  EXPECT_FALSE(d.selectLetter('Q'));
  EXPECT_EQ(d.currentRecord(), 0);
}

TEST(Dictionary, EmptyDictionaryChangesNothing) {
  FirstNameDictionary d;
  d.LitPrenom();
  EXPECT_EQ(d.GetPrenom(), "");
  EXPECT_FALSE(d.Suivant());
  EXPECT_FALSE(d.CherchePrenom("ANNE"));
  EXPECT_EQ(d.letterTabIndex(), -1);
}

TEST(Dictionary, MissingFileIsReportedAndLeavesItEmpty) {
  auto d = dictionaryOf(Sample);
  try {
    d.ChargePrenoms("/nonexistent/Prenoms.pre");
    FAIL();
  } catch (const FileError& e) {
    EXPECT_EQ(e.message(), "Ne peut ouvrir le fichier /nonexistent/Prenoms.pre\ndossier introuvable");
  }
  EXPECT_TRUE(d.empty());
}

TEST(Dictionary, LinesEndAtAnyLineBreak) {
  EXPECT_EQ(splitLines("a\r\nb\nc\rd\r\n"), (std::vector<Text>{"a", "b", "c", "d"}));
  EXPECT_EQ(splitLines("a\r\n\r\n"), (std::vector<Text>{"a", ""}));
}

}  // namespace
}  // namespace tessaro
