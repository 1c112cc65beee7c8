"""An independent reckoning of every number a batch line yields, written from the rules of the readings.

Texts are Python strings whose characters are Windows-1252 characters. Where the rules fix a
reading word for word the expectation is exact; where only its opening is known, or where the
program is free to choose, the expectation says just that much (see Expect).
"""

import math
import re

import reference_texts as T

# ---- Expectations of one text ----------------------------------------------------------------


class Exact:
    def __init__(self, text):
        self.text = text

    def matches(self, actual):
        return actual == self.text

    def __repr__(self):
        return repr(self.text)


class StartsWith:
    def __init__(self, text):
        self.text = text

    def matches(self, actual):
        return isinstance(actual, str) and actual.startswith(self.text)

    def __repr__(self):
        return repr(self.text) + "..."


class Pattern:
    def __init__(self, regex, what):
        self.regex = re.compile(regex, re.DOTALL)
        self.what = what

    def matches(self, actual):
        return isinstance(actual, str) and self.regex.fullmatch(actual) is not None

    def __repr__(self):
        return "<" + self.what + ">"


class OneOf:
    def __init__(self, *choices):
        self.choices = choices

    def matches(self, actual):
        return any(c.matches(actual) for c in self.choices)

    def __repr__(self):
        return " or ".join(repr(c) for c in self.choices)


def is_empty_line(expectation):
    return isinstance(expectation, Exact) and expectation.text == ""


# ---- Failures, and the one conversion of text to integer ------------------------------------------


class Stop(Exception):
    """An analysis that ends early: kind is "message" (the user's to correct) or "error"."""

    def __init__(self, kind, text):
        super().__init__(text)
        self.kind = kind
        self.text = text


MISSING_DATE = "Date de naissance manquante"
MISSING_ADDRESS = "Adresse manquante"


def not_an_integer(text):
    return Stop("error", "'" + text + "' n'est pas une valeur entière correcte")


def to_int(text):
    """Leading blanks, an optional sign, then decimal digits only, within 32 bits."""
    body = text.lstrip(" ")
    digits = body[1:] if body[:1] in ("+", "-") else body
    if not digits or any(c not in "0123456789" for c in digits):
        raise not_an_integer(text)
    value = int(body)
    if not -(2**31) <= value < 2**31:
        raise not_an_integer(text)
    return value


# ---- Codings and reductions ----------------------------------------------------------------------


def _coding(rows):
    return {c: digit for digit, chars in rows.items() for c in chars}


LETTER_VALUES = _coding({"1": "1AJSàâ", "2": "2BKT", "3": "3CLUçùû", "4": "4DMV", "5": "5ENWèéê",
                         "6": "6FOXôö", "7": "7GPY", "8": "8HQZ", "9": "9IRîï"})
VOWEL_VALUES = _coding({"1": "Aàâ", "3": "Uùûü", "5": "Eèéêë", "6": "Oôö", "7": "Y", "9": "Iîï"})
CONSONANT_VALUES = _coding({"1": "1JS", "2": "2BKT", "3": "3CL", "4": "4DMV", "5": "5NW", "6": "6FX",
                            "7": "7GP", "8": "8HQZ", "9": "9R"})


def letters(text):
    return "".join(LETTER_VALUES.get(c, "") for c in text)


def vowels(text):
    return "".join(VOWEL_VALUES.get(c, "") for c in text)


def consonants(text):
    return "".join(CONSONANT_VALUES.get(c, "") for c in text)


def digit_sum(text):
    return str(sum(to_int(c) for c in text))


def _reduce(text, accepted):
    if text == "":
        return ""
    current = text
    while True:
        current = digit_sum(current)
        if current == "0" or current in accepted:
            return current


def keep_masters(text):
    return _reduce(text, "1 2 3 4 5 6 7 8 9 11 22")


def to_digit(text):
    return _reduce(text, "1 2 3 4 5 6 7 8 9")


