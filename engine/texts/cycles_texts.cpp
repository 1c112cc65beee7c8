// The readings of the cycles of a life: periods of realisation, challenges, life cycles, karmic
// debts and maturity.
#include "engine/texts/cycles_texts.h"

#include "common/cp1252_literal.h"

namespace tessaro {

const std::array<TableRow, 11> RealisationPeriodTexts = {{
    {1,
     "Affirmation de soi. Les initiatives personnelles, le courage et l'esprit de décision "
     "mènent au succès. Il faut apprendre à compter sur soi."_cp1252},
    {2,
     "Collaboration et union. La réussite passe par les autres : association, mariage, "
     "travail en équipe. Patience et diplomatie sont nécessaires."_cp1252},
    {3,
     "Expression et contacts. Vie sociale animée, créativité, amitiés. Les talents "
     "artistiques et la parole sont mis en valeur, attention à la dispersion."_cp1252},
    {4,
     "Travail et construction. Les efforts patients et l'organisation bâtissent des "
     "résultats durables. Peu de facilités, mais des fondations solides."_cp1252},
    {5,
     "Changements et liberté. Voyages, déplacements, expériences nouvelles. Il faut "
     "savoir s'adapter sans tomber dans l'instabilité."_cp1252},
    {6,
     "Responsabilités et harmonie. Le foyer, le mariage et les enfants sont au premier "
     "plan. Réussite par le dévouement."_cp1252},
    {7,
     "Réflexion et vie intérieure. Etudes, recherches, spiritualité. La réussite vient "
     "de l'approfondissement plutôt que de l'action."_cp1252},
    {8,
     "Réalisations matérielles. Ambitions, affaires, pouvoir et argent sont favorisés, à "
     "condition de garder le sens de l'équilibre."_cp1252},
    {9,
     "Accomplissement et ouverture. Vie publique, voyages, relations avec l'étranger. Le "
     "dévouement aux autres apporte ses récompenses."_cp1252},
    {11,
     "Inspiration et maîtrise. Idéal élevé, rayonnement personnel, réalisations "
     "originales. Cette période demande une grande maîtrise des nerfs."_cp1252},
    {22,
     "Accomplissements importants. Les grands projets peuvent prendre une dimension "
     "collective. Cette période exige un effort constant et le sens des responsabilités."_cp1252},
}};

const std::array<TableRow, 9> ChallengeTexts = {{
    {0,
     "Le choix. Aucune difficulté particulière n'est imposée, mais toutes sont possibles : il "
     "faut trouver soi-même sa voie et ne pas rester passif."_cp1252},
    {1,
     "L'affirmation. Manque d'assurance ou, à l'inverse, autoritarisme. Il faut apprendre à "
     "décider sans écraser les autres."_cp1252},
    {2,
     "La sensibilité. Timidité, susceptibilité, dépendance envers autrui. Il faut apprendre à "
     "faire confiance sans se laisser dominer."_cp1252},
    {3,
     "L'expression. Difficulté à se montrer et à communiquer, ou dispersion. Il faut oser "
     "s'exprimer et concentrer ses talents."_cp1252},
    {4,
     "L'effort. Manque d'ordre et de méthode, ou rigidité. Il faut accepter le travail "
     "patient et les limites."_cp1252},
    {5,
     "La liberté. Impatience, instabilité ou peur du changement. Il faut apprendre à user de "
     "sa liberté avec mesure."_cp1252},
    {6,
     "Les responsabilités. Exigences excessives envers soi et envers les proches. Il faut "
     "accepter les autres tels qu'ils sont."_cp1252},
    {7,
     "La confiance. Repli sur soi, doute, méfiance. Il faut s'ouvrir aux autres et croire en "
     "sa propre valeur."_cp1252},
    {8,
     "L'argent et le pouvoir. Attachement excessif aux biens matériels, ou mépris de ceux-ci. "
     "Il faut trouver le juste équilibre."_cp1252},
}};

const std::array<TableRow, 10> LifeCycleTexts = {{
    {1,
     "Sous le signe de l'indépendance. Il faut apprendre à se prendre en charge, à décider et à agir "
     "par soi-même."_cp1252},
    {2,
     "Sous le signe de la collaboration. Les autres, le couple et les associations tiennent une "
     "grande place. La patience est une force."_cp1252},
    {3, "Sous le signe de l'expression. Contacts, créativité et joie de vivre colorent ces années."_cp1252},
    {4,
     "Sous le signe du travail. Des années d'efforts et d'organisation, qui construisent une "
     "situation stable."_cp1252},
    {5,
     "Sous le signe du changement. Mobilité, voyages et expériences variées. La liberté est "
     "essentielle."_cp1252},
    {6,
     "Sous le signe de la famille. Responsabilités, foyer et affection sont au centre de ces "
     "années."_cp1252},
    {7,
     "Sous le signe de la réflexion. Etudes, vie intérieure et recherche de sens dominent ces "
     "années."_cp1252},
    {8,
     "Sous le signe de l'ambition. Affaires, argent et responsabilités sociales sont au premier "
     "plan."_cp1252},
    {9, "Sous le signe de l'idéal. Ouverture aux autres, voyages et dévouement marquent ces années."_cp1252},
    {11,
     "Sous le signe de l'inspiration. Des années intenses, tournées vers un idéal, qui demandent "
     "maîtrise et sang-froid."_cp1252},
}};

const std::array<TableRow, 4> KarmicDebtTexts = {{
    {13,
     "Dette de travail. Ce qui a été négligé doit être repris avec patience : la paresse et les "
     "raccourcis se paient, l'effort régulier libère."_cp1252},
    {14,
     "Dette de liberté. Les excès et l'abus de liberté reviennent comme épreuves. Il faut apprendre "
     "la mesure et la constance."_cp1252},
    {16,
     "Dette d'orgueil. Des chutes soudaines rappellent la valeur de l'humilité, et ouvrent la voie à "
     "un renouveau intérieur."_cp1252},
    {19,
     "Dette de pouvoir. L'égoïsme et l'abus d'autorité sont à racheter. Il faut apprendre à recevoir "
     "l'aide des autres et à la rendre."_cp1252},
}};

const std::array<TableRow, 11> MaturityTexts = {{
    {1,
     "Maturité active et indépendante. Avec les années viennent l'assurance et le goût de diriger sa "
     "vie."_cp1252},
    {2,
     "Maturité paisible et partagée. La seconde moitié de la vie se construit à deux ou en "
     "équipe."_cp1252},
    {3,
     "Maturité sociable et créative. Les années apportent les contacts, l'expression et une vie plus "
     "légère."_cp1252},
    {4,
     "Maturité solide et constructive. Les efforts passés donnent une situation stable et "
     "durable."_cp1252},
    {5, "Maturité mobile et curieuse. Le goût de la liberté et du changement grandit avec l'âge."_cp1252},
    {6,
     "Maturité tournée vers le foyer. Les responsabilités familiales et l'harmonie deviennent "
     "essentielles."_cp1252},
    {7, "Maturité réfléchie. Les années favorisent la sagesse, les études et la vie intérieure."_cp1252},
    {8, "Maturité ambitieuse. Réussite matérielle et autorité sont à portée de main."_cp1252},
    {9, "Maturité généreuse. L'âge ouvre aux autres, à l'idéal et aux grands horizons."_cp1252},
    {11, "Maturité inspirée. Intuition et rayonnement personnel grandissent avec les années."_cp1252},
    {22,
     "Maturité bâtisseuse. Les grands projets trouvent leur aboutissement, au service du plus grand "
     "nombre."_cp1252},
}};

}  // namespace tessaro
