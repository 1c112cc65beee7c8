#include <gtest/gtest.h>

#include <set>

#include "common/cp1252_literal.h"
#include "engine/texts/interpretation_texts.h"
#include "engine/texts/name_chart_texts.h"
#include "engine/texts/name_letters_texts.h"

namespace tessaro {
namespace {

std::set<int32_t> keysOf(std::span<const TableRow> rows) {
  std::set<int32_t> keys;
  for (const TableRow& row : rows) EXPECT_TRUE(keys.insert(row.key).second) << "key twice: " << row.key;
  return keys;
}

std::set<int32_t> keyRange(int32_t first, int32_t last) {
  std::set<int32_t> keys;
  for (int32_t k = first; k <= last; ++k) keys.insert(k);
  return keys;
}

bool startsWith(std::string_view text, std::string_view opening) {
  return text.substr(0, opening.size()) == opening;
}

size_t sentenceCount(std::string_view text) {
  size_t count = 0;
  for (size_t at = text.find('.'); at != std::string_view::npos; at = text.find('.', at + 1)) {
    if (at + 1 == text.size() || text[at + 1] == ' ') ++count;
  }
  return count;
}

TEST(NameTexts, EveryTableHasExactlyItsKeys) {
  const std::set<int32_t> nameNumberKeys = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22};
  struct Case {
    const char* table;
    std::span<const TableRow> rows;
    std::set<int32_t> keys;
  };
  const Case cases[] = {
      {"VenusCapacityTexts", VenusCapacityTexts, keyRange(1, 9)},
      {"IntimateNumberTexts", IntimateNumberTexts, nameNumberKeys},
      {"ExpressionNumberTexts", ExpressionNumberTexts, nameNumberKeys},
      {"RealisationNumberTexts", RealisationNumberTexts, nameNumberKeys},
      {"ActiveNumberTexts", ActiveNumberTexts, nameNumberKeys},
      {"HereditaryNumberTexts", HereditaryNumberTexts, nameNumberKeys},
      {"InitialsNumberTexts", InitialsNumberTexts, nameNumberKeys},
      {"LetterTexts", LetterTexts, keyRange(1, 26)},
      {"FirstVowelTexts", FirstVowelTexts, keyRange(1, 6)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(keysOf(c.rows), c.keys) << c.table;
    for (const TableRow& row : c.rows) EXPECT_FALSE(row.text.empty()) << c.table << " " << row.key;
  }
}

TEST(NameTexts, RowsKeepTheirWordingOddSpellingsIncluded) {
  struct Case {
    std::span<const TableRow> rows;
    int32_t key;
    const char* text;
  };
  const Case cases[] = {
      {IntimateNumberTexts, 6, "Intérêts artistiques. désir d'harmonie et d'équilibre."_cp1252},
      {IntimateNumberTexts, 22, "désir d'élévation et aspirations universelles. Travail ambitieux."_cp1252},
      {RealisationNumberTexts, 7, "Initiatives originales (inventions) vie active indépendante."_cp1252},
      {ActiveNumberTexts, 22, "Idéal, aspirations élevées, réalisation."_cp1252},
      {HereditaryNumberTexts, 9, "Dignité fierté."_cp1252},
      {InitialsNumberTexts, 11, "Inspiration, maîtrise."_cp1252},
      {LetterTexts, 2, "(lettre émotive) Sentimentalité réserve."_cp1252},
      {LetterTexts, 26, "(lettre émotive) Doute, matérialité."_cp1252},
      {FirstVowelTexts, 4, "O: Force intérieure, discrétion des sentiments, secret."_cp1252},
      {VenusCapacityTexts, 4,
       "REALISATION. Capacité de travailler et de construire.|   Manquant : Difficultés à "
       "organiser, manque de "
       "stabilité.|   Dominant : Qualité d'ordre et de persévérence."_cp1252},
      {VenusCapacityTexts, 9,
       "ALTRUISME. Capacité de se dévouer.|   et de s'intéresser à autrui.|   Manquant : Manque "
       "d'intérêt pour les "
       "autres|   Dominant : Qualités de dévouement et d'altruisme."_cp1252},
  };
  for (const Case& c : cases) EXPECT_EQ(tableText(c.rows, c.key), c.text) << c.key;
}

TEST(NameTexts, IntimateRowsWithWrittenEndingsKeepTheirOpenings) {
  struct Case {
    int32_t key;
    const char* opening;
    size_t sentences;
  };
  const Case cases[] = {
      {8, "Volonté d'acquérir. "_cp1252, 2},
      {9, "Désir de réaliser un idéal ou une vocation. "_cp1252, 3},
      {11, "Désir de s'imposer en réalisant ses ambitions ou un idéal. "_cp1252, 2},
  };
  for (const Case& c : cases) {
    const Text row = tableText(IntimateNumberTexts, c.key);
    EXPECT_TRUE(startsWith(row, c.opening)) << row;
    EXPECT_EQ(sentenceCount(row), c.sentences) << row;
  }
  // Row 11 ends with one more word.
  const Text row11 = tableText(IntimateNumberTexts, 11);
  EXPECT_EQ(row11.find(' ', row11.rfind(". ") + 2), Text::npos) << row11;
}

TEST(NameTexts, ExpressionRowsAreTraitsThenOneSentenceOnLoveWorkAndHealth) {
  const std::pair<int32_t, const char*> traits[] = {
      {1, "Volonté autorité. confiance en soi. Ambition. "_cp1252},
      {2, "Equilibre, diplomatie, tendance à la passivité. "_cp1252},
      {3, "Créativité, sociabilité, générosité, dispersion. "_cp1252},
      {4, "Patience, stabilité, persévérance, tendance à la routine. "_cp1252},
      {5, "Adaptation, souplesse, mobilité, tendance à l'instabilité. "_cp1252},
      {6, "Charme, esprit conciliant,tendance à la facilité. "_cp1252},
      {7, "Analyse, goût de l'étude, culte de l'amitié. "_cp1252},
      {8, "Energie, courage, esprit entreprenant. "},
      {9, "Altruisme, dévouement, tendance au désordre. "_cp1252},
      {11, "Force morale et physique, inspiration, ascendant. "},
      {22, "Maîtrise, esprit constructif, inspiration. "_cp1252},
  };
  const std::string_view markers[] = {"Amour : ", "Travail : ", "Santé : "_cp1252};
  for (const auto& [key, trait] : traits) {
    const Text row = tableText(ExpressionNumberTexts, key);
    ASSERT_TRUE(startsWith(row, trait)) << row;
    std::string_view rest = std::string_view(row).substr(std::string_view(trait).size());
    for (size_t m = 0; m < 3; ++m) {
      ASSERT_TRUE(startsWith(rest, markers[m])) << key << ": " << rest;
      const size_t end = m < 2 ? rest.find(markers[m + 1]) : rest.size();
      ASSERT_NE(end, std::string_view::npos) << key;
      const std::string_view part = rest.substr(markers[m].size(), end - markers[m].size());
      EXPECT_EQ(sentenceCount(part), 1u) << key << ": " << part;
      EXPECT_EQ(part.back(), m < 2 ? ' ' : '.') << key << ": " << part;
      rest = rest.substr(end);
    }
    // Each marker word once, or the line breaks would land elsewhere.
    for (std::string_view word : {"Amour", "Travail", "Santé"_cp1252}) {
      EXPECT_EQ(row.find(word), row.rfind(word)) << key << ": " << word;
    }
  }
}

TEST(NameTexts, LetterRowsNameTheLettersClassAndVowelRowsTheirVowel) {
  const std::pair<std::string_view, std::string_view> classes[] = {{"AGHJLNP", "(lettre cérébrale) "_cp1252},
                                                                   {"DEMW", "(lettre physique) "},
                                                                   {"BIORSTXZ", "(lettre émotive) "_cp1252},
                                                                   {"CFKQUVY", "(lettre intuitive) "}};
  for (const auto& [letters, label] : classes) {
    for (char letter : letters) {
      EXPECT_TRUE(startsWith(tableText(LetterTexts, letter - 'A' + 1), label)) << letter;
    }
  }
  const std::string_view vowels = "AEIOUY";
  for (size_t k = 0; k < vowels.size(); ++k) {
    EXPECT_TRUE(
        startsWith(tableText(FirstVowelTexts, static_cast<int32_t>(k + 1)), Text(1, vowels[k]) + ": "));
  }
}

TEST(NameTexts, CapacityRowsAreTitleThenMissingThenDominantSegments) {
  for (const TableRow& row : VenusCapacityTexts) {
    std::vector<std::string_view> segments;
    std::string_view rest = row.text;
    for (size_t bar = rest.find('|'); bar != std::string_view::npos; bar = rest.find('|')) {
      segments.push_back(rest.substr(0, bar));
      rest = rest.substr(bar + 1);
    }
    segments.push_back(rest);
    ASSERT_EQ(segments.size(), row.key == 9 ? 4u : 3u) << row.key;
    EXPECT_NE(segments[0].find(". Capacité "_cp1252), std::string_view::npos) << row.key;
    for (size_t k = 1; k < segments.size(); ++k) {
      EXPECT_TRUE(startsWith(segments[k], "   ") && segments[k][3] != ' ') << row.key;
    }
    EXPECT_TRUE(startsWith(segments[segments.size() - 2], "   Manquant : ")) << row.key;
    EXPECT_TRUE(startsWith(segments.back(), "   Dominant : ")) << row.key;
  }
}

}  // namespace
}  // namespace tessaro