def to_22(text):
    if text == "":
        return ""
    if to_int(text) <= 22:
        return text
    current = text
    while True:
        current = digit_sum(current)
        if current == "0" or to_int(current) <= 22:
            return current


def upper_ascii(text):
    return "".join(chr(ord(c) - 32) if "a" <= c <= "z" else c for c in text)


def is_capital(c):
    return "A" <= c <= "Z"


# ---- Dates ----------------------------------------------------------------------------------------


def cut(date):
    return date[0:2], date[3:5], date[6:10]


def date_sum(date):
    day, month, year = cut(date)
    return keep_masters(str(to_int(day) + to_int(month) + to_int(year)))


def date_digits(date):
    day, month, year = cut(date)
    return keep_masters(day + month + year)


def larger(sum_number, digits_number):
    return digits_number if to_int(digits_number) > to_int(sum_number) else sum_number


def life_path(date):
    s = date_sum(date)
    return larger(s, date_digits(date))


# ---- Reading lines ----------------------------------------------------------------------------------


def row_line(label, row):
    """label, ": " and the row; a key without a row leaves the label and ": " alone."""
    prefix = label + ": "
    if row is None:
        return Exact(prefix)
    return Exact(prefix + row.text) if isinstance(row, T.Whole) else StartsWith(prefix + row.text)


def bare_row(row):
    if row is None:
        return Exact("")
    return Exact(row.text) if isinstance(row, T.Whole) else StartsWith(row.text)


def clean_memo(lines):
    """The result windows' rule: empty lines go, looking at the same place again; never the last."""
    lines = list(lines)
    i = 0
    while True:
        if is_empty_line(lines[i]):
            del lines[i]
        else:
            i += 1
        if not lines or i >= len(lines) - 1:
            return lines


def expression_lines(number):
    traits = T.EXPRESSION_TRAITS.get(to_int(number))
    if traits is None:
        return [Exact(number + ": ")]
    return [Exact(number + ": " + traits.text + " "),
            Pattern(r"Amour : \S.* ", '"Amour : ...", ending with a blank'),
            Pattern(r"Travail : \S.* ", '"Travail : ...", ending with a blank'),
            Pattern(r"Santé : \S.*\S", '"Santé : ..."')]


# ---- The analyses ---------------------------------------------------------------------------------


def name_grid(s):
    def cells(text):
        return [text[k] if k < len(text) else "" for k in range(21)]
    return {"first_letters": cells(s["first"]), "first_digits": cells(letters(s["first"])),
            "last_letters": cells(s["last"]), "last_digits": cells(letters(s["last"]))}


def digit_counts(digits):
    return [len(digits)] + [digits.count(str(d)) for d in range(1, 10)]


def dominant_and_missing(counts):
    highest = max([0] + counts[1:])
    dominant = [d for d in range(1, 10) if counts[d] == highest]
    missing = [d for d in range(1, 10) if counts[d] == 0]
    return dominant, missing


def capacity_lines(dominant, missing):
    lines = []
    for d in dominant:
        title, _, strong = T.VENUS[d]
        lines += [Exact(f"{d}: {title}"), Exact(strong), Exact("")]
    for d in missing:
        title, weak, _ = T.VENUS[d]
        lines += [Exact(f"{d}: {title}"), Exact(weak)]
    return lines + [Exact("")]


def interpretation(counts):
    dominant, missing = dominant_and_missing(counts)
    return {"dominant": "".join(f"{d} " for d in dominant), "missing": "".join(f"{d} " for d in missing),
            "memo": clean_memo(capacity_lines(dominant, missing))}


def name_numbers(s):
    whole = s["first"] + s["last"]
    return {"intimate": keep_masters(vowels(whole)), "expression": keep_masters(letters(whole)),
            "realisation": keep_masters(consonants(whole)), "active": keep_masters(letters(s["first"])),
            "hereditary": keep_masters(letters(s["last"]))}


