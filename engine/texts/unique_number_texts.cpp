// The readings of the unique number.
#include "engine/texts/unique_number_texts.h"

namespace tessaro {

const std::array<TableRow, 22> UniqueNumberTexts = {{
    {1, "Vie active, changements impr\xE9vus, instabilit\xE9."},
    {2,
     "Vie vari\xE9"
     "e, mais stable, r\xE9ussite avec le temps."},
    {3,
     "Ambitions favoris\xE9"
     "es, activit\xE9s intellectuelles."},
    {4, "Succ\xE8s mat\xE9riel, protections et appuis."},
    {5, "Ind\xE9pendance, protection spirituelle, luttes int\xE9rieures."},
    {6, "Instabilit\xE9, choix \xE0 faire (travail, amour), tentation."},
    {7, "R\xE9ussite apr\xE8s efforts et luttes, voyages."},
    {8, "Equilibre \xE0 trouver, sinon d\xE9sordre et pertes."},
    {9, "Difficult\xE9s \xE0 se fixer, prudence et sagesse, voyages."},
    {10, "Evolution avec hauts et bas, mais chance, voyages."},
    {11, "Triomphe dans la lutte, force."},
    {12, "Difficult\xE9s mat\xE9rielles, \xE9preuves, erreurs de chemin."},
    {13,
     "Destin\xE9"
     "e changeante, transformations radicales."},
    {14, "Changements en vue de l'\xE9quilibre, am\xE9liorations."},
    {15,
     "Attrait du bonheur physique et mat\xE9riel, exc\xE8s, d\xE9"
     "ceptions."},
    {16,
     "Destin irr\xE9gulier, recommencements apr\xE8s \xE9"
     "checs."},
    {17, "Vie r\xE9ussie avec aide ext\xE9rieure, chance."},
    {18, "Imagination, mais erreurs et tromperies d'autrui."},
    {19, "R\xE9ussite mat\xE9rielle et en amour, harmonie."},
    {20,
     "Surprises et r\xE9"
     "compenses des efforts, \xE9v\xE9nnements inattendus."},
    {21, "Inspiration et protection, r\xE9ussite, aboutissement heureux."},
    {22,
     "Vie instable, fausse route, n\xE9"
     "cessit\xE9 de faire face."},
}};

}  // namespace tessaro
