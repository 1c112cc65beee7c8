#include "reports/portrait.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/cp1252_literal.h"
#include "common/study_subject.h"
#include "names/dictionary.h"

namespace tessaro {
namespace {

StudySubject subject(Text first, Text last, Text birth, Text study) {
  StudySubject s;
  s.FirstName = std::move(first);
  s.LastName = std::move(last);
  s.BirthDate = std::move(birth);
  s.StudyDate = std::move(study);
  return s;
}

const StudySubject Dupont = subject("JEAN-PIERRE", "DUPONT", "07/03/1962", "05/01/2024");

// The paragraph that starts with the label, or a note saying it is missing.
Text lineStarting(const Portrait& p, std::string_view label) {
  for (const Text& line : p.paragraphs) {
    if (line.starts_with(label)) return line;
  }
  return "<no line starting with " + Text(label) + ">";
}

// The paragraphs after a heading, up to the next blank paragraph.
std::vector<Text> sectionAfter(const Portrait& p, std::string_view heading) {
  auto at = std::find(p.paragraphs.begin(), p.paragraphs.end(), Text(heading));
  if (at == p.paragraphs.end()) return {"<no heading " + Text(heading) + ">"};
  at += 2;  // the heading and its blank line
  auto end = std::find(at, p.paragraphs.end(), Text());
  return {at, end};
}

// The numbers and letters that open reading lines ("5: ...", " 3: ...", "J: ..."), in order;
// the further lines of a multi-line reading are passed over.
// The paragraphs between two headings.
std::vector<Text> sectionBetween(const Portrait& p, std::string_view heading, std::string_view next) {
  auto at = std::find(p.paragraphs.begin(), p.paragraphs.end(), Text(heading));
  auto end = std::find(at, p.paragraphs.end(), Text(next));
  if (at == p.paragraphs.end() || end == p.paragraphs.end()) return {"<no section " + Text(heading) + ">"};
  return {at + 2, end};
}

std::vector<Text> labels(const std::vector<Text>& lines) {
  std::vector<Text> result;
  for (const Text& line : lines) {
    const Text label = line.substr(0, line.find(": "));
    const bool number = !label.empty() && label.find_first_not_of(" 0123456789") == Text::npos;
    const bool letter = label.size() == 1 && ((label[0] >= 'A' && label[0] <= 'Z') || label[0] == '-');
    if (line.find(": ") != Text::npos && (number || letter)) result.push_back(label);
  }
  return result;
}

TEST(Portrait, NumbersPartOfJeanPierreDupont) {
  const Portrait p = buildPortrait(Dupont, false, nullptr);
  ASSERT_FALSE(p.error.has_value()) << *p.error;
  const std::vector<Text> expected = {
      "Analyse effectuée le 05/01/2024"_cp1252,
      "",
      "Graphique de JEAN-PIERRE DUPONT\t\t\tNé(e) le 07/03/1962"_cp1252,
      "",
      "J = 1\tE = 5\tA = 1\tN = 5\tP = 7\tI = 9\tE = 5\tR = 9\tR = 9\tE = 5\t",
      "D = 4\tU = 3\tP = 7\tO = 6\tN = 5\tT = 2\t",
      "",
      "Nombre dominant :\t5 ",
      "Nombre manquant :\t8 ",
      "",
      "Nombre intime :\t\t7",
      "Nombre d'expression :\t11",
      "Nombre de réalisation :\t4"_cp1252,
      "Nombre actif :\t\t11",
      "Nombre héréditaire :\t9"_cp1252,
      "",
      "Initiales : \t\t\tJ.P.D.= 3",
      "Première voyelles du nom : \tU"_cp1252,
      "Lettres cérébrales : \t\t6"_cp1252,
      "Lettres physiques : \t\t4",
      "Lettres émotives : \t\t5"_cp1252,
      "Lettres intuitives : \t\t1",
      "",
      "Chemin de vie",
      "----------------",
      "Jour : \t\t07 = 7",
      "Mois : \t\t03 = 3",
      "Année : \t\t1962 = 9"_cp1252,
      "Chemin de vie : \t1",
      "",
      "Nombre Unique : \t21",
      "",
      "Nombre d'année personnelle : \t9"_cp1252,
      "Lettre de passage : \t\tN",
      "Repère avant anniversaire : \t2"_cp1252,
      "Repère après anniversaire : \t3"_cp1252,
      "Nombre des mois : \t\t1",
      "Nombre des jours : \t\t6",
      "",
      "Nombres de la chance : \t7, 7, 9, 21, 26, 44",
      "",
      "INTERPRETATION",
      "",
  };
  ASSERT_GE(p.paragraphs.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(p.paragraphs[i], expected[i]) << "paragraph " << i;
  EXPECT_EQ(p.digitCounts, (DigitCountArray{16, 2, 1, 1, 1, 5, 1, 2, 0, 3}));
}

TEST(Portrait, ReadingSectionsOfJeanPierreDupont) {
  const Portrait p = buildPortrait(Dupont, false, nullptr);
  // Each dominant entry ends with a blank line, the missing ones do not.
  EXPECT_EQ(sectionBetween(p, "Nombre dominant / manquant", "Graphique complet du nom"),
            (std::vector<Text>{"5: MOBILITE. Capacité de changer et de bouger."_cp1252,
                               "Dominant : Voyage, Esprit large.", "",
                               "8: EXPANSION MATERIELLE. Capacité de s'assumer."_cp1252,
                               "Manquant : Difficulté à maintenir l'équilibre."_cp1252, ""}));
  EXPECT_EQ(labels(sectionAfter(p, "Graphique complet du nom")),
            (std::vector<Text>{"7", "11", "4", "11", "9"}));
  EXPECT_EQ(labels(sectionAfter(p, "Lettres du nom")), (std::vector<Text>{" 3", "J", "P", "D", "U"}));
  EXPECT_EQ(labels(sectionAfter(p, "Date de naissance")).front(), "7");
  const std::vector<Text> year = sectionAfter(p, "L'année en cours"_cp1252);
  EXPECT_EQ(labels(year), (std::vector<Text>{"9", "N", "2", "3", "1", "6"}));
  EXPECT_EQ(p.paragraphs.back(), "");  // the current-year item ends with CR LF
  for (const Text& line : year) EXPECT_GT(line.size(), 4u) << "a reading is missing: " << line;
}

TEST(Portrait, DominantAndMissingLists) {
  struct Case {
    StudySubject s;
    const char* dominant;
    const char* missing;
    std::vector<Text> readings;
  };
  const Case cases[] = {
      // A J S = 1 1 1, B K T = 2 2 2: ones and twos share the largest count.
      {subject("AJS", "BKT", "01/01/2000", "01/01/2000"),
       "Nombre dominant :\t1 2 ",
       "Nombre manquant :\t3 4 5 6 7 8 9 ",
       {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
      // Every digit occurs, six twice: nothing missing, dominant readings only.
      {subject("ABCDEFGHI", "X", "01/01/2000", "01/01/2000"),
       "Nombre dominant :\t6 ",
       "Nombre manquant :\t",
       {"6"}},
  };
  for (const Case& c : cases) {
    const Portrait p = buildPortrait(c.s, false, nullptr);
    EXPECT_EQ(lineStarting(p, "Nombre dominant :"), c.dominant);
    EXPECT_EQ(lineStarting(p, "Nombre manquant :"), c.missing);
    EXPECT_EQ(labels(sectionBetween(p, "Nombre dominant / manquant", "Graphique complet du nom")),
              c.readings);
  }
}

TEST(Portrait, LastNameWithoutVowelUsesTheNoVowelReading) {
  const Portrait p = buildPortrait(subject("JEAN", "SMTH", "07/03/1962", "05/01/2024"), false, nullptr);
  EXPECT_EQ(lineStarting(p, "Première"_cp1252), "Première voyelles du nom : \t"_cp1252);
  // The no-vowel key has no reading: the item ends with the last initial's reading.
  EXPECT_EQ(labels(sectionAfter(p, "Lettres du nom")), (std::vector<Text>{" 2", "J", "S"}));
}

TEST(Portrait, MarkersAndTransitLetterFollowTheAge) {
  struct Case {
    const char* study;
    const char* transit;
    const char* before;
    const char* after;
  };
  // ANNA LI: name letters ANNALI.
  for (const Case& c : {Case{"10/10/2000", "A", "12", "1"}, Case{"10/10/2007", "N", "7", "8"},
                        Case{"10/10/2011", "I", "11", "12"}, Case{"10/10/2012", "A", "12", "1"},
                        Case{"10/10/2013", "N", "1", "2"}, Case{"10/10/2060", "-", "12", "1"}}) {
    const Portrait p = buildPortrait(subject("ANNA", "LI", "01/02/2000", c.study), false, nullptr);
    EXPECT_EQ(lineStarting(p, "Lettre de passage"), "Lettre de passage : \t\t" + Text(c.transit)) << c.study;
    EXPECT_EQ(lineStarting(p, "Repère avant"_cp1252),
              "Repère avant anniversaire : \t"_cp1252 + Text(c.before))
        << c.study;
    EXPECT_EQ(lineStarting(p, "Repère après"_cp1252), "Repère après anniversaire : \t"_cp1252 + Text(c.after))
        << c.study;
  }
  const Portrait none = buildPortrait(subject("ANNA", "LI", "01/02/2000", "10/10/2060"), false, nullptr);
  EXPECT_EQ(sectionAfter(none, "L'année en cours"_cp1252)[1], "-: Aucune lettre de passage pour cette date.");
}

TEST(Portrait, DayTwentyNineAddsElevenToTheSecondLuckValue) {
  // AJ: intimate 1; birth 29/01/2000: day 11; study 2000: personal year 29+1+2000 = 2030 -> 5.
  // Unique: active AJ 2, hereditary B 2, date sum 29+1+2000 = 2030 -> 5; 2+2+5 = 9.
  // Values: 9+5+29+1 = 44; 9+11+5+1 = 26; 9; 5; 29; 1.
  const Portrait p = buildPortrait(subject("AJ", "B", "29/01/2000", "01/01/2000"), false, nullptr);
  EXPECT_EQ(lineStarting(p, "Jour : "), "Jour : \t\t29 = 11");
  EXPECT_EQ(lineStarting(p, "Nombres de la chance"), "Nombres de la chance : \t1, 5, 9, 26, 29, 44");
}

TEST(Portrait, FirstNameReadingIsAddedOnlyWhenAskedFor) {
  FirstNameDictionary dictionary;
  dictionary.setLines({"<JEAN-PIERRE\tOrigine", "Un texte", ">"});
  const Portrait without = buildPortrait(Dupont, false, &dictionary);
  const Portrait with = buildPortrait(Dupont, true, &dictionary);
  ASSERT_EQ(with.paragraphs.size(), without.paragraphs.size() + 5);
  EXPECT_TRUE(std::equal(without.paragraphs.begin(), without.paragraphs.end(), with.paragraphs.begin()));
  const std::vector<Text> tail(with.paragraphs.end() - 5, with.paragraphs.end());
  EXPECT_EQ(tail, (std::vector<Text>{"LE PRENOM", "", "JEAN-PIERRE", "Origine", " Un texte"}));

  const Portrait unknown =
      buildPortrait(subject("ZOE", "DUPONT", "07/03/1962", "05/01/2024"), true, &dictionary);
  EXPECT_EQ(unknown.paragraphs.back(), "Ce prénom ne figure pas dans le dictionnaire."_cp1252);
}

TEST(Portrait, ConversionErrorKeepsWhatWasWritten) {
  struct Case {
    StudySubject s;
    const char* error;
    const char* lastLine;
  };
  const Case cases[] = {
      // A short birth date leaves out the life path and stops at the unique number.
      {subject("JEAN", "DUPONT", "7/3/1962", "05/01/2024"), "'' n'est pas une valeur entière correcte"_cp1252,
       "Lettres intuitives : \t\t1"},
      // A short study date leaves out the current year and stops at the luck numbers.
      {subject("JEAN", "DUPONT", "07/03/1962", "5/1/2024"), "'' n'est pas une valeur entière correcte"_cp1252,
       "Nombre Unique : \t13"},
      // A last name without any coded letter: the hereditary number is empty.
      {subject("JEAN", "ÉÉ"_cp1252, "07/03/1962", "05/01/2024"),
       "'' n'est pas une valeur entière correcte"_cp1252, "Chemin de vie : \t1"},
  };
  for (const Case& c : cases) {
    const Portrait p = buildPortrait(c.s, false, nullptr);
    ASSERT_TRUE(p.error.has_value()) << c.s.BirthDate;
    EXPECT_EQ(*p.error, c.error);
    std::vector<Text> written = p.paragraphs;
    while (!written.empty() && written.back().empty()) written.pop_back();
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(written.back(), c.lastLine);
  }
}

TEST(Portrait, RunningTwiceGivesTheSameDocument) {
  EXPECT_EQ(buildPortrait(Dupont, false, nullptr).paragraphs,
            buildPortrait(Dupont, false, nullptr).paragraphs);
  EXPECT_EQ(portraitPlainText(Portrait{{"a", "", "b"}, {}, {}}), "a\r\n\r\nb\r\n");
}

}  // namespace
}  // namespace tessaro
