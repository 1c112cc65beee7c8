// Readings of the current life (Windows-1252).
#include "engine/texts/current_life_texts.h"

#include "common/cp1252_literal.h"

namespace tessaro {
namespace {

constexpr TableRow expressionAccordRows[] = {
    {1, "3 - 5 - 6 - 9"}, {2, "4 - 7 - 8"}, {3, "1 - 5 - 6 - 9"}, {4, "2 - 7 - 8"},     {5, "1 - 3 - 6 - 9"},
    {6, "1 - 3 - 5 - 9"}, {7, "2 - 4 - 8"}, {8, "2 - 4 - 7"},     {9, "1 - 3 - 5 - 6"},
};

constexpr TableRow companyRows[] = {
    {1,
     "Société qui fait preuve de dynamisme. "
     "Elle innove, prend des initiatives et s'impose souvent comme un meneur sur son marché."_cp1252},
    // "qualit‚s" is kept on purpose.
    {2,
     "Société qui affirme des qualit‚s de finesse et d'habileté. "
     "Elle réussit par la négociation et par des associations bien choisies."_cp1252},
    {3,
     "Beaucoup d'activité, de volonté de travail. "
     "Les contacts et la communication favorisent son essor. "
     "Attention à la dispersion."_cp1252},
    {4,
     "Beaucoup d'effort et de travail pour des résultats modestes. "
     "Mais la progression est sûre et les fondations sont solides."_cp1252},
    {5,
     "Entreprises ambitieuses et audacieuses. "
     "Les changements sont fréquents et les occasions nombreuses. "
     "Prudence dans les placements."_cp1252},
    {6,
     "Croissance harmonieuse et régulière. "
     "Bonne entente au sein de l'équipe et clientèle fidèle, attachée à la qualité du service."_cp1252},
    {7,
     "Force d'action très efficace et objectifs atteints. "
     "Réussite dans la recherche, la technique et les domaines spécialisés."_cp1252},
    // "‚norme" is kept on purpose.
    {8,
     "Dualité : réussite ‚norme et rapide, mais aussi risque de faillite et de pertes. "
     "Une gestion rigoureuse est indispensable."_cp1252},
    {9,
     "Entreprise dont les aspirations et les buts sont élevés. "
     "Rayonnement important, souvent bien au-delà des frontières."_cp1252},
};

}  // namespace

const std::span<const TableRow> ExpressionAccordTexts = expressionAccordRows;
const std::span<const TableRow> CompanyTexts = companyRows;

}  // namespace tessaro
