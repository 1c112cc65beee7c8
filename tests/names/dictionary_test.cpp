#include "names/dictionary.h"

#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
#include "common/errors.h"

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
