// Checks of the help file that ships with the program: clean, tied to every menu, searchable.
#include <gtest/gtest.h>

#include "common/cp1252_literal.h"
#include "common/file_io.h"
#include "help/help_file.h"
#include "help/keyword_index.h"

namespace tessaro {
namespace {

const std::string ShippedPath = std::string(TESSARO_SOURCE_DATA_DIR) + "/" + HelpFileName;

TEST(ShippedHelp, IsWindows1252WithCrLfLineEnds) {
  const std::string bytes = readWholeFile(ShippedPath);
  EXPECT_EQ(bytes.find("Ã©"_cp1252), std::string::npos) << "UTF-8 left in the file";
  EXPECT_NE(bytes.find("é"_cp1252), std::string::npos);
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
    }
  }
}

TEST(ShippedHelp, ReadsWithoutProblems) {
  const HelpFile help = HelpFile::load(ShippedPath);
  for (const HelpProblem& p : help.problems()) ADD_FAILURE() << "line " << p.line << ": " << p.description;
  ASSERT_GE(help.topics().size(), 20u);
  EXPECT_EQ(help.topics()[0].title, "Sommaire");
  for (const HelpTopic& topic : help.topics()) {
    EXPECT_FALSE(topic.keywords.empty()) << topic.title;
    EXPECT_FALSE(topic.paragraphs.empty()) << topic.title;
  }
}

TEST(ShippedHelp, ContentsHasItsChaptersInOrder) {
  const HelpFile help = HelpFile::load(ShippedPath);
  std::vector<Text> chapters;
  for (const HelpTopic& topic : help.topics()) {
    if (!topic.chapter.empty() && (chapters.empty() || chapters.back() != topic.chapter)) {
      chapters.push_back(topic.chapter);
    }
  }
  EXPECT_EQ(chapters, (std::vector<Text>{"Les menus", "Commencer une étude"_cp1252, "Les analyses",
                                         "Le portrait et l'éditeur"_cp1252, "Les fichiers",
                                         "Les prénoms"_cp1252, "Les utilitaires"}));
}

TEST(ShippedHelp, EveryMenuHasItsTopic) {
  const HelpFile help = HelpFile::load(ShippedPath);
  const struct {
    int32_t context;
    const char* title;
  } menus[] = {
      {3, "Le menu Fichier"},        {4, "Le menu Edition"},     {5, "Le menu Tessaro"},
      {6, "Le menu Prénoms"_cp1252}, {7, "Le menu Utilitaires"}, {8, "Le menu Aide"},
  };
  for (const auto& menu : menus) {
    const auto topic = help.topicOfContext(menu.context);
    ASSERT_TRUE(topic) << menu.context;
    EXPECT_EQ(help.topics()[*topic].title, menu.title);
  }
}

TEST(ShippedHelp, KeywordsLeadToTheTopicsThatExplainThem) {
  const HelpFile help = HelpFile::load(ShippedPath);
  const auto index = buildKeywordIndex(help.topics());
  const struct {
    const char* partial;
    const char* topic;
  } cases[] = {
      {"etoile de v", "L'étoile de Vénus"_cp1252},
      {"CHEMIN", "La date de naissance et le chemin de vie"},
      {"dictio", "Le dictionnaire des prénoms"_cp1252},
      {"export", "Exporter le portrait"},
      {"horl", "L'horloge"},
      {"nombre intime", "Le graphique complet"},
      {"dettes karm", "Les cycles de vie"},
      {"trouver des", "Le calendrier personnel"},
      {"atelier", "L'atelier des prénoms"_cp1252},
      {"comble", "L'atelier des prénoms"_cp1252},
      {"pdf", "Exporter le portrait"},
      {"exporter en p", "Exporter le portrait"},
      {"etudes rec", "Enregistrer une étude"_cp1252},
      {"chercher un pr", "Le dictionnaire des prénoms"_cp1252},
      {"recherche d'un", "Le dictionnaire des prénoms"_cp1252},
  };
  for (const auto& c : cases) {
    const auto entry = findPartialKey(index, c.partial);
    ASSERT_TRUE(entry) << c.partial;
    ASSERT_FALSE(index[*entry].topics.empty());
    EXPECT_EQ(help.topics()[index[*entry].topics.front()].title, c.topic) << c.partial;
  }
}

}  // namespace
}  // namespace tessaro
