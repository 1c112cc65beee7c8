"""Batch input lines for the checks: the worked examples, then varied subjects drawn from a fixed seed."""

import random

# Worked examples whose numbers are known by heart.
EXAMPLES = [
    "JEAN-PIERRE\tDUPONT\t19/04/1950\t08/12/2026\t12 RUE DES LILAS\t75001 PARIS\tACME\tMARIE\tDURAND",
    "MARIE\tDURAND\t19/04/1950\t08/12/2026\t3 PLACE DU MARCHE\t69002 LYON\t\tJEAN\tDUPONT",
    "JEAN-JACQUES\tROUSSEAU\t28/06/1912\t28/06/1912",
    "éMILE\tZOLA\t02/04/1840\t29/09/1902\t21 BIS RUE DE BRUXELLES\t75009 PARIS\tL'AURORE",
    "ANNA\tLI\t29/06/1950\t08/12/1957",
    "FRANçOIS\tNOëL\t22/11/1999\t11/11/2011\tX\tY\tSARL",
    "HÉLÈNE\tÉLODIE\t19/06/1950\t19/06/1950",
    "JEAN\tDUPONT",
    "",
]

NAME_PARTS = [
    "JEAN", "MARIE", "PIERRE", "ANNE", "SOPHIE", "LUC", "YVES", "ZOé", "éMILE", "ÉMILE", "FRANçOIS",
    "NOëL", "HÉLÈNE", "ANAïS", "JOSé", "RENéE", "AGATHE", "XAVIER", "QUENTIN", "WILLIAM", "KÉVIN", "GAëLLE",
    "CHLOë", "MAëLYS", "ÎLE", "ÇA", "ÆLFRED", "ØYVIND", "ŒDIPE", "ŠTEFAN", "ÿVES", "ÄNNE", "ÜBER", "üRSULA",
    "DUPONT", "DURAND", "LE", "GALL", "DE", "LA", "FONTAINE", "D'ARTAGNAN", "O'NEIL", "MÜLLER", "SCHNEIDER",
    "BCDFG", "AEIOU", "Y", "YYY", "HHH", "jean", "Marie", "dupont", "A1", "2B", "007", "0", "---",
    "Жан", "李", "Ελένη", "😀", "MAR\u00adIE", "A\u0081B", "LOUIS\u2019", "ROSE\u00a0MARIE",
]
SEPARATORS = [" ", "-", "'", "  ", "--", " - ", ""]
PADDING = ["", "", "", " ", "  ", "\x01", "\x0b", " \x1f "]


def name(rng):
    if rng.random() < 0.05:
        return rng.choice(["", " ", "-", "'", "JEAN-", "-JEAN", " - ", "A" * 25, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"])
    if rng.random() < 0.03:
        # Long enough for the initials' 255-character work text to cut a later part off.
        return "A-" + "B" * rng.randint(250, 260) + "-C-D"
    parts = [rng.choice(NAME_PARTS) for _ in range(rng.choice([1, 1, 1, 2, 2, 3]))]
    text = parts[0]
    for part in parts[1:]:
        text += rng.choice(SEPARATORS) + part
    return rng.choice(PADDING) + text + rng.choice(PADDING)


def date(rng):
    day, month, year = rng.randint(1, 31), rng.randint(1, 12), rng.randint(1880, 2040)
    roll = rng.random()
    if roll < 0.70:
        return f"{day:02d}/{month:02d}/{year:04d}"
    if roll < 0.78:
        return f"{day:02d}{rng.choice('.- ')}{month:02d}{rng.choice('.- ')}{year:04d}"
    return rng.choice([
        "", " ", f"{day}/{month}/{year}", f"{day:02d}/{month:02d}/{year % 100:02d}", f"{day:02d}/{month:02d}/{year}0",
        f"{day:02d}/{month:02d}/{year} ", f" {day % 10}/{month:02d}/{year}", f"+{day % 10}/{month:02d}/{year}",
        f"-{day % 10}/{month:02d}/{year}", f"{day:02d}/{month:02d}/-{year % 1000:03d}", "ab/cd/efgh",
        f"{day:02d}/xx/{year}", f"{day:02d}/{month:02d}/19x0", "00/00/0000", "99/99/9999", "29/02/2000",
        "11/11/1111", "22/12/2222", f"{day:02d}/{month:02d}/\x00{year % 1000:03d}", f"{day:02d}/{month:02d}/{year}\r",
        f"{day:02d}\u00e9{month:02d}/{year}",
    ])


def study_date(rng, birth):
    if rng.random() < 0.5 and len(birth) == 10 and birth[6:10].isdigit():
        # Ages around the edges of the transit cycle and of the twelve-year markers.
        year = int(birth[6:10]) + rng.choice([-5, -1, 0, 1, 11, 12, 13, 24, 35, 49, 50, 60, 99, 130, 300])
        return f"{rng.randint(1, 31):02d}/{rng.randint(1, 12):02d}/{year:04d}" if 0 <= year <= 9999 else "01/01/0001"
    return date(rng)


def place(rng, choices):
    return rng.choice(PADDING) + rng.choice(choices) + rng.choice(PADDING)


ADDRESSES = ["12 RUE DES LILAS", "3 PLACE DU MARCHE", "1 AVENUE FOCH", "000", "", "", "rue basse", "ÉTÉ",
             "BP 90", "CHEMIN D'EN HAUT", "\u2116 7"]
CITIES = ["75001 PARIS", "69002 LYON", "13000 MARSEILLE", "00000", "", "", "LILLE", "Saint-Étienne", "12",
          "99999 ÇA"]
COMPANIES = ["", "", "", "ACME", "SARL DUPONT & FILS", "---", "12", "ÉÉÉ", "LA POSTE", "Société", "ZZZ"]


def varied_line(rng):
    birth = date(rng)
    fields = [name(rng), name(rng), birth, study_date(rng, birth), place(rng, ADDRESSES), place(rng, CITIES),
              place(rng, COMPANIES)]
    if rng.random() < 0.6:
        fields += [name(rng) if rng.random() < 0.9 else "", name(rng) if rng.random() < 0.9 else ""]
    if rng.random() < 0.05:
        fields += ["EXTRA", "FIELDS"]
    while rng.random() < 0.15 and fields:
        fields.pop()
    line = "\t".join(fields).encode("utf-8")
    if rng.random() < 0.1:
        line += b"\r"
    if rng.random() < 0.03:
        # A line that is not UTF-8 is read as Windows-1252.
        line = rng.choice([b"\xff", b"\x80", b"\xc3", b"\x81"]) + b"A" + line
    return line


def batch_lines(count=400, seed=19041950):
    rng = random.Random(seed)
    return [e.encode("utf-8") for e in EXAMPLES] + [varied_line(rng) for _ in range(count)]
