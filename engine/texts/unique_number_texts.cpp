// The readings of the unique number.
#include "engine/texts/unique_number_texts.h"

#include "common/cp1252_literal.h"

namespace tessaro {

const std::array<TableRow, 22> UniqueNumberTexts = {{
    {1, "Vie active, changements imprévus, instabilité."_cp1252},
    {2, "Vie variée, mais stable, réussite avec le temps."_cp1252},
    {3, "Ambitions favorisées, activités intellectuelles."_cp1252},
    {4, "Succès matériel, protections et appuis."_cp1252},
    {5, "Indépendance, protection spirituelle, luttes intérieures."_cp1252},
    {6, "Instabilité, choix à faire (travail, amour), tentation."_cp1252},
    {7, "Réussite après efforts et luttes, voyages."_cp1252},
    {8, "Equilibre à trouver, sinon désordre et pertes."_cp1252},
    {9, "Difficultés à se fixer, prudence et sagesse, voyages."_cp1252},
    {10, "Evolution avec hauts et bas, mais chance, voyages."_cp1252},
    {11, "Triomphe dans la lutte, force."_cp1252},
    {12, "Difficultés matérielles, épreuves, erreurs de chemin."_cp1252},
    {13, "Destinée changeante, transformations radicales."_cp1252},
    {14, "Changements en vue de l'équilibre, améliorations."_cp1252},
    {15, "Attrait du bonheur physique et matériel, excès, déceptions."_cp1252},
    {16, "Destin irrégulier, recommencements après échecs."_cp1252},
    {17, "Vie réussie avec aide extérieure, chance."_cp1252},
    {18, "Imagination, mais erreurs et tromperies d'autrui."_cp1252},
    {19, "Réussite matérielle et en amour, harmonie."_cp1252},
    // "événnements" is kept on purpose.
    {20, "Surprises et récompenses des efforts, événnements inattendus."_cp1252},
    {21, "Inspiration et protection, réussite, aboutissement heureux."_cp1252},
    {22, "Vie instable, fausse route, nécessité de faire face."_cp1252},
}};

}  // namespace tessaro
