"""French readings as far as they are known word for word: whole rows, or the opening words of a row."""


class Whole:
    """A row known from its first character to its last."""

    def __init__(self, text):
        self.text = text


class Opening:
    """A row known only by how it begins."""

    def __init__(self, text):
        self.text = text


# Venus capacities: the title segment, the reading of a missing digit, the reading of a dominant one.
VENUS = {
    1: ("MAITRISE. Capacité de se réaliser par soi-même.", "Manquant : Insuffisance d'assurance.",
        "Dominant : Autorité, volonté."),
    2: ("ASSOCIATION. Capacité de collaboration et d'union.", "Manquant : Association difficile.",
        "Dominant : Esprit de coopération."),
    3: ("SOCIABILITE. Capacité de s'exprimer et goût du contact.", "Manquant : Manque de souplesse.",
        "Dominant : A l'aise en société."),
    4: ("REALISATION. Capacité de travailler et de construire.",
        "Manquant : Difficultés à organiser, manque de stabilité.",
        "Dominant : Qualité d'ordre et de persévérence."),
    5: ("MOBILITE. Capacité de changer et de bouger.", "Manquant : N'aime pas le changement.",
        "Dominant : Voyage, Esprit large."),
    6: ("HARMONIE. Capacité d'adaptation et de collaboration.", "Manquant : Mariage difficile.",
        "Dominant : Sens de la famille Amour et amitié."),
    7: ("VIE INTERIEURE. Capacité de réflexion et d'analyse.", "Manquant : Manque de compréhension.",
        "Dominant : Qualités d'invention et de recherche."),
    8: ("EXPANSION MATERIELLE. Capacité de s'assumer.", "Manquant : Difficulté à maintenir l'équilibre.",
        "Dominant : Recherche de la réussite. Chance."),
    9: ("ALTRUISME. Capacité de se dévouer.", "Manquant : Manque d'intérêt pour les autres",
        "Dominant : Qualités de dévouement et d'altruisme."),
}

INTIMATE = {
    1: Whole('Désir de réussir et de se réaliser par soi-même.'),
    2: Whole("Désir de s'associer et de s'unir (amour-mariage)."),
    3: Whole("Désir de s'exprimer et de rechercher des contacts."),
    4: Whole('Travail et stabilité. Désir de vivre de façon constructive.'),
    5: Whole('Changements et liberté. Désir de vivre une existence variée.'),
    6: Whole("Intérêts artistiques. désir d'harmonie et d'équilibre."),
    7: Whole("Vie intérieure. Désir d'indépendance et d'action individuelle."),
    8: Opening("Volonté d'acquérir."),
    9: Opening('Désir de réaliser un idéal ou une vocation.'),
    11: Opening("Désir de s'imposer en réalisant ses ambitions ou un idéal."),
    22: Whole("désir d'élévation et aspirations universelles. Travail ambitieux."),
}

EXPRESSION_TRAITS = {  # the text before "Amour"
    1: Whole('Volonté autorité. confiance en soi. Ambition.'),
    2: Whole('Equilibre, diplomatie, tendance à la passivité.'),
    3: Whole('Créativité, sociabilité, générosité, dispersion.'),
    4: Whole('Patience, stabilité, persévérance, tendance à la routine.'),
    5: Whole("Adaptation, souplesse, mobilité, tendance à l'instabilité."),
    6: Whole('Charme, esprit conciliant,tendance à la facilité.'),
    7: Whole("Analyse, goût de l'étude, culte de l'amitié."),
    8: Whole('Energie, courage, esprit entreprenant.'),
    9: Whole('Altruisme, dévouement, tendance au désordre.'),
    11: Whole('Force morale et physique, inspiration, ascendant.'),
    22: Whole('Maîtrise, esprit constructif, inspiration.'),
}

