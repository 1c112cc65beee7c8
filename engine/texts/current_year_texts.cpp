// The readings of the current year: personal year, transit letter, birthday markers and the
// numbers of the month and the day.
#include "engine/texts/current_year_texts.h"

namespace tessaro {

const std::array<TableRow, 9> PersonalYearTexts = {{
    {1,
     "Avancement personnel. Travail : p\xE9riode propice aux initiatives et aux nouveaux "
     "projets, il faut oser et d\xE9"
     "cider. Sentiments : besoin d'ind\xE9pendance, "
     "rencontres possibles. Argent : gains li\xE9s aux efforts personnels."},
    {2,
     "Relations avec autrui au premier plan. Travail : collaborations et associations "
     "favoris\xE9"
     "es, patience n\xE9"
     "cessaire. Sentiments : union, mariage ou "
     "rapprochement. Argent : stabilit\xE9, gains partag\xE9s avec un partenaire."},
    {3,
     "Ann\xE9"
     "e agr\xE9"
     "able. Succ\xE8s. Relations publiques. Cr\xE9"
     "ativit\xE9. "
     "Travail : r\xE9ussite dans la communication et les activit\xE9s artistiques. "
     "Sentiments : joie, amiti\xE9s nouvelles. Argent : d\xE9penses \xE0 surveiller."},
    {4,
     "Ann\xE9"
     "e de travail et d'efforts. Quelques restrictions. Travail : t\xE2"
     "ches "
     "lourdes mais constructives, organisation indispensable. Sentiments : stabilit\xE9, "
     "peu de fantaisie. Argent : prudence et \xE9"
     "conomies."},
    {5,
     "Changement, \xE9panouissement. Progr\xE8s ou chute. Travail : mutations, "
     "d\xE9placements, nouvelles orientations. Sentiments : rencontres impr\xE9vues, "
     "passions passag\xE8res. Argent : rentr\xE9"
     "es irr\xE9guli\xE8res, \xE9viter les "
     "risques."},
    {6,
     "Ann\xE9"
     "e de responsabilit\xE9. Le foyer et la famille. Travail : obligations "
     "accrues, reconnaissance des efforts. Sentiments : harmonie du couple, mariage ou "
     "naissance possible. Argent : d\xE9penses pour la maison."},
    {7,
     "Ann\xE9"
     "e propice \xE0 la r\xE9"
     "flexion et au calme. Ralentissement. Travail : "
     "\xE9tudes, recherches, projets m\xFBris en silence. Sentiments : besoin de solitude, "
     "relations plus distantes. Argent : gains modestes, prudence."},
    {8,
     "Ann\xE9"
     "e d'engagement et d'accomplissement. Vie mat\xE9rielle. Travail : "
     "promotion, responsabilit\xE9s, affaires importantes. Sentiments : relations solides "
     "mais exigeantes. Argent : rentr\xE9"
     "es favorables, placements heureux."},
    {9,
     "Ann\xE9"
     "e de bilan et de pr\xE9paration. Fin d'un cycle. Travail : ach\xE8vement "
     "des projets en cours, pas de nouveau d\xE9part. Sentiments : s\xE9parations ou "
     "d\xE9tachement, g\xE9n\xE9rosit\xE9. Argent : d\xE9penses, vieilles dettes \xE0 "
     "r\xE9gler."},
}};

const std::array<TableRow, 26> TransitLetterTexts = {{
    {1,
     "Lettre positive : Changements b\xE9n\xE9"
     "fique. Nouveaux d\xE9parts et initiatives "
     "heureuses."},
    {2,
     "Lettre n\xE9gative : Probl\xE8mes de sant\xE9. Fatigue et d\xE9"
     "couragement, "
     "prudence n\xE9"
     "cessaire."},
    {3, "Lettre positive : R\xE9ussite. Voyages. bonheur affectif."},
    {4, "Lettre n\xE9gative : Ennuis et soucis au foyer. Tensions familiales \xE0 apaiser."},
    {5,
     "Lettre positive : Bonne p\xE9riode sur tous les plans, surtout pour les contacts et "
     "les voyages."},
    {6,
     "Lettre n\xE9gative : Probl\xE8mes familiaux. Responsabilit\xE9s pesantes et "
     "d\xE9"
     "ceptions affectives."},
    {7,
     "Lettre positive : Sur le plan mat\xE9riel et des finances. Gains et placements "
     "r\xE9ussis."},
    {8, "Lettre neutre : Hauts et bas rapides dans tous les domaines"},
    {9, "Lettre n\xE9gative : Retards. Obstacles et contretemps, patience indispensable."},
    {10, "Lettre positive : Succ\xE8s et satisfaction dans tous les domaines."},
    {11,
     "Lettre positive : R\xE9ussite, r\xE9"
     "alisation des ambitions, reconnaissance "
     "sociale."},
    {12,
     "Lettre positive : Ann\xE9"
     "e heureuse sur tous les plans."},
    {13,
     "Lettre n\xE9gative : Probl\xE8mes de sant\xE9. Changements d\xE9sagr\xE9"
     "ables. "
     "Risques de pertes."},
    {14, "Lettre positive : Changements favorables. Rencontres et voyages heureux."},
    {15, "Lettre positive : Bonne sant\xE9. Vie affective harmonieuse et foyer serein."},
    {16,
     "Lettre n\xE9gative : Ann\xE9"
     "e difficile dans tous les domaines. Prudence et "
     "patience."},
    {17, "Lettre positive : Affaire prosp\x8Ares et succ\xE8s financiers. Chance au jeu."},
    {18,
     "Lettre n\xE9gative : Vie physique et mat\xE9rielle menac\xE9"
     "e, accidents et "
     "pertes \xE0 craindre."},
    {19,
     "Lettre positive : Transformation agr\xE9"
     "able de l'existence (tous domaines). "
     "Chance."},
    {20,
     "Lettre positive : Satisfactions sur tous les plans. Amiti\xE9s et associations "
     "heureuses."},
    {21,
     "Lettre n\xE9gative : Difficult\xE9s mat\xE9rielles : pertes financi\xE8res. "
     "D\xE9penses \xE0 limiter."},
    {22,
     "Lettre positive : Succ\xE8s et r\xE9ussite. Projets men\xE9s \xE0 bien, ambitions "
     "satisfaites."},
    {23,
     "Lettre neutre : Instabilit\xE9 g\xE9n\xE9rale sur tous les plans. Rester prudent et "
     "attentif."},
    {24, "Lettre positive : Dans le domaine du travail et des affaires. R\xE9ussite et appuis."},
    {25,
     "Lettre neutre : Choix \xE0 faire qui ne sont pas toujours faciles. R\xE9"
     "flexion "
     "n\xE9"
     "cessaire."},
    {26,
     "Lettre positive : R\xE9"
     "alisations mat\xE9rielles qui aboutissent au succ\xE8s. "
     "Efforts r\xE9"
     "compens\xE9s."},
}};

const std::array<TableRow, 12> AnniversaryMarkerTexts = {{
    {1,
     "D\xE9"
     "but d'action. P\xE9riode favorable aux initiatives et aux projets "
     "personnels. Il faut oser entreprendre."},
    {2,
     "Surveiller la sant\xE9. Fatigue possible, repos n\xE9"
     "cessaire. Eviter les "
     "exc\xE8s et les imprudences."},
    {3,
     "Aide de l'ext\xE9rieur. Appuis, soutiens et rencontres utiles. Les contacts "
     "facilitent les d\xE9marches."},
    {4,
     "La famille et le foyer sont au premier plan. Questions de maison ou de "
     "d\xE9m\xE9nagement."},
    {5,
     "P\xE9riode favorable aux loisirs et \xE0 la d\xE9tente, aux relations sentimentales. "
     "Plaisirs et cr\xE9"
     "ativit\xE9."},
    {6,
     "P\xE9riode favorable aux affaires financi\xE8res. Gains possibles, bonnes "
     "n\xE9gociations."},
    {7, "L'accent est mis sur le mariage ou des relations proches (union-association)."},
    {8,
     "Risques de probl\xE8mes de sant\xE9 et d'ennuis. Prudence dans les d\xE9placements et "
     "les d\xE9"
     "cisions."},
    {9,
     "Evasion\xE9 voyages. D\xE9placements, \xE9tudes ou contacts avec l'\xE9tranger. "
     "Ouverture d'esprit."},
    {10,
     "La situation sociale et professionnelle sont pr\xE9"
     "dominants. Avancement et "
     "reconnaissance possibles."},
    {11,
     "P\xE9riode favorable \xE0 des projets et \xE0 de nouvelles aspirations. Amiti\xE9s "
     "utiles et soutiens."},
    {12,
     "Soucis et angoisses. P\xE9riode de repli et de fatigue morale. Patience, le cycle "
     "s'ach\xE8ve."},
}};

const std::array<TableRow, 9> PeriodNumberTexts = {{
    {1,
     "Id\xE9"
     "al pour commencer une activit\xE9. Moment favorable aux initiatives, aux "
     "d\xE9"
     "cisions personnelles et aux d\xE9marches importantes. Il faut agir avec "
     "assurance."},
    {2,
     "Id\xE9"
     "al pour rencontrer des amis ou pour obtenir l'aide. P\xE9riode propice aux "
     "associations, aux accords et aux contrats. Faire preuve de tact et de patience."},
    {3,
     "Id\xE9"
     "al pour les relations et les contacts. Moment favorable aux sorties, aux "
     "\xE9"
     "changes, \xE0 la communication et aux activit\xE9s artistiques. Eviter la "
     "dispersion."},
    {4,
     "Id\xE9"
     "al pour le travail et la vie mat\xE9rielle. P\xE9riode propice \xE0 "
     "l'organisation, aux t\xE2"
     "ches de fond et aux efforts r\xE9guliers. Les "
     "r\xE9sultats seront durables."},
    {5,
     "Id\xE9"
     "al pour le changement et les voyages. Moment favorable aux d\xE9placements, "
     "aux nouveaut\xE9s et aux rencontres impr\xE9vues. Rester prudent dans les "
     "d\xE9"
     "cisions."},
    {6,
     "Id\xE9"
     "al pour l'amour et l'amiti\xE9. P\xE9riode propice \xE0 la vie de famille, "
     "\xE0 l'harmonie du foyer et aux r\xE9"
     "conciliations. Les responsabilit\xE9s sont "
     "bien accept\xE9"
     "es."},
    {7,
     "Id\xE9"
     "al pour la r\xE9"
     "flexion, l'analyse et l'\xE9tude. Moment favorable \xE0 "
     "la lecture, \xE0 la recherche et au repos. Eviter les d\xE9"
     "cisions h\xE2tives et "
     "l'agitation."},
    {8,
     "Id\xE9"
     "al pour les affaires et l'argent. P\xE9riode propice aux n\xE9gociations, "
     "aux placements et aux d\xE9marches ambitieuses. Autorit\xE9 et|   r\xE9ussite "
     "mat\xE9rielle."},
    {9,
     "Id\xE9"
     "al pour achever un travail en cours ou pour conclure une affaire. Moment "
     "favorable aux bilans, aux rangements et aux adieux. Ne pas commencer de projet "
     "nouveau."},
}};

}  // namespace tessaro
