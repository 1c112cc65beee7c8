// Readings of the current life (Windows-1252).
#include "engine/texts/current_life_texts.h"

namespace tessaro {
namespace {

constexpr TableRow expressionAccordRows[] = {
    {1, "3 - 5 - 6 - 9"}, {2, "4 - 7 - 8"}, {3, "1 - 5 - 6 - 9"}, {4, "2 - 7 - 8"},     {5, "1 - 3 - 6 - 9"},
    {6, "1 - 3 - 5 - 9"}, {7, "2 - 4 - 8"}, {8, "2 - 4 - 7"},     {9, "1 - 3 - 5 - 6"},
};

// "qualit\x82s" and "\x82norme" are the program's own spellings and stay as they are.
constexpr TableRow companyRows[] = {
    {1,
     "Soci\xE9t\xE9 qui fait preuve de dynamisme. "
     "Elle innove, prend des initiatives et s'impose souvent comme un meneur sur son march\xE9."},
    {2,
     "Soci\xE9t\xE9 qui affirme des qualit\x82s de finesse et d'habilet\xE9. "
     "Elle r\xE9ussit par la n\xE9gociation et par des associations bien choisies."},
    {3,
     "Beaucoup d'activit\xE9, de volont\xE9 de travail. "
     "Les contacts et la communication favorisent son essor. "
     "Attention \xE0 la dispersion."},
    {4,
     "Beaucoup d'effort et de travail pour des r\xE9sultats modestes. "
     "Mais la progression est s\xFBre et les fondations sont solides."},
    {5,
     "Entreprises ambitieuses et audacieuses. "
     "Les changements sont fr\xE9quents et les occasions nombreuses. "
     "Prudence dans les placements."},
    {6,
     "Croissance harmonieuse et r\xE9guli\xE8re. "
     "Bonne entente au sein de l'\xE9quipe et client\xE8le fid\xE8le, attach\xE9"
     "e \xE0 la qualit\xE9 du service."},
    {7,
     "Force d'action tr\xE8s efficace et objectifs atteints. "
     "R\xE9ussite dans la recherche, la technique et les domaines sp\xE9"
     "cialis\xE9s."},
    {8,
     "Dualit\xE9 : r\xE9ussite \x82norme et rapide, mais aussi risque de faillite et de pertes. "
     "Une gestion rigoureuse est indispensable."},
    {9,
     "Entreprise dont les aspirations et les buts sont \xE9lev\xE9s. "
     "Rayonnement important, souvent bien au-del\xE0 des fronti\xE8res."},
};

}  // namespace

const std::span<const TableRow> ExpressionAccordTexts = expressionAccordRows;
const std::span<const TableRow> CompanyTexts = companyRows;

}  // namespace tessaro