REALISATION = {
    1: Whole('Initiatives et action personnelle. Veut briller et diriger.'),
    2: Whole('Travail en association ou en équipe. Collaborations.'),
    3: Whole("Vie de contacts et d'échanges. Ouverture vers autrui."),
    4: Whole('Travail constructif et patient. Réussite progressive.'),
    5: Whole('Changements, mutations. Rencontres variées et fugaces.'),
    6: Whole('Choix à faire qui ne sont pas toujours faciles. Vie sociale.'),
    7: Whole('Initiatives originales (inventions) vie active indépendante.'),
    8: Whole('Attitude franche et directe. Autorité et maîtrise.'),
    9: Whole('Dévouement et sensibilité dans les rapports avec autrui.'),
    11: Whole('Ambitions. Activité intense. Se soumet difficilement.'),
    22: Whole('Réalisation concrète de grands projets. Réussite sociale.'),
}

ACTIVE = {
    1: Whole('Invention, nervosité, opportunisme.'),
    2: Whole('Contacts humains, sensibilité, calme apparent.'),
    3: Whole('Originalité, intelligence, habileté.'),
    4: Whole('Organisation, travail, ordre.'),
    5: Whole('Mouvement, curiosité, dynamisme.'),
    6: Whole('Bonheur, générosité, ironie.'),
    7: Whole('Mystère, observation, mélancolie.'),
    8: Whole('Entêtement, action, impulsivité.'),
    9: Whole('Altruisme, émotivité, sensualité.'),
    11: Whole('Force, maîtrise, nervosité.'),
    22: Whole('Idéal, aspirations élevées, réalisation.'),
}

HEREDITARY = {
    1: Whole('Courage, assurance.'),
    2: Whole('Equilibre, sociabilité.'),
    3: Whole('Créativité, adaptabilité.'),
    4: Whole('Méthode, ordre.'),
    5: Whole('Combativité, ardeur.'),
    6: Whole('Justice, générosité.'),
    7: Whole('Raison, sagesse.'),
    8: Whole('Autorité, détermination.'),
    9: Whole('Dignité fierté.'),
    11: Whole('Inspiration, force.'),
    22: Whole('Construction, élévation.'),
}

BIRTH_DAY = {
    1: Whole('Accomplissements personnels, vie active réussie.'),
    2: Whole('Associations, contrats, mariage, réalisation en équipe.'),
    3: Whole('Vie agréable, contacts, joie en amitié et en amour.'),
    4: Whole('Travail et productivité, réalisations durables.'),
    5: Whole('Vie sous le signe de la mobilité et du changement.'),
    6: Whole('Responsabilités et carrière en progression. Réussite.'),
    7: Whole('Evolution assez lente, études, spiritualité, indépendance.'),
    8: Whole('Réussite matérielle et dans le travail, avancement.'),
    9: Whole("Vie publique, relations avec l'étranger, mariage difficile."),
}

BIRTH_MONTH = {
    1: Whole('Indépendance, habileté.'),
    2: Whole('Dépendance (influence de la mère, attirance vers le mariage).'),
    3: Whole('Expression, goûts artistiques, sociabilité.'),
    4: Whole('Labeur, limitations, parfois restrictions.'),
    5: Whole('Changements, irrégularité, sexualité.'),
    6: Whole('Indécision, obligations, mariage.'),
    7: Whole('Réflexion, études, solitude.'),
    8: Whole('Efforts et travail, équilibre fragile.'),
    9: Whole('Emotivité, adaptation difficile, mais succès.'),
    10: Whole('Instabilité, changement, activité.'),
    11: Whole('combativité, nervosité, activité.'),
    12: Whole('Lucidité, créativité, expression.'),
}

BIRTH_YEAR = {
    1: Whole('Action individuelle.'),
    2: Whole('Association, mariage.'),
    3: Whole('Créativité, contacts, réussite.'),
    4: Whole('Travail.'),
    5: Whole('Changements, voyages.'),
    6: Whole('Amour, responsabilités, succès.'),
    7: Whole('Recherche, isolement, indépendance.'),
    8: Whole('Réussite matérielle.'),
    9: Whole('Vie publique, étranger, accomplissements importants.'),
}

