// The French readings of the date analyses: their rows, openings, markers and lengths.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <span>

#include "common/cp1252_literal.h"
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
       {{1, "Accomplissements personnels, vie active réussie."_cp1252},
        {9, "Vie publique, relations avec l'étranger, mariage difficile."_cp1252}}},
      {"BirthMonthTexts",
       BirthMonthTexts,
       keysFrom(1, 12),
       0,
       0,
       {{3, "Expression, goûts artistiques, sociabilité."_cp1252},
        {11, "combativité, nervosité, activité."_cp1252}}},
      {"BirthYearTexts",
       BirthYearTexts,
       keysFrom(1, 9),
       0,
       0,
       {{4, "Travail."}, {9, "Vie publique, étranger, accomplissements importants."_cp1252}}},
      {"LifePathTitles",
       LifePathTitles,
       LifePathKeys,
       0,
       0,
       {{9, "Vie d'évasion ou d'idéal."_cp1252}, {11, "Vie d'inspiration et de maîtrise."_cp1252}}},
      {"LifePathTexts",
       LifePathTexts,
       LifePathKeys,
       108,
       230,
       {{1, "C'est un chemin qui favorise la réussite personnelle"_cp1252},
        {2, "C'est un chemin qui favorise l'association et le mariage"},
        {3, "C'est un chemin qui favorise les activités de contact"_cp1252},
        {4, "C'est un chemin qui favorise les succès par le travail"_cp1252},
        {5,
         "C'est un chemin qui favorise les changements dans tous les domaines, les voyages, les "
         "activités physiques"_cp1252},
        {6, "Ce chemin implique des choix à faire pas toujours faciles. "_cp1252},
        {7, "C'est un chemin de vie qui favorise les travaux de l'esprit"},
        {8, "C'est un chemin qui favorise les ambitions, les réalisations"_cp1252},
        {9, "C'est un chemin qui favorise les voyages"},
        {11,
         "C'est un chemin qui favorise l'accomplissement de réalisations ambitieuses ou originales"_cp1252},
        {22, "C'est un chemin qui favorise les projets de haut niveau"}}},
      {"UniqueNumberTexts",
       UniqueNumberTexts,
       keysFrom(1, 22),
       0,
       0,
       {{1, "Vie active, changements imprévus, instabilité."_cp1252},
        {20, "Surprises et récompenses des efforts, événnements inattendus."_cp1252},
        {22, "Vie instable, fausse route, nécessité de faire face."_cp1252}}},
      {"PersonalYearTexts",
       PersonalYearTexts,
       keysFrom(1, 9),
       186,
       227,
       {{1, "Avancement personnel. Travail : "},
        {2, "Relations avec autrui au premier plan. Travail : "},
        {3, "Année agréable. Succès. Relations publiques. Créativité. Travail : "_cp1252},
        {4, "Année de travail et d'efforts. Quelques restrictions. Travail : "_cp1252},
        {5, "Changement, épanouissement. Progrès ou chute. Travail : "_cp1252},
        {6, "Année de responsabilité. Le foyer et la famille. Travail : "_cp1252},
        {7, "Année propice à la réflexion et au calme. Ralentissement. Travail : "_cp1252},
        {8, "Année d'engagement et d'accomplissement. Vie matérielle. Travail : "_cp1252},
        {9, "Année de bilan et de préparation. Fin d'un cycle. Travail : "_cp1252}}},
      {"TransitLetterTexts",
       TransitLetterTexts,
       keysFrom(1, 26),
       52,
       114,
       {{1, "Lettre positive : Changements bénéfique."_cp1252},
        {2, "Lettre négative : Problèmes de santé."_cp1252},
        {3, "Lettre positive : Réussite. Voyages. bonheur affectif."_cp1252},
        {4, "Lettre négative : Ennuis et soucis au foyer."_cp1252},
        {5, "Lettre positive : Bonne période sur tous les plans"_cp1252},
        {6, "Lettre négative : Problèmes familiaux."_cp1252},
        {7, "Lettre positive : Sur le plan matériel et des finances."_cp1252},
        {8, "Lettre neutre : Hauts et bas rapides dans tous les domaines"},
        {9, "Lettre négative : Retards."_cp1252},
        {10, "Lettre positive : Succès et satisfaction dans tous les domaines."_cp1252},
        {11, "Lettre positive : Réussite, réalisation des ambitions"_cp1252},
        {12, "Lettre positive : Année heureuse sur tous les plans."_cp1252},
        {13, "Lettre négative : Problèmes de santé. Changements désagréables."_cp1252},
        {14, "Lettre positive : Changements favorables."},
        {15, "Lettre positive : Bonne santé."_cp1252},
        {16, "Lettre négative : Année difficile dans tous les domaines."_cp1252},
        {17, "Lettre positive : Affaire prospŠres et succès financiers."_cp1252},
        {18, "Lettre négative : Vie physique et matérielle menacée"_cp1252},
        {19, "Lettre positive : Transformation agréable de l'existence (tous domaines)."_cp1252},
        {20, "Lettre positive : Satisfactions sur tous les plans."},
        {21, "Lettre négative : Difficultés matérielles : pertes financières."_cp1252},
        {22, "Lettre positive : Succès et réussite."_cp1252},
        {23, "Lettre neutre : Instabilité générale sur tous les plans."_cp1252},
        {24, "Lettre positive : Dans le domaine du travail et des affaires."},
        {25, "Lettre neutre : Choix à faire qui ne sont pas toujours faciles."_cp1252},
        {26, "Lettre positive : Réalisations matérielles qui aboutissent au succès."_cp1252}}},
      {"AnniversaryMarkerTexts",
       AnniversaryMarkerTexts,
       keysFrom(1, 12),
       72,
       134,
       {{1, "Début d'action."_cp1252},
        {2, "Surveiller la santé."_cp1252},
        {3, "Aide de l'extérieur."_cp1252},
        {4, "La famille et le foyer sont au premier plan."},
        {5, "Période favorable aux loisirs et à la détente, aux relations sentimentales."_cp1252},
        {6, "Période favorable aux affaires financières."_cp1252},
        {7, "L'accent est mis sur le mariage ou des relations proches (union-association)."},
        {8, "Risques de problèmes de santé et d'ennuis."_cp1252},
        {9, "Evasioné voyages."_cp1252},
        {10, "La situation sociale et professionnelle sont prédominants."_cp1252},
        {11, "Période favorable à des projets et à de nouvelles aspirations."_cp1252},
        {12, "Soucis et angoisses."}}},
      {"PeriodNumberTexts",
       PeriodNumberTexts,
       keysFrom(1, 9),
       137,
       203,
       {{1, "Idéal pour commencer une activité."_cp1252},
        {2, "Idéal pour rencontrer des amis ou pour obtenir l'aide."_cp1252},
        {3, "Idéal pour les relations et les contacts."_cp1252},
        {4, "Idéal pour le travail et la vie matérielle."_cp1252},
        {5, "Idéal pour le changement et les voyages."_cp1252},
        {6, "Idéal pour l'amour et l'amitié."_cp1252},
        {7, "Idéal pour la réflexion, l'analyse et l'étude."_cp1252},
        {8, "Idéal pour les affaires et l'argent."_cp1252},
        {9, "Idéal pour achever un travail en cours ou pour conclure une affaire."_cp1252}}},
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
                        row.text.starts_with("Lettre négative : "_cp1252) ||
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