def name_chart_lines(n):
    lines = [row_line(n["intimate"], T.INTIMATE.get(to_int(n["intimate"])))]
    lines += expression_lines(n["expression"])
    lines.append(row_line(n["realisation"], T.REALISATION.get(to_int(n["realisation"]))))
    lines.append(row_line(n["active"], T.ACTIVE.get(to_int(n["active"]))))
    lines.append(row_line(n["hereditary"], T.HEREDITARY.get(to_int(n["hereditary"]))))
    return lines


def name_chart(s):
    n = name_numbers(s)
    return dict(n, memo=clean_memo(name_chart_lines(n)))


PART_LIMIT = 255


def initials_of(name):
    work = name
    initials = work[:1] + "."
    while True:
        found = [i for i in (work.find(" "), work.find("-")) if i >= 0]
        if not found:
            return initials
        start = min(found) + 1
        work = work[start:start + PART_LIMIT]
        initials += work[:1] + "."


CLASSES = ("AGHJLNP", "DEMW", "BIORSTXZ", "CFKQUVY")


def name_letter_values(s):
    initials = initials_of(s["first"]) + initials_of(s["last"])
    number = keep_masters(letters(initials))
    vowel = next((c for c in s["last"] if c in "AEIOUY"), "")
    whole = s["first"] + s["last"]
    counts = [sum(1 for c in whole if c in letters_of_class) for letters_of_class in CLASSES]
    return {"initials": initials, "initials_number": number, "initials_line": initials + "= " + number,
            "first_vowel": vowel,
            **dict(zip(("cerebral", "physical", "emotional", "intuitive"),
                       (str(c) if c else "-" for c in counts)))}


def name_letters_lines(v):
    """The reading, up to the first-vowel line (which no line break follows yet)."""
    label = v["initials_line"][-2:]
    lines = [row_line(label, T.INITIALS_NUMBER.get(to_int(label)))]
    lines += [row_line(c, T.LETTERS[c]) for c in v["initials_line"] if is_capital(c)]
    position = "AEIOUY".find(v["first_vowel"]) + 1 if v["first_vowel"] else 0
    return lines + [bare_row(T.FIRST_VOWEL.get(position))]


def name_letters(s):
    v = name_letter_values(s)
    return dict(v, memo=clean_memo(name_letters_lines(v) + [Exact("")]))


def birth_numbers(date):
    """Day, month and year numbers and the life path, converted in the birth-date analysis' order."""
    day, month, year = cut(date)
    path = life_path(date)
    return {"day": day, "month": month, "year": year, "day_number": keep_masters(day),
            "month_number": keep_masters(month), "year_number": to_digit(year), "life_path": path,
            "date_sum": date_sum(date)}


def birth_date_lines(b):
    return [row_line(b["day_number"], T.BIRTH_DAY.get(to_int(b["day_number"]))),
            row_line(b["month_number"], T.BIRTH_MONTH.get(to_int(b["month_number"]))),
            row_line(b["year_number"], T.BIRTH_YEAR.get(to_int(b["year_number"]))),
            row_line(b["life_path"], T.LIFE_PATH_TITLES.get(to_int(b["life_path"]))),
            bare_row(T.LIFE_PATH_TEXTS.get(to_int(b["life_path"]))), Exact("")]


def birth_date(s):
    if len(s["birth"]) != 10:
        raise Stop("message", MISSING_DATE)
    b = birth_numbers(s["birth"])
    return {"day_line": f'{b["day"]} = {b["day_number"]}', "month_line": f'{b["month"]} = {b["month_number"]}',
            "year_line": f'{b["year"]} = {b["year_number"]}', "life_path": b["life_path"],
            "memo": clean_memo(birth_date_lines(b))}


def unique_number(s):
    active, hereditary = to_digit(letters(s["first"])), to_digit(letters(s["last"]))
    path = life_path(s["birth"])
    unique = to_22(str(to_int(active) + to_int(hereditary) + to_int(date_sum(s["birth"]))))
    lines = [row_line(active, T.ACTIVE.get(to_int(active))),
             row_line(hereditary, T.HEREDITARY.get(to_int(hereditary))),
             row_line(path, T.LIFE_PATH_TITLES.get(to_int(path))), bare_row(T.LIFE_PATH_TEXTS.get(to_int(path))),
             row_line(unique, T.UNIQUE.get(to_int(unique))), Exact("")]
    return {"active": active, "hereditary": hereditary, "life_path": path, "unique": unique,
            "memo": clean_memo(lines)}


