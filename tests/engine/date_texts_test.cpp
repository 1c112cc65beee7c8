// The French readings of the date analyses: their rows, openings, markers and lengths.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <span>

#include "engine/text_table.h"
#include "engine/texts/birth_date_texts.h"
#include "engine/texts/current_year_texts.h"
#include "engine/texts/unique_number_texts.h"

namespace tessaro {
namespace {

struct TableShape {
  const char* name;
  std::span<const TableRow> rows;
  std::vector<int32_t> keys;
  size_t shortest;  // length range in Windows-1252 characters; 0 when none is set
  size_t longest;
  std::map<int32_t, Text> openings;
};

std::vector<int32_t> keysFrom(int32_t first, int32_t last) {
  std::vector<int32_t> keys;
  for (int32_t k = first; k <= last; ++k) keys.push_back(k);
  return keys;
}

const std::vector<int32_t> LifePathKeys = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22};

// Sentences end at a full stop followed by a blank or the end; a text without a final stop has
// one more.
size_t sentenceCount(std::string_view text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '.' && (i + 1 == text.size() || text[i + 1] == ' ')) ++count;
  }
  return text.ends_with('.') ? count : count + 1;
}

TEST(DateReadings, RowsOpeningsAndLengths) {
  const std::vector<TableShape> tables = {
      {"BirthDayTexts",
       BirthDayTexts,
       keysFrom(1, 9),
       0,
       0,
       {{1, "Accomplissements personnels, vie active r\xE9ussie."},
        {9, "Vie publique, relations avec l'\xE9tranger, mariage difficile."}}},
      {"BirthMonthTexts",
       BirthMonthTexts,
       keysFrom(1, 12),
       0,
       0,
       {{3, "Expression, go\xFBts artistiques, sociabilit\xE9."},
        {11, "combativit\xE9, nervosit\xE9, activit\xE9."}}},
      {"BirthYearTexts",
       BirthYearTexts,
       keysFrom(1, 9),
       0,
       0,
       {{4, "Travail."}, {9, "Vie publique, \xE9tranger, accomplissements importants."}}},
      {"LifePathTitles",
       LifePathTitles,
       LifePathKeys,
       0,
       0,
       {{9,
         "Vie d'\xE9vasion ou d'id\xE9"
         "al."},
        {11, "Vie d'inspiration et de ma\xEEtrise."}}},
      {"LifePathTexts",
       LifePathTexts,
       LifePathKeys,
       108,
       230,
       {{1, "C'est un chemin qui favorise la r\xE9ussite personnelle"},
        {2, "C'est un chemin qui favorise l'association et le mariage"},
        {3, "C'est un chemin qui favorise les activit\xE9s de contact"},
        {4, "C'est un chemin qui favorise les succ\xE8s par le travail"},
        {5,
         "C'est un chemin qui favorise les changements dans tous les domaines, les voyages, les "
         "activit\xE9s physiques"},
        {6, "Ce chemin implique des choix \xE0 faire pas toujours faciles. "},
        {7, "C'est un chemin de vie qui favorise les travaux de l'esprit"},
        {8,
         "C'est un chemin qui favorise les ambitions, les r\xE9"
         "alisations"},
        {9, "C'est un chemin qui favorise les voyages"},
        {11,
         "C'est un chemin qui favorise l'accomplissement de r\xE9"
         "alisations ambitieuses ou originales"},
        {22, "C'est un chemin qui favorise les projets de haut niveau"}}},
      {"UniqueNumberTexts",
       UniqueNumberTexts,
       keysFrom(1, 22),
       0,
       0,
       {{1, "Vie active, changements impr\xE9vus, instabilit\xE9."},
        {20,
         "Surprises et r\xE9"
         "compenses des efforts, \xE9v\xE9nnements inattendus."},
        {22,
         "Vie instable, fausse route, n\xE9"
         "cessit\xE9 de faire face."}}},
      {"PersonalYearTexts",
       PersonalYearTexts,
       keysFrom(1, 9),
       186,
       227,
       {{1, "Avancement personnel. Travail : "},
        {2, "Relations avec autrui au premier plan. Travail : "},
        {3,
         "Ann\xE9"
         "e agr\xE9"
         "able. Succ\xE8s. Relations publiques. Cr\xE9"
         "ativit\xE9. Travail : "},
        {4,
         "Ann\xE9"
         "e de travail et d'efforts. Quelques restrictions. Travail : "},
        {5, "Changement, \xE9panouissement. Progr\xE8s ou chute. Travail : "},
        {6,
         "Ann\xE9"
         "e de responsabilit\xE9. Le foyer et la famille. Travail : "},
        {7,
         "Ann\xE9"
         "e propice \xE0 la r\xE9"
         "flexion et au calme. Ralentissement. Travail : "},
        {8,
         "Ann\xE9"
         "e d'engagement et d'accomplissement. Vie mat\xE9rielle. Travail : "},
        {9,
         "Ann\xE9"
         "e de bilan et de pr\xE9paration. Fin d'un cycle. Travail : "}}},
      {"TransitLetterTexts",
       TransitLetterTexts,
       keysFrom(1, 26),
       52,
       114,
       {{1,
         "Lettre positive : Changements b\xE9n\xE9"
         "fique."},
        {2, "Lettre n\xE9gative : Probl\xE8mes de sant\xE9."},
        {3, "Lettre positive : R\xE9ussite. Voyages. bonheur affectif."},
        {4, "Lettre n\xE9gative : Ennuis et soucis au foyer."},
        {5, "Lettre positive : Bonne p\xE9riode sur tous les plans"},
        {6, "Lettre n\xE9gative : Probl\xE8mes familiaux."},
        {7, "Lettre positive : Sur le plan mat\xE9riel et des finances."},
        {8, "Lettre neutre : Hauts et bas rapides dans tous les domaines"},
        {9, "Lettre n\xE9gative : Retards."},
        {10, "Lettre positive : Succ\xE8s et satisfaction dans tous les domaines."},
        {11,
         "Lettre positive : R\xE9ussite, r\xE9"
         "alisation des ambitions"},
        {12,
         "Lettre positive : Ann\xE9"
         "e heureuse sur tous les plans."},
        {13,
         "Lettre n\xE9gative : Probl\xE8mes de sant\xE9. Changements d\xE9sagr\xE9"
         "ables."},
        {14, "Lettre positive : Changements favorables."},
        {15, "Lettre positive : Bonne sant\xE9."},
        {16,
         "Lettre n\xE9gative : Ann\xE9"
         "e difficile dans tous les domaines."},
        {17, "Lettre positive : Affaire prosp\x8Ares et succ\xE8s financiers."},
        {18,
         "Lettre n\xE9gative : Vie physique et mat\xE9rielle menac\xE9"
         "e"},
        {19,
         "Lettre positive : Transformation agr\xE9"
         "able de l'existence (tous domaines)."},
        {20, "Lettre positive : Satisfactions sur tous les plans."},
        {21, "Lettre n\xE9gative : Difficult\xE9s mat\xE9rielles : pertes financi\xE8res."},
        {22, "Lettre positive : Succ\xE8s et r\xE9ussite."},
        {23, "Lettre neutre : Instabilit\xE9 g\xE9n\xE9rale sur tous les plans."},
        {24, "Lettre positive : Dans le domaine du travail et des affaires."},
        {25, "Lettre neutre : Choix \xE0 faire qui ne sont pas toujours faciles."},
        {26,
         "Lettre positive : R\xE9"
         "alisations mat\xE9rielles qui aboutissent au succ\xE8s."}}},
      {"AnniversaryMarkerTexts",
       AnniversaryMarkerTexts,
       keysFrom(1, 12),
       72,
       134,
       {{1,
         "D\xE9"
         "but d'action."},
        {2, "Surveiller la sant\xE9."},
        {3, "Aide de l'ext\xE9rieur."},
        {4, "La famille et le foyer sont au premier plan."},
        {5, "P\xE9riode favorable aux loisirs et \xE0 la d\xE9tente, aux relations sentimentales."},
        {6, "P\xE9riode favorable aux affaires financi\xE8res."},
        {7, "L'accent est mis sur le mariage ou des relations proches (union-association)."},
        {8, "Risques de probl\xE8mes de sant\xE9 et d'ennuis."},
        {9, "Evasion\xE9 voyages."},
        {10,
         "La situation sociale et professionnelle sont pr\xE9"
         "dominants."},
        {11, "P\xE9riode favorable \xE0 des projets et \xE0 de nouvelles aspirations."},
        {12, "Soucis et angoisses."}}},
      {"PeriodNumberTexts",
       PeriodNumberTexts,
       keysFrom(1, 9),
       137,
       203,
       {{1,
         "Id\xE9"
         "al pour commencer une activit\xE9."},
        {2,
         "Id\xE9"
         "al pour rencontrer des amis ou pour obtenir l'aide."},
        {3,
         "Id\xE9"
         "al pour les relations et les contacts."},
        {4,
         "Id\xE9"
         "al pour le travail et la vie mat\xE9rielle."},
        {5,
         "Id\xE9"
         "al pour le changement et les voyages."},
        {6,
         "Id\xE9"
         "al pour l'amour et l'amiti\xE9."},
        {7,
         "Id\xE9"
         "al pour la r\xE9"
         "flexion, l'analyse et l'\xE9tude."},
        {8,
         "Id\xE9"
         "al pour les affaires et l'argent."},
        {9,
         "Id\xE9"
         "al pour achever un travail en cours ou pour conclure une affaire."}}},
  };
  for (const TableShape& table : tables) {
    std::vector<int32_t> keys;
    for (const TableRow& row : table.rows) {
      keys.push_back(row.key);
      EXPECT_EQ(row.text.find_first_of("\r\n"), std::string_view::npos) << table.name << " " << row.key;
      if (table.longest != 0) {
        EXPECT_GE(row.text.size(), table.shortest) << table.name << " " << row.key;
        EXPECT_LE(row.text.size(), table.longest) << table.name << " " << row.key;
      }
    }
    EXPECT_EQ(keys, table.keys) << table.name;
    for (const auto& [key, opening] : table.openings) {
      EXPECT_TRUE(tableText(table.rows, key).starts_with(opening)) << table.name << " " << key;
    }
  }
}

