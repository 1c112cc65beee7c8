// The readings of the current year: personal year, transit letter, birthday markers and the
// numbers of the month and the day.
#include "engine/texts/current_year_texts.h"

#include "common/cp1252_literal.h"

namespace tessaro {

const std::array<TableRow, 9> PersonalYearTexts = {{
    {1,
     "Avancement personnel. "
     "Travail : période propice aux initiatives et aux nouveaux projets, il faut oser et décider. "
     "Sentiments : besoin d'indépendance, rencontres possibles. "
     "Argent : gains liés aux efforts personnels."_cp1252},
    {2,
     "Relations avec autrui au premier plan. "
     "Travail : collaborations et associations favorisées, patience nécessaire. "
     "Sentiments : union, mariage ou rapprochement. "
     "Argent : stabilité, gains partagés avec un partenaire."_cp1252},
    {3,
     "Année agréable. Succès. Relations publiques. Créativité. "
     "Travail : réussite dans la communication et les activités artistiques. "
     "Sentiments : joie, amitiés nouvelles. Argent : dépenses à surveiller."_cp1252},
    {4,
     "Année de travail et d'efforts. "
     "Quelques restrictions. "
     "Travail : tâches lourdes mais constructives, organisation indispensable. "
     "Sentiments : stabilité, peu de fantaisie. "
     "Argent : prudence et économies."_cp1252},
    {5,
     "Changement, épanouissement. "
     "Progrès ou chute. "
     "Travail : mutations, déplacements, nouvelles orientations. "
     "Sentiments : rencontres imprévues, passions passagères. "
     "Argent : rentrées irrégulières, éviter les risques."_cp1252},
    {6,
     "Année de responsabilité. "
     "Le foyer et la famille. "
     "Travail : obligations accrues, reconnaissance des efforts. "
     "Sentiments : harmonie du couple, mariage ou naissance possible. "
     "Argent : dépenses pour la maison."_cp1252},
    {7,
     "Année propice à la réflexion et au calme. "
     "Ralentissement. "
     "Travail : études, recherches, projets mûris en silence. "
     "Sentiments : besoin de solitude, relations plus distantes. "
     "Argent : gains modestes, prudence."_cp1252},
    {8,
     "Année d'engagement et d'accomplissement. "
     "Vie matérielle. "
     "Travail : promotion, responsabilités, affaires importantes. "
     "Sentiments : relations solides mais exigeantes. "
     "Argent : rentrées favorables, placements heureux."_cp1252},
    {9,
     "Année de bilan et de préparation. "
     "Fin d'un cycle. "
     "Travail : achèvement des projets en cours, pas de nouveau départ. "
     "Sentiments : séparations ou détachement, générosité. "
     "Argent : dépenses, vieilles dettes à régler."_cp1252},
}};

const std::array<TableRow, 26> TransitLetterTexts = {{
    // "Changements bénéfique" is kept on purpose.
    {1, "Lettre positive : Changements bénéfique. Nouveaux départs et initiatives heureuses."_cp1252},
    {2, "Lettre négative : Problèmes de santé. Fatigue et découragement, prudence nécessaire."_cp1252},
    // The lower-case "bonheur" is kept on purpose.
    {3, "Lettre positive : Réussite. Voyages. bonheur affectif."_cp1252},
    {4, "Lettre négative : Ennuis et soucis au foyer. Tensions familiales à apaiser."_cp1252},
    {5,
     "Lettre positive : Bonne période sur tous les plans, surtout pour les contacts et les voyages."_cp1252},
    {6, "Lettre négative : Problèmes familiaux. Responsabilités pesantes et déceptions affectives."_cp1252},
    {7, "Lettre positive : Sur le plan matériel et des finances. Gains et placements réussis."_cp1252},
    // No full stop after "domaines": kept on purpose.
    {8, "Lettre neutre : Hauts et bas rapides dans tous les domaines"_cp1252},
    {9, "Lettre négative : Retards. Obstacles et contretemps, patience indispensable."_cp1252},
    {10, "Lettre positive : Succès et satisfaction dans tous les domaines."_cp1252},
    {11, "Lettre positive : Réussite, réalisation des ambitions, reconnaissance sociale."_cp1252},
    {12, "Lettre positive : Année heureuse sur tous les plans."_cp1252},
    {13, "Lettre négative : Problèmes de santé. Changements désagréables. Risques de pertes."_cp1252},
    {14, "Lettre positive : Changements favorables. Rencontres et voyages heureux."_cp1252},
    {15, "Lettre positive : Bonne santé. Vie affective harmonieuse et foyer serein."_cp1252},
    {16, "Lettre négative : Année difficile dans tous les domaines. Prudence et patience."_cp1252},
    // "Affaire prospŠres" is kept on purpose.
    {17, "Lettre positive : Affaire prospŠres et succès financiers. Chance au jeu."_cp1252},
    {18, "Lettre négative : Vie physique et matérielle menacée, accidents et pertes à craindre."_cp1252},
    {19, "Lettre positive : Transformation agréable de l'existence (tous domaines). Chance."_cp1252},
    {20, "Lettre positive : Satisfactions sur tous les plans. Amitiés et associations heureuses."_cp1252},
    {21, "Lettre négative : Difficultés matérielles : pertes financières. Dépenses à limiter."_cp1252},
    {22, "Lettre positive : Succès et réussite. Projets menés à bien, ambitions satisfaites."_cp1252},
    {23, "Lettre neutre : Instabilité générale sur tous les plans. Rester prudent et attentif."_cp1252},
    {24, "Lettre positive : Dans le domaine du travail et des affaires. Réussite et appuis."_cp1252},
    {25, "Lettre neutre : Choix à faire qui ne sont pas toujours faciles. Réflexion nécessaire."_cp1252},
    {26, "Lettre positive : Réalisations matérielles qui aboutissent au succès. Efforts récompensés."_cp1252},
}};

const std::array<TableRow, 12> AnniversaryMarkerTexts = {{
    {1,
     "Début d'action. "
     "Période favorable aux initiatives et aux projets personnels. "
     "Il faut oser entreprendre."_cp1252},
    {2,
     "Surveiller la santé. Fatigue possible, repos nécessaire. Eviter les excès et les imprudences."_cp1252},
    {3,
     "Aide de l'extérieur. "
     "Appuis, soutiens et rencontres utiles. "
     "Les contacts facilitent les démarches."_cp1252},
    {4, "La famille et le foyer sont au premier plan. Questions de maison ou de déménagement."_cp1252},
    {5,
     "Période favorable aux loisirs et à la détente, aux relations sentimentales. "
     "Plaisirs et créativité."_cp1252},
    {6, "Période favorable aux affaires financières. Gains possibles, bonnes négociations."_cp1252},
    {7, "L'accent est mis sur le mariage ou des relations proches (union-association)."_cp1252},
    {8, "Risques de problèmes de santé et d'ennuis. Prudence dans les déplacements et les décisions."_cp1252},
    // "Evasioné voyages." is kept on purpose.
    {9, "Evasioné voyages. Déplacements, études ou contacts avec l'étranger. Ouverture d'esprit."_cp1252},
    // "La situation ... sont prédominants" is kept on purpose.
    {10,
     "La situation sociale et professionnelle sont prédominants. "
     "Avancement et reconnaissance possibles."_cp1252},
    {11, "Période favorable à des projets et à de nouvelles aspirations. Amitiés utiles et soutiens."_cp1252},
    {12, "Soucis et angoisses. Période de repli et de fatigue morale. Patience, le cycle s'achève."_cp1252},
}};

const std::array<TableRow, 9> PeriodNumberTexts = {{
    {1,
     "Idéal pour commencer une activité. "
     "Moment favorable aux initiatives, aux décisions personnelles et aux démarches importantes. "
     "Il faut agir avec assurance."_cp1252},
    // "obtenir l'aide" is kept on purpose.
    {2,
     "Idéal pour rencontrer des amis ou pour obtenir l'aide. "
     "Période propice aux associations, aux accords et aux contrats. "
     "Faire preuve de tact et de patience."_cp1252},
    {3,
     "Idéal pour les relations et les contacts. "
     "Moment favorable aux sorties, aux échanges, à la communication et aux activités artistiques. "
     "Eviter la dispersion."_cp1252},
    {4,
     "Idéal pour le travail et la vie matérielle. "
     "Période propice à l'organisation, aux tâches de fond et aux efforts réguliers. "
     "Les résultats seront durables."_cp1252},
    {5,
     "Idéal pour le changement et les voyages. "
     "Moment favorable aux déplacements, aux nouveautés et aux rencontres imprévues. "
     "Rester prudent dans les décisions."_cp1252},
    {6,
     "Idéal pour l'amour et l'amitié. "
     "Période propice à la vie de famille, à l'harmonie du foyer et aux réconciliations. "
     "Les responsabilités sont bien acceptées."_cp1252},
    {7,
     "Idéal pour la réflexion, l'analyse et l'étude. "
     "Moment favorable à la lecture, à la recherche et au repos. "
     "Eviter les décisions hâtives et l'agitation."_cp1252},
    // The "|" and three blanks in "Autorité et|   réussite" are kept on purpose.
    {8,
     "Idéal pour les affaires et l'argent. "
     "Période propice aux négociations, aux placements et aux démarches ambitieuses. "
     "Autorité et|   réussite matérielle."_cp1252},
    {9,
     "Idéal pour achever un travail en cours ou pour conclure une affaire. "
     "Moment favorable aux bilans, aux rangements et aux adieux. "
     "Ne pas commencer de projet nouveau."_cp1252},
}};

}  // namespace tessaro