LIFE_PATH_TITLES = {
    1: Whole("Vie d'action individuelle."),
    2: Whole("Vie de collaboration et d'harmonie avec les autres."),
    3: Whole("Vie de créativité et d'expression."),
    4: Whole('Vie de travail et de construction.'),
    5: Whole('Vie de mobilité et de changements.'),
    6: Whole("Vie de responsabilité et d'harmonie sentimentale."),
    7: Whole("Vie intérieure et d'indépendance."),
    8: Whole('Vie de réalisations ambitieuses.'),
    9: Whole("Vie d'évasion ou d'idéal."),
    11: Whole("Vie d'inspiration et de maîtrise."),
    22: Whole("Vie d'accomplissements importants."),
}

UNIQUE = {
    1: Whole('Vie active, changements imprévus, instabilité.'),
    2: Whole('Vie variée, mais stable, réussite avec le temps.'),
    3: Whole('Ambitions favorisées, activités intellectuelles.'),
    4: Whole('Succès matériel, protections et appuis.'),
    5: Whole('Indépendance, protection spirituelle, luttes intérieures.'),
    6: Whole('Instabilité, choix à faire (travail, amour), tentation.'),
    7: Whole('Réussite après efforts et luttes, voyages.'),
    8: Whole('Equilibre à trouver, sinon désordre et pertes.'),
    9: Whole('Difficultés à se fixer, prudence et sagesse, voyages.'),
    10: Whole('Evolution avec hauts et bas, mais chance, voyages.'),
    11: Whole('Triomphe dans la lutte, force.'),
    12: Whole('Difficultés matérielles, épreuves, erreurs de chemin.'),
    13: Whole('Destinée changeante, transformations radicales.'),
    14: Whole("Changements en vue de l'équilibre, améliorations."),
    15: Whole('Attrait du bonheur physique et matériel, excès, déceptions.'),
    16: Whole('Destin irrégulier, recommencements après échecs.'),
    17: Whole('Vie réussie avec aide extérieure, chance.'),
    18: Whole("Imagination, mais erreurs et tromperies d'autrui."),
    19: Whole('Réussite matérielle et en amour, harmonie.'),
    20: Whole('Surprises et récompenses des efforts, événnements inattendus.'),
    21: Whole('Inspiration et protection, réussite, aboutissement heureux.'),
    22: Whole('Vie instable, fausse route, nécessité de faire face.'),
}

PERSONAL_YEAR = {
    1: Opening('Avancement personnel.'),
    2: Opening('Relations avec autrui au premier plan.'),
    3: Opening('Année agréable. Succès. Relations publiques. Créativité.'),
    4: Opening("Année de travail et d'efforts. Quelques restrictions."),
    5: Opening('Changement, épanouissement. Progrès ou chute.'),
    6: Opening('Année de responsabilité. Le foyer et la famille.'),
    7: Opening('Année propice à la réflexion et au calme. Ralentissement.'),
    8: Opening("Année d'engagement et d'accomplissement. Vie matérielle."),
    9: Opening("Année de bilan et de préparation. Fin d'un cycle."),
}

ANNIVERSARY = {
    1: Opening("Début d'action."),
    2: Opening('Surveiller la santé.'),
    3: Opening("Aide de l'extérieur."),
    4: Opening('La famille et le foyer sont au premier plan.'),
    5: Opening('Période favorable aux loisirs et à la détente, aux relations sentimentales.'),
    6: Opening('Période favorable aux affaires financières.'),
    7: Whole("L'accent est mis sur le mariage ou des relations proches (union-association)."),
    8: Opening("Risques de problèmes de santé et d'ennuis."),
    9: Opening('Evasioné voyages.'),
    10: Opening('La situation sociale et professionnelle sont prédominants.'),
    11: Opening('Période favorable à des projets et à de nouvelles aspirations.'),
    12: Opening('Soucis et angoisses.'),
}

