#include <gtest/gtest.h>

#include <set>

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
      {IntimateNumberTexts, 6, "Int\xE9r\xEAts artistiques. d\xE9sir d'harmonie et d'\xE9quilibre."},
      {IntimateNumberTexts, 22, "d\xE9sir d'\xE9l\xE9vation et aspirations universelles. Travail ambitieux."},
      {RealisationNumberTexts, 7, "Initiatives originales (inventions) vie active ind\xE9pendante."},
      {ActiveNumberTexts, 22,
       "Id\xE9"
       "al, aspirations \xE9lev\xE9"
       "es, r\xE9"
       "alisation."},
      {HereditaryNumberTexts, 9, "Dignit\xE9 fiert\xE9."},
      {InitialsNumberTexts, 11, "Inspiration, ma\xEEtrise."},
      {LetterTexts, 2, "(lettre \xE9motive) Sentimentalit\xE9 r\xE9serve."},
      {LetterTexts, 26, "(lettre \xE9motive) Doute, mat\xE9rialit\xE9."},
      {FirstVowelTexts, 4, "O: Force int\xE9rieure, discr\xE9tion des sentiments, secret."},
      {VenusCapacityTexts, 4,
       "REALISATION. Capacit\xE9 de travailler et de construire.|   Manquant : Difficult\xE9s \xE0 "
       "organiser, manque de "
       "stabilit\xE9.|   Dominant : Qualit\xE9 d'ordre et de pers\xE9v\xE9rence."},
      {VenusCapacityTexts, 9,
       "ALTRUISME. Capacit\xE9 de se d\xE9vouer.|   et de s'int\xE9resser \xE0 autrui.|   Manquant : Manque "
       "d'int\xE9r\xEAt pour les "
       "autres|   Dominant : Qualit\xE9s de d\xE9vouement et d'altruisme."},
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
      {8, "Volont\xE9 d'acqu\xE9rir. ", 2},
      {9,
       "D\xE9sir de r\xE9"
       "aliser un id\xE9"
       "al ou une vocation. ",
       3},
      {11,
       "D\xE9sir de s'imposer en r\xE9"
       "alisant ses ambitions ou un id\xE9"
       "al. ",
       2},
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
      {1, "Volont\xE9 autorit\xE9. confiance en soi. Ambition. "},
      {2, "Equilibre, diplomatie, tendance \xE0 la passivit\xE9. "},
      {3,
       "Cr\xE9"
       "ativit\xE9, sociabilit\xE9, g\xE9n\xE9rosit\xE9, dispersion. "},
      {4, "Patience, stabilit\xE9, pers\xE9v\xE9rance, tendance \xE0 la routine. "},
      {5, "Adaptation, souplesse, mobilit\xE9, tendance \xE0 l'instabilit\xE9. "},
      {6, "Charme, esprit conciliant,tendance \xE0 la facilit\xE9. "},
      {7, "Analyse, go\xFBt de l'\xE9tude, culte de l'amiti\xE9. "},
      {8, "Energie, courage, esprit entreprenant. "},
      {9, "Altruisme, d\xE9vouement, tendance au d\xE9sordre. "},
      {11, "Force morale et physique, inspiration, ascendant. "},
      {22, "Ma\xEEtrise, esprit constructif, inspiration. "},
  };
  const std::string_view markers[] = {"Amour : ", "Travail : ", "Sant\xE9 : "};
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
    for (std::string_view word : {"Amour", "Travail", "Sant\xE9"}) {
      EXPECT_EQ(row.find(word), row.rfind(word)) << key << ": " << word;
    }
  }
}

TEST(NameTexts, LetterRowsNameTheLettersClassAndVowelRowsTheirVowel) {
  const std::pair<std::string_view, std::string_view> classes[] = {{"AGHJLNP",
                                                                    "(lettre c\xE9r\xE9"
                                                                    "brale) "},
                                                                   {"DEMW", "(lettre physique) "},
                                                                   {"BIORSTXZ", "(lettre \xE9motive) "},
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
    EXPECT_NE(segments[0].find(". Capacit\xE9 "), std::string_view::npos) << row.key;
    for (size_t k = 1; k < segments.size(); ++k) {
      EXPECT_TRUE(startsWith(segments[k], "   ") && segments[k][3] != ' ') << row.key;
    }
    EXPECT_TRUE(startsWith(segments[segments.size() - 2], "   Manquant : ")) << row.key;
    EXPECT_TRUE(startsWith(segments.back(), "   Dominant : ")) << row.key;
  }
}

}  // namespace
}  // namespace tessaro
