// Tests of the help file reader: topics, chapters, context numbers, keywords, links and problems.
#include "help/help_file.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "help/help_on_help.h"

namespace tessaro {
namespace {

const char* const Sample =
    "; a remark\r\n"
    "# Sommaire\r\n"
    "@contexte 3 4\r\n"
    "Voir {Fichiers} puis\r\n"
    "  {Les nombres}.\r\n"
    "\r\n"
    "- un point\r\n"
    "  qui continue\r\n"
    "- un autre\r\n"
    "= Le menu Fichier\n"
    "# Fichiers\n"
    "@index fichier;  ouvrir ; ;enregistrer\n"
    "@contexte 5\n"
    "Texte.\r"
    "=\n"
    "# Les nombres\n"
    "Retour au {Sommaire}.\n";

TEST(HelpFile, ReadsTopicsChaptersAndDirectives) {
  const HelpFile file = HelpFile::parse(Sample);
  ASSERT_EQ(file.topics().size(), 3u);
  EXPECT_TRUE(file.problems().empty());
  const HelpTopic& first = file.topics()[0];
  EXPECT_EQ(first.title, "Sommaire");
  EXPECT_EQ(first.chapter, "");
  EXPECT_EQ(first.contexts, (std::vector<int32_t>{3, 4}));
  EXPECT_EQ(file.topics()[1].chapter, "Le menu Fichier");
  EXPECT_EQ(file.topics()[1].keywords, (std::vector<Text>{"fichier", "ouvrir", "enregistrer"}));
  EXPECT_EQ(file.topics()[2].chapter, "");
  EXPECT_EQ(file.topicOfContext(4), 0u);
  EXPECT_EQ(file.topicOfContext(5), 1u);
  EXPECT_EQ(file.topicOfContext(6), std::nullopt);
  EXPECT_EQ(file.topicTitled("Les nombres"), 2u);
  EXPECT_EQ(file.topicTitled("les nombres"), std::nullopt);
}

TEST(HelpFile, JoinsLinesIntoParagraphsAndResolvesLinks) {
  const HelpFile file = HelpFile::parse(Sample);
  const std::vector<HelpParagraph> expected = {
      {false, {{"Voir ", {}}, {"Fichiers", 1}, {" puis ", {}}, {"Les nombres", 2}, {".", {}}}},
      {true, {{"un point qui continue", {}}}},
      {true, {{"un autre", {}}}},
  };
  EXPECT_EQ(file.topics()[0].paragraphs, expected);
  EXPECT_EQ(file.topics()[2].paragraphs,
            (std::vector<HelpParagraph>{{false, {{"Retour au ", {}}, {"Sommaire", 0}, {".", {}}}}}));
}

TEST(HelpFile, DamagedLinesAreSkippedAndReported) {
  struct Case {
    const char* text;
    size_t line;
    const char* problem;
  };
  const Case cases[] = {
      {"perdu\n# A\nx", 1, "text before the first topic"},
      {"# A\n@contexte trois\nx", 2, "context number expected, not 'trois'"},
      {"# A\n@contexte\nx", 2, "@contexte without a number"},
      {"# A\n@contexte 7\nx\n# B\n@contexte 7\ny", 5, "context 7 already opens 'A'"},
      {"# A\n@index ; ;\nx", 2, "@index without a keyword"},
      {"# A\n@titre B\nx", 2, "unknown directive @titre"},
      {"# A\nx\n# A\ny", 3, "second topic titled 'A'"},
      {"#\nx", 1, "topic without a title"},
      {"# A\n\n# B\ny", 1, "topic 'A' has no text"},
      {"# A\nvoir\n{Rien} ici", 2, "link to no topic: 'Rien'"},
      {"# A\nvoir {A", 2, "link not closed by '}'"},
  };
  for (const Case& c : cases) {
    const HelpFile file = HelpFile::parse(c.text);
    ASSERT_EQ(file.problems().size(), 1u) << c.text;
    EXPECT_EQ(file.problems()[0].line, c.line) << c.text;
    EXPECT_EQ(file.problems()[0].description, c.problem) << c.text;
  }
}

TEST(HelpFile, WhatCannotBeResolvedStaysAsPlainText) {
  const HelpFile file = HelpFile::parse("# A\n@contexte 2 x 9\nvoir {Rien} et {A} puis {B");
  EXPECT_EQ(file.topics()[0].contexts, (std::vector<int32_t>{2, 9}));
  EXPECT_EQ(file.topics()[0].paragraphs[0].spans,
            (std::vector<HelpSpan>{{"voir Rien et ", {}}, {"A", 0}, {" puis {B", {}}}));
}

TEST(HelpFile, AnEmptyLinkLeadsNowhereEvenWithAnUntitledTopic) {
  const HelpFile file = HelpFile::parse("# A\nvoir { } ici\n#\nz");
  EXPECT_EQ(file.topics()[0].paragraphs[0].spans, (std::vector<HelpSpan>{{"voir  ici", {}}}));
  ASSERT_EQ(file.problems().size(), 2u);
  EXPECT_EQ(file.problems()[1].line, 2u);
  EXPECT_EQ(file.problems()[1].description, "link to no topic: ''");
}

TEST(HelpFile, EmptyOrMissingFile) {
  EXPECT_TRUE(HelpFile::parse("").empty());
  EXPECT_TRUE(HelpFile::parse("\r\n; nothing\r\n").problems().empty());
  try {
    HelpFile::load("/nonexistent/OrvTsr.hlp");
    FAIL();
  } catch (const FileError& e) {
    EXPECT_EQ(e.message(), "Ne peut ouvrir le fichier /nonexistent/OrvTsr.hlp\ndossier introuvable");
  }
}

TEST(HelpFile, HelpOnHelpIsOneCleanTopic) {
  const HelpFile& page = helpOnHelp();
  ASSERT_EQ(page.topics().size(), 1u);
  EXPECT_TRUE(page.problems().empty());
  EXPECT_EQ(page.topics()[0].title, "Utiliser l'aide");
  EXPECT_GE(page.topics()[0].paragraphs.size(), 4u);
}

}  // namespace
}  // namespace tessaro