TEST(DateReadings, StatedShapes) {
  for (const TableRow& row : LifePathTexts) {
    EXPECT_GE(sentenceCount(row.text), 2u) << row.key;
    EXPECT_LE(sentenceCount(row.text), 4u) << row.key;
    EXPECT_EQ(row.text.ends_with('.'), row.key != 7) << row.key;
  }
  for (const TableRow& row : AnniversaryMarkerTexts) {
    EXPECT_LE(sentenceCount(row.text), 5u) << row.key;
  }
  EXPECT_EQ(tableText(AnniversaryMarkerTexts, 7),
            "L'accent est mis sur le mariage ou des relations proches (union-association).");
  for (const TableRow& row : PersonalYearTexts) {
    const size_t work = row.text.find(". Travail : ");
    const size_t feelings = row.text.find(". Sentiments : ");
    const size_t money = row.text.find(". Argent : ");
    EXPECT_TRUE(work < feelings && feelings < money && money != std::string_view::npos) << row.key;
  }
  for (const TableRow& row : TransitLetterTexts) {
    const bool marked = row.text.starts_with("Lettre positive : ") ||
                        row.text.starts_with("Lettre n\xE9gative : ") ||
                        row.text.starts_with("Lettre neutre : ");
    EXPECT_TRUE(marked) << row.key;
  }
  for (const TableRow& row : PeriodNumberTexts) {
    const size_t bar = row.text.find("|   ");
    EXPECT_EQ(bar != std::string_view::npos, row.key == 8) << row.key;
    if (row.key == 8) {
      EXPECT_NE(row.text.find(' ', bar + 4), std::string_view::npos)
          << "the bar stands before the last words";
    }
  }
}

}  // namespace
}  // namespace tessaro