NOT_A_LETTER = Pattern(r"(?![A-Z]$).*", "anything but a letter A-Z")


def year_values(s):
    """The current-year numbers, converted in the order the year analysis states them."""
    birth_day, birth_month, birth_year = cut(s["birth"])
    day, month, year = cut(s["study"])
    personal = to_digit(str(to_int(birth_day) + to_int(birth_month) + to_int(year)))
    age = to_int(year) - to_int(birth_year)
    name_letters_ = [c for c in s["first"] + s["last"] if is_capital(c)]
    letter = name_letters_[age % len(name_letters_)] if 0 <= age < 10 * len(name_letters_) else None
    before = int(math.fmod(age, 12)) or 12
    after = 1 if before + 1 > 12 else before + 1
    month_number = to_digit(str(to_int(month) + to_int(personal)))
    day_number = to_digit(str(to_int(day) + to_int(month_number)))
    return {"personal_year": personal, "transit_letter": letter, "marker_before": str(before),
            "marker_after": str(after), "month_number": month_number, "day_number": day_number}


def year_lines(y):
    letter = y["transit_letter"]
    transit = row_line(letter, T.TRANSIT[letter]) if letter else Pattern(r"(?![A-Z]: ).*", "no letter A-Z")
    return [row_line(y["personal_year"], T.PERSONAL_YEAR.get(to_int(y["personal_year"]))), transit,
            row_line(y["marker_before"], T.ANNIVERSARY.get(int(y["marker_before"]))),
            row_line(y["marker_after"], T.ANNIVERSARY.get(int(y["marker_after"]))),
            row_line(y["month_number"], T.PERIOD.get(to_int(y["month_number"]))),
            row_line(y["day_number"], T.PERIOD.get(to_int(y["day_number"]))), Exact("")]


def current_year(s):
    if len(s["birth"]) != 10 or len(s["study"]) != 10:
        raise Stop("message", MISSING_DATE)
    y = year_values(s)
    return {"title": "Analyse au " + s["study"], **dict(y, transit_letter=y["transit_letter"] or NOT_A_LETTER),
            "memo": clean_memo(year_lines(y))}


# ---- Cycles of a life: periods of realisation, challenges, life cycles, maturity, karmic debts -----


KARMIC_DEBTS = (13, 14, 16, 19)
DEBT_SOURCES = ("jour", "chemin de vie", "intime", "expression", "réalisation")


def master_rule(total):
    """A sum of 11 or 22 stays; any other is reduced keeping the master numbers."""
    return str(total) if total in (11, 22) else keep_masters(str(total))


def keep_masters_passes(text):
    """Every text a reduction keeping the master numbers writes, one per digit-sum pass."""
    passes = []
    current = text
    while current != "":
        current = digit_sum(current)
        passes.append(current)
        if current == "0" or current in "1 2 3 4 5 6 7 8 9 11 22":
            break
    return passes


def debts_in(texts):
    return sorted({int(t) for t in texts if int(t) in KARMIC_DEBTS})


