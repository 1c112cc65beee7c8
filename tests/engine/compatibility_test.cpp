// Compatibility of two people: digits, readings, silent stop, and the printed page.
#include "engine/compatibility.h"

#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "engine/text_table.h"
#include "engine/texts/compatibility_texts.h"

namespace tessaro {
namespace {

// The traits that open the expression reading of each digit used below.
const char* traits(int digit) {
  switch (digit) {
    case 2:
      return "Equilibre, diplomatie, tendance à la passivité. "_cp1252;
    case 3:
      return "Créativité, sociabilité, générosité, dispersion. "_cp1252;
    case 5:
      return "Adaptation, souplesse, mobilité, tendance à l'instabilité. "_cp1252;
    case 8:
      return "Energie, courage, esprit entreprenant. ";
    case 9:
      return "Altruisme, dévouement, tendance au désordre. "_cp1252;
  }
  return "";
}

TEST(Compatibility, WorkedPairs) {
  struct Case {
    PairNames names;
    const char* fullNames;
    int first;
    int second;
    const char* entente;
  };
  const char* accordTotal = "Accord total. Complicité pour des projets d'envergure."_cp1252;
  for (const Case& c : {
           // 54 gives 9; J1 E5 A1 N5 D4 U3 P7 O6 N5 T2 add up to 39, then 12, then 3.
           Case{{"MARIE", "DURAND", "JEAN", "DUPONT"}, "MARIE DURAND/JEAN DUPONT", 9, 3, accordTotal},
           Case{{"JEAN", "DUPONT", "MARIE", "DURAND"}, "JEAN DUPONT/MARIE DURAND", 3, 9, accordTotal},
           // Typed in lower case: a-z are upper-cased, the accented letter keeps its case (and value 5).
           Case{{"marie", "durand", "émile"_cp1252, "zola"},
                "MARIE DURAND/éMILE ZOLA"_cp1252,
                9,
                8,
                "Accord profond. Capacité constructive importante."_cp1252},
           Case{{"JEAN-JACQUES", "ROUSSEAU", "MARIE", "DURAND"},
                "JEAN-JACQUES ROUSSEAU/MARIE DURAND",
                9,
                9,
                "Beaucoup de compréhension. Merveilleux et idéal partagé."_cp1252},
           Case{{"EVE", "DUPONT", "PAUL", "DUPONT"},
                "EVE DUPONT/PAUL DUPONT",
                5,
                5,
                "Très bonne entente. Goût commun pour les voyages."_cp1252},
           // A blank inside a name stays in the caption and carries no digit.
           Case{{"MARIE", "DURAND", "JEAN PIERRE", "DUPONT"},
                "MARIE DURAND/JEAN PIERRE DUPONT",
                9,
                2,
                "Désacord. Beaucoup de tension et d'émotivité. Du calme !"_cp1252},
           // 83 would be the master 11 elsewhere; here it is brought down to 2.
           Case{{"JEAN-PIERRE", "DUPONT", "JEAN", "DUPONT"},
                "JEAN-PIERRE DUPONT/JEAN DUPONT",
                2,
                3,
                "Harmonie du coeur. Climat favorable au très grand amour."_cp1252},
       }) {
    const std::optional<CompatibilityResult> r = computeCompatibility(c.names);
    ASSERT_TRUE(r.has_value()) << c.fullNames;
    EXPECT_EQ(r->firstFullName + "/" + r->secondFullName, c.fullNames);
    EXPECT_EQ(r->firstNumber, std::to_string(c.first)) << c.fullNames;
    EXPECT_EQ(r->secondNumber, std::to_string(c.second)) << c.fullNames;

    // As the dialog shows it: each number's traits and "Amour" lines, the blank line, the verdict.
    const std::vector<Text> lines = cleanMemoLines(r->reading);
    ASSERT_EQ(lines.size(), 7u) << r->reading;
    EXPECT_EQ(lines[0], std::to_string(c.first) + ": " + traits(c.first));
    EXPECT_TRUE(lines[1].starts_with("Amour : ")) << lines[1];
    EXPECT_EQ(lines[2], std::to_string(c.second) + ": " + traits(c.second));
    EXPECT_TRUE(lines[3].starts_with("Amour : ")) << lines[3];
    EXPECT_EQ(lines[4], " ");
    EXPECT_EQ(lines[5], "Entente");
    EXPECT_EQ(lines[6], c.entente);
    EXPECT_EQ(r->reading.find("Travail"), Text::npos);
  }
}

TEST(Compatibility, StopsSilentlyWithoutTheSecondPerson) {
  for (const PairNames& names : {
           PairNames{"MARIE", "DURAND", "", "DUPONT"},
           PairNames{"MARIE", "DURAND", "JEAN", ""},
           // Not even the first person's names are looked at.
           PairNames{"", "", "", ""},
       }) {
    EXPECT_FALSE(computeCompatibility(names).has_value()) << names.secondFirstName << names.secondLastName;
  }
}

TEST(Compatibility, NamesWithoutValueMeetTheConversionError) {
  const Text message = formatMessage(NotAnIntegerPattern, "");
  for (const PairNames& names : {
           PairNames{"", "", "JEAN", "DUPONT"},
           PairNames{"MARIE", "DURAND", "---", "0"},
           PairNames{"MARIE", "DURAND", " ", " "},
       }) {
    try {
      computeCompatibility(names);
      ADD_FAILURE() << "no error for " << names.firstFirstName << "/" << names.secondFirstName;
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.message(), message);
    }
  }
}

TEST(Compatibility, ReadingHeadKeepsTraitsAndLoveLines) {
  for (int32_t number : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22}) {
    const std::vector<Text> parts = splitCrLf(expressionReadingHead(number));
    ASSERT_EQ(parts.size(), 3u) << number;
    EXPECT_TRUE(parts[0].ends_with(". ")) << number;
    EXPECT_TRUE(parts[1].starts_with("Amour : ")) << number;
    EXPECT_EQ(parts[2], "") << number;
  }
  EXPECT_EQ(expressionReadingHead(10), "");
}

