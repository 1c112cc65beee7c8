// The readings of the date of birth: day, month and year numbers, life path titles and texts.
#include "engine/texts/birth_date_texts.h"

namespace tessaro {

const std::array<TableRow, 9> BirthDayTexts = {{
    {1, "Accomplissements personnels, vie active r\xE9ussie."},
    {2,
     "Associations, contrats, mariage, r\xE9"
     "alisation en \xE9quipe."},
    {3,
     "Vie agr\xE9"
     "able, contacts, joie en amiti\xE9 et en amour."},
    {4,
     "Travail et productivit\xE9, r\xE9"
     "alisations durables."},
    {5, "Vie sous le signe de la mobilit\xE9 et du changement."},
    {6, "Responsabilit\xE9s et carri\xE8re en progression. R\xE9ussite."},
    {7, "Evolution assez lente, \xE9tudes, spiritualit\xE9, ind\xE9pendance."},
    {8, "R\xE9ussite mat\xE9rielle et dans le travail, avancement."},
    {9, "Vie publique, relations avec l'\xE9tranger, mariage difficile."},
}};

const std::array<TableRow, 12> BirthMonthTexts = {{
    {1, "Ind\xE9pendance, habilet\xE9."},
    {2, "D\xE9pendance (influence de la m\xE8re, attirance vers le mariage)."},
    {3, "Expression, go\xFBts artistiques, sociabilit\xE9."},
    {4, "Labeur, limitations, parfois restrictions."},
    {5, "Changements, irr\xE9gularit\xE9, sexualit\xE9."},
    {6,
     "Ind\xE9"
     "cision, obligations, mariage."},
    {7,
     "R\xE9"
     "flexion, \xE9tudes, solitude."},
    {8, "Efforts et travail, \xE9quilibre fragile."},
    {9, "Emotivit\xE9, adaptation difficile, mais succ\xE8s."},
    {10, "Instabilit\xE9, changement, activit\xE9."},
    {11, "combativit\xE9, nervosit\xE9, activit\xE9."},
    {12,
     "Lucidit\xE9, cr\xE9"
     "ativit\xE9, expression."},
}};

const std::array<TableRow, 9> BirthYearTexts = {{
    {1, "Action individuelle."},
    {2, "Association, mariage."},
    {3,
     "Cr\xE9"
     "ativit\xE9, contacts, r\xE9ussite."},
    {4, "Travail."},
    {5, "Changements, voyages."},
    {6, "Amour, responsabilit\xE9s, succ\xE8s."},
    {7, "Recherche, isolement, ind\xE9pendance."},
    {8, "R\xE9ussite mat\xE9rielle."},
    {9, "Vie publique, \xE9tranger, accomplissements importants."},
}};

const std::array<TableRow, 11> LifePathTitles = {{
    {1, "Vie d'action individuelle."},
    {2, "Vie de collaboration et d'harmonie avec les autres."},
    {3,
     "Vie de cr\xE9"
     "ativit\xE9 et d'expression."},
    {4, "Vie de travail et de construction."},
    {5, "Vie de mobilit\xE9 et de changements."},
    {6, "Vie de responsabilit\xE9 et d'harmonie sentimentale."},
    {7, "Vie int\xE9rieure et d'ind\xE9pendance."},
    {8,
     "Vie de r\xE9"
     "alisations ambitieuses."},
    {9,
     "Vie d'\xE9vasion ou d'id\xE9"
     "al."},
    {11, "Vie d'inspiration et de ma\xEEtrise."},
    {22, "Vie d'accomplissements importants."},
}};

const std::array<TableRow, 11> LifePathTexts = {{
    {1,
     "C'est un chemin qui favorise la r\xE9ussite personnelle. Il demande de l'initiative, "
     "du courage et le go\xFBt de d\xE9"
     "cider seul. L'ind\xE9pendance y est une force, "
     "l'orgueil un \xE9"
     "cueil."},
    {2,
     "C'est un chemin qui favorise l'association et le mariage. La r\xE9ussite vient de la "
     "collaboration, de la patience et du tact. Il faut se garder de trop d\xE9pendre des "
     "autres."},
    {3,
     "C'est un chemin qui favorise les activit\xE9s de contact. L'expression, la "
     "communication et les arts y trouvent leur place. Le succ\xE8s vient avec la "
     "sociabilit\xE9, \xE0 condition d'\xE9viter la dispersion."},
    {4,
     "C'est un chemin qui favorise les succ\xE8s par le travail. La r\xE9ussite se "
     "construit pas \xE0 pas, avec m\xE9thode et pers\xE9v\xE9rance. Les r\xE9sultats sont "
     "lents mais durables."},
    {5,
     "C'est un chemin qui favorise les changements dans tous les domaines, les voyages, les "
     "activit\xE9s physiques. La libert\xE9 y est essentielle. Il faut savoir s'adapter "
     "sans tomber dans l'instabilit\xE9."},
    {6,
     "Ce chemin implique des choix \xE0 faire pas toujours faciles. Les responsabilit\xE9s "
     "familiales et sentimentales y tiennent une grande place. L'harmonie du foyer apporte "
     "la r\xE9ussite."},
    {7,
     "C'est un chemin de vie qui favorise les travaux de l'esprit, la r\xE9"
     "flexion et "
     "la recherche. La solitude et l'ind\xE9pendance y sont souvent n\xE9"
     "cessaires \xE0 "
     "l'\xE9panouissement int\xE9rieur"},
    {8,
     "C'est un chemin qui favorise les ambitions, les r\xE9"
     "alisations. Le pouvoir et la "
     "r\xE9ussite mat\xE9rielle sont \xE0 port\xE9"
     "e de main. Il faut toutefois "
     "\xE9viter les exc\xE8s et garder le sens de l'\xE9quilibre."},
    {9,
     "C'est un chemin qui favorise les voyages. Les contacts avec l'\xE9tranger, la vie "
     "publique et l'id\xE9"
     "al y guident les choix. Il faut se m\xE9"
     "fier des "
     "illusions et savoir rester r\xE9"
     "aliste."},
    {11,
     "C'est un chemin qui favorise l'accomplissement de r\xE9"
     "alisations ambitieuses ou "
     "originales. L'inspiration et l'intuition y sont tr\xE8s fortes. Il exige une grande "
     "ma\xEEtrise des nerfs."},
    {22,
     "C'est un chemin qui favorise les projets de haut niveau. Les r\xE9"
     "alisations "
     "peuvent y prendre une dimension collective ou universelle. Il demande un effort "
     "constant et un grand sens des responsabilit\xE9s."},
}};

}  // namespace tessaro