def cycle_values(s):
    """The birth date is converted as the birth-date analysis converts it, the study date as the
    current year does."""
    if len(s["birth"]) != 10:
        raise Stop("message", MISSING_DATE)
    b = birth_numbers(s["birth"])
    if len(s["study"]) != 10:
        raise Stop("message", MISSING_DATE)
    year_values(s)
    age = to_int(cut(s["study"])[2]) - to_int(b["year"])
    d, m, y = int(b["day_number"]), int(b["month_number"]), int(b["year_number"])
    first = 36 - int(to_digit(b["life_path"]))
    r1, r2, r4 = master_rule(m + d), master_rule(d + y), master_rule(m + y)
    r3 = master_rule(int(r1) + int(r2))
    d_digit = int(to_digit(str(d)))
    c1, c2 = abs(m - d_digit), abs(d_digit - y)
    ends = [0, first, first + 9, first + 18, None]
    periods = [{"from": ends[k], "to": ends[k + 1], "realisation": r, "challenge": str(c)}
               for k, (r, c) in enumerate(zip((r1, r2, r3, r4), (c1, c2, abs(c1 - c2), abs(m - y))))]
    cycles_ = [{"name": "formatif", "number": str(m), "from": 0, "to": first},
               {"name": "productif", "number": str(d), "from": first, "to": first + 27},
               {"name": "moisson", "number": str(y), "from": first + 27, "to": None}]
    whole = s["first"] + s["last"]
    expression = keep_masters(letters(whole))
    maturity = master_rule(int(b["life_path"]) + int(expression)) if expression else ""
    day, month, year = cut(s["birth"])
    total = to_int(day) + to_int(month) + to_int(year)
    found = [debts_in([day]),
             debts_in([str(total)] + keep_masters_passes(str(total)) + keep_masters_passes(day + month + year))]
    if expression:
        found += [debts_in(keep_masters_passes(coding(whole))) for coding in (vowels, letters, consonants)]
    debts = [(source, debt) for source, list_ in zip(DEBT_SOURCES, found) for debt in list_]
    return {"age": age, "periods": periods, "life_cycles": cycles_, "maturity": maturity, "debts": debts}


def holding(spans, age):
    return next((x for x in spans if x["from"] <= age and (x["to"] is None or age < x["to"])), None)


def age_texts(span):
    return {"from": str(span["from"]), "to": "" if span["to"] is None else str(span["to"])}


def starts_with_number(number):
    return Pattern(re.escape(number) + r": .*", f'"{number}: ..."')


NO_NUMBER_FIRST = Pattern(r"(?!\d+: ).+", "a line without a number in front")


def cycles(s):
    v = cycle_values(s)
    period, cycle = holding(v["periods"], v["age"]), holding(v["life_cycles"], v["age"])
    if period:
        lines = [starts_with_number(period["realisation"]), starts_with_number(period["challenge"]),
                 starts_with_number(cycle["number"])]
    else:
        lines = [NO_NUMBER_FIRST]
    lines.append(starts_with_number(v["maturity"]) if v["maturity"] else NO_NUMBER_FIRST)
    distinct = sorted({debt for _, debt in v["debts"]})
    lines += [starts_with_number(str(debt)) for debt in distinct] or [NO_NUMBER_FIRST]
    return {"age": str(v["age"]),
            "periods": [dict(age_texts(p), realisation=p["realisation"], challenge=p["challenge"])
                        for p in v["periods"]],
            "life_cycles": [{"name": c["name"], "number": c["number"], **age_texts(c)} for c in v["life_cycles"]],
            "maturity": v["maturity"],
            "karmic_debts": [{"source": source, "debt": str(debt)} for source, debt in v["debts"]],
            "memo": clean_memo(lines + [Exact("")])}


def luck_list(items):
    """In increasing order (a three-digit value, which only an impossible day can give, comes last)."""
    padded = sorted((i if len(i) >= 2 else "0" + i for i in items), key=lambda i: (len(i), i))
    return ", ".join(i[1:] if i.startswith("0") else i for i in padded)


def luck(s):
    first, last = to_digit(letters(s["first"])), to_digit(letters(s["last"]))
    day, month, year = cut(s["birth"])
    date_digit = to_digit(str(to_int(day) + to_int(month) + to_int(year)))
    path = larger(date_digit, date_digits(s["birth"]))
    unique = to_22(str(to_int(first) + to_int(last) + to_int(path)))
    intimate = keep_masters(vowels(s["first"] + s["last"]))
    items = [str(to_int(unique) + to_int(date_digit) + to_int(day) + to_int(intimate)),
             str(to_int(keep_masters(unique)) + to_int(keep_masters(day)) + to_int(date_digit) + to_int(intimate)),
             unique, date_digit, day, intimate]
    return {"unique": unique, "life_path": path, "birth_day": day, "intimate": intimate,
            "luck_list": luck_list(items)}