// Every pair a <= b of digits has its one-line verdict; reversed and out-of-range keys have none.
TEST(CompatibilityTexts, OneLinePerPairOfDigits) {
  EXPECT_EQ(CompatibilityTexts.size(), 45u);
  for (int32_t a = 0; a <= 9; ++a) {
    for (int32_t b = 0; b <= 9; ++b) {
      const Text text = tableText(CompatibilityTexts, a * 10 + b);
      if (a >= 1 && a <= b) {
        EXPECT_FALSE(text.empty()) << a << b;
        EXPECT_EQ(text.find_first_of("\r\n"), Text::npos) << a << b;
        EXPECT_TRUE(text.ends_with(".") || text.ends_with("!")) << a << b;
      } else {
        EXPECT_EQ(text, "") << a << b;
      }
    }
  }
  // Rows given only by their opening go on after it.
  struct Opening {
    int32_t key;
    const char* text;
  };
  for (const Opening& o : {Opening{18, "Caractères qui s'affrontent. "_cp1252},
                           {33, "Relation idéale dans tous les domaines de la vie. "_cp1252},
                           {38, "Bonne entente sous le signe de l'originalité. "_cp1252}}) {
    EXPECT_TRUE(tableText(CompatibilityTexts, o.key).starts_with(o.text)) << o.key;
  }
  EXPECT_EQ(tableText(CompatibilityTexts, 15), "Amour fou, mais peu durable. souvent le coup de foudre.");
}

constexpr PageSize A4At300Dpi{2480, 3508, 210, 297};

TEST(CompatibilityPage, MillimetresToDevicePixels) {
  struct Case {
    PageSize page;
    int32_t millimetres;
    int32_t across;
    int32_t down;
  };
  for (const Case& c : {
           // 11.8 pixels per millimetre are truncated to 11; the 5 mm margin is added first.
           Case{A4At300Dpi, 20, 275, 275},
           Case{A4At300Dpi, 190, 2145, 2145},
           Case{A4At300Dpi, 0, 55, 55},
           // 720 by 360 dpi: 28 pixels per millimetre across, 14 down.
           Case{{5953, 4209, 210, 297}, 120, 3500, 1750},
       }) {
    EXPECT_EQ(Mh(c.page, c.millimetres), c.across) << c.millimetres;
    EXPECT_EQ(Mv(c.page, c.millimetres), c.down) << c.millimetres;
  }
}

TEST(CompatibilityPage, APageWithoutMillimetresIsReportedNotDividedBy) {
  for (const PageSize& page : {PageSize{2480, 3508, 0, 297}, PageSize{2480, 3508, 210, 0}}) {
    try {
      Mh(page, 20);
      Mv(page, 20);
      ADD_FAILURE() << page.widthMillimetres << "x" << page.heightMillimetres;
    } catch (const TessaroError& e) {
      EXPECT_EQ(e.message(), "Division par zéro"_cp1252);
    }
  }
}

TEST(CompatibilityPage, Layout) {
  const CompatibilityResult result{"MARIE DURAND", "JEAN DUPONT", "9", "3", ""};
  std::vector<Text> memo;
  for (int i = 0; i < 12; ++i) memo.push_back("ligne " + std::to_string(i));
  const CompatibilityPage page = compatibilityPage(A4At300Dpi, result, memo);

  EXPECT_EQ(page.frameLeft, 275);
  EXPECT_EQ(page.frameTop, 275);
  EXPECT_EQ(page.frameRight, 2145);
  EXPECT_EQ(page.frameBottom, 1375);
  EXPECT_EQ(page.title, "Entente entre MARIE DURAND et JEAN DUPONT");
  EXPECT_EQ(page.titleY, 385);

  // Names and numbers 5 mm apart, the memo from 65 mm on; the twelfth memo line sits on the
  // frame's lower edge, nothing is clipped.
  const std::vector<PageText> expected = {{"MARIE DURAND", 385, 495},
                                          {"Nombre d'expression : 9", 385, 550},
                                          {"JEAN DUPONT", 385, 605},
                                          {"Nombre d'expression : 3", 385, 660}};
  ASSERT_EQ(page.lines.size(), 16u);
  for (size_t i = 0; i < page.lines.size(); ++i) {
    const PageText want =
        i < 4 ? expected[i] : PageText{memo[i - 4], 385, 770 + 55 * static_cast<int32_t>(i - 4)};
    EXPECT_EQ(page.lines[i].text, want.text) << i;
    EXPECT_EQ(page.lines[i].x, want.x) << i;
    EXPECT_EQ(page.lines[i].y, want.y) << i;
  }
  EXPECT_EQ(page.lines.back().y, page.frameBottom);
}

TEST(CompatibilityPage, TitleIsCentred) {
  EXPECT_EQ(titleX(A4At300Dpi, 1000), 740);
  EXPECT_EQ(titleX(A4At300Dpi, 3000), -260);
}

}  // namespace
}  // namespace tessaro
