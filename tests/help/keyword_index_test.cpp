// Tests of the help index: merging, accent-blind order and the search by the first letters.
#include "help/keyword_index.h"

#include <gtest/gtest.h>

#include "common/cp1252_literal.h"

namespace tessaro {
namespace {

std::vector<HelpTopic> topicsWith(std::vector<std::vector<Text>> keywordsPerTopic) {
  std::vector<HelpTopic> topics;
  for (auto& keywords : keywordsPerTopic) {
    HelpTopic topic;
    topic.keywords = std::move(keywords);
    topics.push_back(std::move(topic));
  }
  return topics;
}

TEST(KeywordIndex, KeysIgnoreCaseAndAccents) {
  const struct {
    Text keyword;
    Text key;
  } cases[] = {
      {"été"_cp1252, "ETE"},
      {"ÉTÉ"_cp1252, "ETE"},
      {"cœur"_cp1252, "COEUR"},
      {"Château"_cp1252, "CHATEAU"},
      {"naïve"_cp1252, "NAIVE"},
      {"français"_cp1252, "FRANCAIS"},
      {"où ÿ"_cp1252, "OU Y"},
      {"1/2 ×"_cp1252, "1/2 ×"_cp1252},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(keywordKey(c.keyword), c.key) << c.keyword;
}

TEST(KeywordIndex, SortsMergesAndKeepsTopicsInFileOrder) {
  const auto index = buildKeywordIndex(topicsWith(
      {{"étoile"_cp1252, "nombre"}, {"Etoile", "année"_cp1252, "etoile"}, {"Zodiaque", "année"_cp1252}}));
  ASSERT_EQ(index.size(), 4u);
  EXPECT_EQ(index[0].keyword, "année"_cp1252);
  EXPECT_EQ(index[0].topics, (std::vector<size_t>{1, 2}));
  EXPECT_EQ(index[1].keyword, "étoile"_cp1252);  // first spelling met, sorted among the E
  EXPECT_EQ(index[1].topics, (std::vector<size_t>{0, 1}));
  EXPECT_EQ(index[2].keyword, "nombre");
  EXPECT_EQ(index[3].keyword, "Zodiaque");
}

TEST(KeywordIndex, PartialKeyFindsTheFirstKeywordBeginningWithIt) {
  const auto index = buildKeywordIndex(
      topicsWith({{"calendrier", "calculatrice", "carte", "chance", "chemin de vie", "étoile"_cp1252}}));
  const struct {
    Text partial;
    std::optional<size_t> found;
  } cases[] = {
      {"", 0u},
      {"ca", 0u},
      {"CALE", 1u},
      {"car", 2u},
      {"ch", 3u},
      {"chemin d", 4u},
      {" etoi", 5u},
      {"É"_cp1252, 5u},
      {"cb", std::nullopt},
      {"zz", std::nullopt},
      {"cartes", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(findPartialKey(index, c.partial), c.found) << c.partial;
  EXPECT_EQ(findPartialKey({}, ""), std::nullopt);
}

}  // namespace
}  // namespace tessaro