ANYTHING = Pattern(r".*", "the program's own line")


def current_life(s):
    if s["address"] == "" or s["city"] == "":
        raise Stop("message", MISSING_ADDRESS)
    expression = keep_masters(letters(s["first"] + s["last"]))
    city = keep_masters(letters(s["city"]))
    address = keep_masters(letters(s["address"] + s["city"]))
    company = keep_masters(letters(s["company"]))
    accord = T.ACCORD.get(to_int(expression))
    lines = [Exact("Accord avec le nombre d'expression"),
             Exact(expression + " est en accord avec " + (accord.text if accord else "")), Exact(" "),
             Exact("Société")]
    # Without a company the last line is the program's own choice.
    lines.append(ANYTHING if s["company"] == "" else row_line(company, T.COMPANY.get(to_int(company))))
    return {"expression": expression, "city": city, "address": address, "company": company,
            "memo": clean_memo(lines)}


def expression_head(number):
    lines = expression_lines(number)
    return lines[:2] if len(lines) == 4 else lines


def compatibility(s):
    if s["partner_first"] == "" or s["partner_last"] == "":
        return None
    names = [upper_ascii(s[k]) for k in ("first", "last", "partner_first", "partner_last")]
    first, second = to_digit(letters(names[0] + names[1])), to_digit(letters(names[2] + names[3]))
    lines = expression_head(first) + [Exact("")]
    lines += expression_head(second) + [Exact("")]
    key = first + second if first < second else second + first
    lines += [Exact(" "), Exact("Entente"), bare_row(T.COMPATIBILITY.get(int(key)))]
    return {"first_full_name": names[0] + " " + names[1], "second_full_name": names[2] + " " + names[3],
            "first_number": first, "second_number": second, "memo": clean_memo(lines)}


# ---- The portrait ---------------------------------------------------------------------------------


def letter_line(name):
    """Each character with its digit and a tab; characters without a digit may be left out or shown bare."""
    skipped = "".join(f"{c} = {letters(c)}\t" for c in name if letters(c))
    listed = "".join(f"{c} = {letters(c)}\t" for c in name)
    return OneOf(Exact(skipped), Exact(listed))