PERIOD = {
    1: Opening('Idéal pour commencer une activité.'),
    2: Opening("Idéal pour rencontrer des amis ou pour obtenir l'aide."),
    3: Opening('Idéal pour les relations et les contacts.'),
    4: Opening('Idéal pour le travail et la vie matérielle.'),
    5: Opening('Idéal pour le changement et les voyages.'),
    6: Opening("Idéal pour l'amour et l'amitié."),
    7: Opening("Idéal pour la réflexion, l'analyse et l'étude."),
    8: Opening("Idéal pour les affaires et l'argent."),
    9: Opening('Idéal pour achever un travail en cours ou pour conclure une affaire.'),
}

ACCORD = {
    1: Whole('3 - 5 - 6 - 9'),
    2: Whole('4 - 7 - 8'),
    3: Whole('1 - 5 - 6 - 9'),
    4: Whole('2 - 7 - 8'),
    5: Whole('1 - 3 - 6 - 9'),
    6: Whole('1 - 3 - 5 - 9'),
    7: Whole('2 - 4 - 8'),
    8: Whole('2 - 4 - 7'),
    9: Whole('1 - 3 - 5 - 6'),
}

COMPANY = {
    1: Opening('Société qui fait preuve de dynamisme.'),
    2: Opening("Société qui affirme des qualit‚s de finesse et d'habileté."),
    3: Opening("Beaucoup d'activité, de volonté de travail."),
    4: Opening("Beaucoup d'effort et de travail pour des résultats modestes."),
    5: Opening('Entreprises ambitieuses et audacieuses.'),
    6: Opening('Croissance harmonieuse et régulière.'),
    7: Opening("Force d'action très efficace et objectifs atteints."),
    8: Opening('Dualité : réussite ‚norme et rapide, mais aussi risque de faillite et de pertes.'),
    9: Opening('Entreprise dont les aspirations et les buts sont élevés.'),
}

COMPATIBILITY = {
    11: Whole("Entente électrique. Ni l'un ni l'autre ne fait de concession."),
    12: Whole("Bonne relation, idéale. Caractères qui s'harmonisent."),
    13: Whole('Ambiance chaleureuse. Accord dans tous les domaines.'),
    14: Whole('Bonne entente. Réalisations communes constructives.'),
    15: Whole('Amour fou, mais peu durable. souvent le coup de foudre.'),
    16: Whole('Entente excellente. Une certaine magie dans les rapports.'),
    17: Whole("Bonne vibration pour l'amitié. Par ailleurs, bon contact."),
    18: Opening("Caractères qui s'affrontent."),
    19: Whole('Relations souvent tendues. Caractères très différents.'),
    22: Whole('Entente moyenne. Manque de dynamisme. Des efforts en perspective.'),
    23: Whole('Harmonie du coeur. Climat favorable au très grand amour.'),
    24: Whole("Bonne entente générale. Equilibre s'affirmant avec le temps."),
    25: Whole('Grande attirance. Sensualité forte. Relations mouvementées.'),
    26: Whole('Relations harmonieuses. Amour qui favorise la stabilité.'),
    27: Whole('Entente fragile, côté coeur, mais satisfaction en amitié.'),
    28: Whole('Excellent. Vibration positive en amour et en affaires.'),
    29: Whole("Désacord. Beaucoup de tension et d'émotivité. Du calme !"),
    33: Opening('Relation idéale dans tous les domaines de la vie.'),
    34: Whole('Ambiance tumultueuse. Des efforts à faire des deux côtés.'),
    35: Whole("Bonne vibration d'accord. Rapports enrichissants et variés."),
    36: Whole('Harmonie en amour. Associations artistiques favorisées.'),
    37: Whole('Equilibre précaire. Rythmes de vie très différents.'),
    38: Opening("Bonne entente sous le signe de l'originalité."),
    39: Whole("Accord total. Complicité pour des projets d'envergure."),
    44: Whole('Entente surtout dans le travail. Plus difficile en amour.'),
    45: Whole('Relations tumultueuses, passionnelles et riches en émotions.'),
    46: Whole('Relations agréables et constructives. Sentiments durables.'),
    47: Whole('Rapports excellents. Collaboration fructueuse et solide.'),
    48: Whole('Entente bénéfique. Expansion matérielle commune favorisée.'),
    49: Whole('Accord sans limite en perpétuelle évolution. Le vertige !'),
    55: Whole('Très bonne entente. Goût commun pour les voyages.'),
    56: Whole('Relations parfois tendues, mais positives dans le temps.'),
    57: Whole('Attirance réciproque. Mais indépendance à préserver.'),
    58: Whole("Rapports enrichissants. Entente sous le signe de l'expansion."),
    59: Whole("Rapports difficiles. Attention à l'égocentrisme de chacun."),
    66: Whole('Relations harmonieuses entre natures conciliantes.'),
    67: Whole("Entente pouvant être perturbée par le doute et l'hésitation."),
    68: Whole("Accord dans l'ensemble. Epanouissement dans des activités."),
    69: Whole('Rapports teintés de mystère. Attirance magnétique. Sans limite.'),
    77: Whole('Entente excellente. Aspects intellectuels très favorisés.'),
    78: Whole('Bons rapports. Union stable sous le signe de la puissance.'),
    79: Whole("Rapports positifs malgré des caractères différents. De l'espoir."),
    88: Whole("Sentimentalement difficile mais bon dans l'amitié amoureuse."),
    89: Whole('Accord profond. Capacité constructive importante.'),
    99: Whole('Beaucoup de compréhension. Merveilleux et idéal partagé.'),
}

