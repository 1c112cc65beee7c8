// The readings of the date of birth: day, month and year numbers, life path titles and texts.
#include "engine/texts/birth_date_texts.h"

#include "common/cp1252_literal.h"

namespace tessaro {

const std::array<TableRow, 9> BirthDayTexts = {{
    {1, "Accomplissements personnels, vie active réussie."_cp1252},
    {2, "Associations, contrats, mariage, réalisation en équipe."_cp1252},
    {3, "Vie agréable, contacts, joie en amitié et en amour."_cp1252},
    {4, "Travail et productivité, réalisations durables."_cp1252},
    {5, "Vie sous le signe de la mobilité et du changement."_cp1252},
    {6, "Responsabilités et carrière en progression. Réussite."_cp1252},
    {7, "Evolution assez lente, études, spiritualité, indépendance."_cp1252},
    {8, "Réussite matérielle et dans le travail, avancement."_cp1252},
    {9, "Vie publique, relations avec l'étranger, mariage difficile."_cp1252},
}};

const std::array<TableRow, 12> BirthMonthTexts = {{
    {1, "Indépendance, habileté."_cp1252},
    {2, "Dépendance (influence de la mère, attirance vers le mariage)."_cp1252},
    {3, "Expression, goûts artistiques, sociabilité."_cp1252},
    {4, "Labeur, limitations, parfois restrictions."_cp1252},
    {5, "Changements, irrégularité, sexualité."_cp1252},
    {6, "Indécision, obligations, mariage."_cp1252},
    {7, "Réflexion, études, solitude."_cp1252},
    {8, "Efforts et travail, équilibre fragile."_cp1252},
    {9, "Emotivité, adaptation difficile, mais succès."_cp1252},
    {10, "Instabilité, changement, activité."_cp1252},
    // The lower-case "combativité" is kept on purpose.
    {11, "combativité, nervosité, activité."_cp1252},
    {12, "Lucidité, créativité, expression."_cp1252},
}};

const std::array<TableRow, 9> BirthYearTexts = {{
    {1, "Action individuelle."_cp1252},
    {2, "Association, mariage."_cp1252},
    {3, "Créativité, contacts, réussite."_cp1252},
    {4, "Travail."_cp1252},
    {5, "Changements, voyages."_cp1252},
    {6, "Amour, responsabilités, succès."_cp1252},
    {7, "Recherche, isolement, indépendance."_cp1252},
    {8, "Réussite matérielle."_cp1252},
    {9, "Vie publique, étranger, accomplissements importants."_cp1252},
}};

const std::array<TableRow, 11> LifePathTitles = {{
    {1, "Vie d'action individuelle."_cp1252},
    {2, "Vie de collaboration et d'harmonie avec les autres."_cp1252},
    {3, "Vie de créativité et d'expression."_cp1252},
    {4, "Vie de travail et de construction."_cp1252},
    {5, "Vie de mobilité et de changements."_cp1252},
    {6, "Vie de responsabilité et d'harmonie sentimentale."_cp1252},
    {7, "Vie intérieure et d'indépendance."_cp1252},
    {8, "Vie de réalisations ambitieuses."_cp1252},
    {9, "Vie d'évasion ou d'idéal."_cp1252},
    {11, "Vie d'inspiration et de maîtrise."_cp1252},
    {22, "Vie d'accomplissements importants."_cp1252},
}};

const std::array<TableRow, 11> LifePathTexts = {{
    {1,
     "C'est un chemin qui favorise la réussite personnelle. "
     "Il demande de l'initiative, du courage et le goût de décider seul. "
     "L'indépendance y est une force, l'orgueil un écueil."_cp1252},
    {2,
     "C'est un chemin qui favorise l'association et le mariage. "
     "La réussite vient de la collaboration, de la patience et du tact. "
     "Il faut se garder de trop dépendre des autres."_cp1252},
    {3,
     "C'est un chemin qui favorise les activités de contact. "
     "L'expression, la communication et les arts y trouvent leur place. "
     "Le succès vient avec la sociabilité, à condition d'éviter la dispersion."_cp1252},
    {4,
     "C'est un chemin qui favorise les succès par le travail. "
     "La réussite se construit pas à pas, avec méthode et persévérance. "
     "Les résultats sont lents mais durables."_cp1252},
    {5,
     "C'est un chemin qui favorise les changements dans tous les domaines, les voyages, les activités "
     "physiques. "
     "La liberté y est essentielle. "
     "Il faut savoir s'adapter sans tomber dans l'instabilité."_cp1252},
    {6,
     "Ce chemin implique des choix à faire pas toujours faciles. "
     "Les responsabilités familiales et sentimentales y tiennent une grande place. "
     "L'harmonie du foyer apporte la réussite."_cp1252},
    // No full stop after "intérieur": kept on purpose.
    {7,
     "C'est un chemin de vie qui favorise les travaux de l'esprit, la réflexion et la recherche. "
     "La solitude et l'indépendance y sont souvent nécessaires à l'épanouissement intérieur"_cp1252},
    {8,
     "C'est un chemin qui favorise les ambitions, les réalisations. "
     "Le pouvoir et la réussite matérielle sont à portée de main. "
     "Il faut toutefois éviter les excès et garder le sens de l'équilibre."_cp1252},
    {9,
     "C'est un chemin qui favorise les voyages. "
     "Les contacts avec l'étranger, la vie publique et l'idéal y guident les choix. "
     "Il faut se méfier des illusions et savoir rester réaliste."_cp1252},
    {11,
     "C'est un chemin qui favorise l'accomplissement de réalisations ambitieuses ou originales. "
     "L'inspiration et l'intuition y sont très fortes. "
     "Il exige une grande maîtrise des nerfs."_cp1252},
    {22,
     "C'est un chemin qui favorise les projets de haut niveau. "
     "Les réalisations peuvent y prendre une dimension collective ou universelle. "
     "Il demande un effort constant et un grand sens des responsabilités."_cp1252},
}};

}  // namespace tessaro