def portrait(s, out):
    """Appends the portrait's lines to out; a failed conversion stops it where it happens."""
    def write(*texts):
        out.extend(t if not isinstance(t, str) else Exact(t) for t in texts)

    write("Analyse effectuée le " + s["study"], "",
          "Graphique de " + s["first"] + " " + s["last"] + "\t\t\tNé(e) le " + s["birth"], "")
    write(letter_line(s["first"]), letter_line(s["last"]), "")

    dominant, missing = dominant_and_missing(digit_counts(letters(s["first"]) + letters(s["last"])))
    write("Nombre dominant :\t" + "".join(f"{d} " for d in dominant),
          "Nombre manquant :\t" + "".join(f"{d} " for d in missing), "")

    n = name_numbers(s)
    write("Nombre intime :\t\t" + n["intimate"], "Nombre d'expression :\t" + n["expression"],
          "Nombre de réalisation :\t" + n["realisation"], "Nombre actif :\t\t" + n["active"],
          "Nombre héréditaire :\t" + n["hereditary"], "")

    v = name_letter_values(s)
    write("Initiales : \t\t\t" + v["initials_line"], "Première voyelles du nom : \t" + v["first_vowel"],
          "Lettres cérébrales : \t\t" + v["cerebral"], "Lettres physiques : \t\t" + v["physical"],
          "Lettres émotives : \t\t" + v["emotional"], "Lettres intuitives : \t\t" + v["intuitive"], "")

    # A section's values are all worked out before its first line is written.
    b = None
    if len(s["birth"]) == 10:
        b = birth_numbers(s["birth"])
        write("Chemin de vie", "-" * 16, f'Jour : \t\t{b["day"]} = {b["day_number"]}',
              f'Mois : \t\t{b["month"]} = {b["month_number"]}', f'Année : \t\t{b["year"]} = {b["year_number"]}',
              "Chemin de vie : \t" + b["life_path"])
    write("")

    # Unlike the unique-number analysis, the name numbers keep 11 and 22 here.
    unique = to_22(str(to_int(n["active"]) + to_int(n["hereditary"]) + to_int(b["date_sum"] if b else "")))
    write("Nombre Unique : \t" + unique, "")

    y = None
    if len(s["birth"]) == 10 and len(s["study"]) == 10:
        y = year_values(s)
        transit = "Lettre de passage : \t\t"
        write("Nombre d'année personnelle : \t" + y["personal_year"],
              transit + y["transit_letter"] if y["transit_letter"]
              else Pattern(re.escape(transit) + r"(?![A-Z]$).*", "no transit letter A-Z"),
              "Repère avant anniversaire : \t" + y["marker_before"],
              "Repère après anniversaire : \t" + y["marker_after"], "Nombre des mois : \t\t" + y["month_number"],
              "Nombre des jours : \t\t" + y["day_number"], "")

    personal = y["personal_year"] if y else ""
    day = cut(s["birth"])[0]
    items = [str(to_int(unique) + to_int(personal) + to_int(day) + to_int(n["intimate"])),
             str(to_int(keep_masters(unique)) + to_int(keep_masters(day)) + to_int(personal) + to_int(n["intimate"])),
             unique, personal, day, n["intimate"]]
    write("Nombres de la chance : \t" + luck_list(items), "")

    write("INTERPRETATION", "", "Nombre dominant / manquant", "")
    out.extend(capacity_lines(dominant, missing))
    write("Graphique complet du nom", "")
    out.extend(name_chart_lines(n))
    write("", "Lettres du nom", "")
    out.extend(name_letters_lines(v))
    write("", "Date de naissance", "")
    out.extend(birth_date_lines(b))
    write("Le nombre unique", "")
    out.extend([row_line(n["active"], T.ACTIVE.get(to_int(n["active"]))),
                row_line(n["hereditary"], T.HEREDITARY.get(to_int(n["hereditary"]))),
                row_line(b["life_path"], T.LIFE_PATH_TITLES.get(to_int(b["life_path"]))),
                bare_row(T.LIFE_PATH_TEXTS.get(to_int(b["life_path"]))),
                row_line(unique, T.UNIQUE.get(to_int(unique)))])
    write("", "L'année en cours", "")
    out.extend(year_lines(y))


def portrait_result(s):
    lines = []
    try:
        portrait(s, lines)
        return {"lines": lines}
    except Stop as stop:
        return {"lines": lines, "error": stop.text}


# ---- One batch line --------------------------------------------------------------------------------


def guarded(analysis, s):
    try:
        return analysis(s)
    except Stop as stop:
        return {stop.kind: stop.text}


def expected_output(s):
    """The whole object the batch writes for subject s (fields as a study holds them)."""
    counts = digit_counts(letters(s["last"]) + letters(s["first"]))
    return {
        "subject": {"first_name": s["first"], "last_name": s["last"], "birth_date": s["birth"],
                    "study_date": s["study"], "address": s["address"], "postcode_city": s["city"],
                    "company": s["company"]},
        "grid": name_grid(s),
        "venus": {"digits": letters(s["last"]) + letters(s["first"]), "counts": counts},
        "interpretation": interpretation(counts),
        "name_chart": guarded(name_chart, s),
        "name_letters": guarded(name_letters, s),
        "birth_date": guarded(birth_date, s),
        "unique_number": guarded(unique_number, s),
        "current_year": guarded(current_year, s),
        "cycles": guarded(cycles, s),
        "luck": guarded(luck, s),
        "current_life": guarded(current_life, s),
        "compatibility": guarded(compatibility, s),
        "portrait": portrait_result(s),
    }