FIRST_VOWEL = {
    1: Whole('A: Cérébral, commandement, franchise.'),
    2: Whole('E: Activité, mouvement.'),
    3: Whole('I: Emotivité et grande sensibilité.'),
    4: Whole('O: Force intérieure, discrétion des sentiments, secret.'),
    5: Whole('U: Intuition, tension morale.'),
    6: Whole('Y: Un certain mystère, intuition.'),
}

INITIALS_NUMBER = {
    1: Whole("Direction."), 2: Whole("Association."), 3: Whole("Expression."), 4: Whole("Organisation."),
    5: Whole("Mouvement, changement."), 6: Whole("Harmonie, amour."), 7: Whole("Vie intérieure, réflexion."),
    8: Whole("Accomplissements matériels."), 9: Whole("Idéal, grandeur."), 11: Whole("Inspiration, maîtrise."),
    22: Whole("Constructions ambitieuses."),
}

LETTERS = {
    "A": Whole("(lettre cérébrale) Autorité, direction."),
    "B": Whole("(lettre émotive) Sentimentalité réserve."),
    "C": Whole("(lettre intuitive) Extraversion, expression."),
    "D": Whole("(lettre physique) Efficacité, développement."),
    "E": Whole("(lettre physique) Activité, mobilité."),
    "F": Whole("(lettre intuitive) Responsabilité, adaptation."),
    "G": Whole("(lettre cérébrale) Isolement, secret."),
    "H": Whole("(lettre cérébrale) Ambition, irrégularité."),
    "I": Whole("(lettre émotive) Tension, émotivité."),
    "J": Whole("(lettre cérébrale) Intelligence, création."),
    "K": Whole("(lettre intuitive) Inspiration, nervosité."),
    "L": Whole("(lettre cérébrale) Analyse, invention."),
    "M": Whole("(lettre physique) Travail, construction."),
    "N": Whole("(lettre cérébrale) Energie, mouvement."),
    "O": Whole("(lettre émotive) Emotions cachées, sentimentalité."),
    "P": Whole("(lettre cérébrale) Discrétion, solitude."),
    "Q": Whole("(lettre intuitive) Instabilité, force."),
    "R": Whole("(lettre émotive) Emotivité, tension."),
    "S": Whole("(lettre émotive) Nervosité, oppression."),
    "T": Whole("(lettre émotive) Spiritualité, élévation."),
    "U": Whole("(lettre intuitive) Restriction, tension."),
    "V": Whole("(lettre intuitive) Evasion, stabilité."),
    "W": Whole("(lettre physique) Inconstance, hauts et bas."),
    "X": Whole("(lettre émotive) Troubles nerveux et affectifs."),
    "Y": Whole("(lettre intuitive) Incertitude, intuition."),
    "Z": Whole("(lettre émotive) Doute, matérialité."),
}

_POSITIVE, _NEGATIVE, _NEUTRAL = "Lettre positive : ", "Lettre négative : ", "Lettre neutre : "
TRANSIT = {
    "A": Opening(_POSITIVE + "Changements bénéfique."),
    "B": Opening(_NEGATIVE + "Problèmes de santé."),
    "C": Whole(_POSITIVE + "Réussite. Voyages. bonheur affectif."),
    "D": Opening(_NEGATIVE + "Ennuis et soucis au foyer."),
    "E": Opening(_POSITIVE + "Bonne période sur tous les plans"),
    "F": Opening(_NEGATIVE + "Problèmes familiaux."),
    "G": Opening(_POSITIVE + "Sur le plan matériel et des finances."),
    "H": Whole(_NEUTRAL + "Hauts et bas rapides dans tous les domaines"),
    "I": Opening(_NEGATIVE + "Retards."),
    "J": Whole(_POSITIVE + "Succès et satisfaction dans tous les domaines."),
    "K": Opening(_POSITIVE + "Réussite, réalisation des ambitions"),
    "L": Whole(_POSITIVE + "Année heureuse sur tous les plans."),
    "M": Opening(_NEGATIVE + "Problèmes de santé. Changements désagréables."),
    "N": Opening(_POSITIVE + "Changements favorables."),
    "O": Opening(_POSITIVE + "Bonne santé."),
    "P": Opening(_NEGATIVE + "Année difficile dans tous les domaines."),
    "Q": Opening(_POSITIVE + "Affaire prospŠres et succès financiers."),
    "R": Opening(_NEGATIVE + "Vie physique et matérielle menacée"),
    "S": Opening(_POSITIVE + "Transformation agréable de l'existence (tous domaines)."),
    "T": Opening(_POSITIVE + "Satisfactions sur tous les plans."),
    "U": Opening(_NEGATIVE + "Difficultés matérielles : pertes financières."),
    "V": Opening(_POSITIVE + "Succès et réussite."),
    "W": Opening(_NEUTRAL + "Instabilité générale sur tous les plans."),
    "X": Opening(_POSITIVE + "Dans le domaine du travail et des affaires."),
    "Y": Opening(_NEUTRAL + "Choix à faire qui ne sont pas toujours faciles."),
    "Z": Opening(_POSITIVE + "Réalisations matérielles qui aboutissent au succès."),
}

_FAVOURS = "C'est un chemin qui favorise "
LIFE_PATH_TEXTS = {
    1: Opening(_FAVOURS + "la réussite personnelle"),
    2: Opening(_FAVOURS + "l'association et le mariage"),
    3: Opening(_FAVOURS + "les activités de contact"),
    4: Opening(_FAVOURS + "les succès par le travail"),
    5: Opening(_FAVOURS + "les changements dans tous les domaines, les voyages, les activités physiques"),
    6: Opening("Ce chemin implique des choix à faire pas toujours faciles."),
    7: Opening("C'est un chemin de vie qui favorise les travaux de l'esprit"),
    8: Opening(_FAVOURS + "les ambitions, les réalisations"),
    9: Opening(_FAVOURS + "les voyages"),
    11: Opening(_FAVOURS + "l'accomplissement de réalisations ambitieuses ou originales"),
    22: Opening(_FAVOURS + "les projets de haut niveau"),
}
