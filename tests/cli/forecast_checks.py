"""Checks of `tessaro-cli forecast`: every date against `analyse` with that study date, filters, refusals.

Called by process_checks.py with its run and check functions.
"""

import datetime
import json
from concurrent.futures import ThreadPoolExecutor

import reference_numbers as R

WEEKDAYS = ["lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"]
KEYS = ["date", "weekday", "personal_year", "month_number", "day_number", "transit_letter", "marker_before",
        "marker_after"]
JEAN = ["--first", "jean", "--last", "dupont", "--birth", "19/04/1950"]


def text(day):
    return day.strftime("%d/%m/%Y")


def dates(first, last):
    day = first
    while day <= last:
        yield day
        day += datetime.timedelta(days=1)


def forecast(run, args):
    code, out, error = run(["forecast"] + args)
    lines = out.decode().split("\n")
    return code, [json.loads(line, object_pairs_hook=list) for line in lines[:-1]], error, lines[-1]


def check_against_analyse(run, check):
    """From 20/12/2025 to 25/04/2026: a new year and the birthday of 19/04 inside."""
    first, last = datetime.date(2025, 12, 20), datetime.date(2026, 4, 25)
    code, days, error, rest = forecast(run, JEAN + ["--from", text(first), "--to", text(last)])
    check("forecast over a new year and a birthday", (code, error, rest) == (0, "", ""), f"{code} {error!r}")

    def analysed(day):
        out = run(["analyse"] + JEAN + ["--study", text(day)])[1]
        return json.loads(out)["current_year"]

    with ThreadPoolExecutor(4) as pool:
        expected = list(pool.map(analysed, dates(first, last)))
    check("one object a date", len(days) == len(expected), f"{len(days)} for {len(expected)}")
    for pairs, day, year in zip(days, dates(first, last), expected):
        check(f"keys of {text(day)}", [k for k, _ in pairs] == KEYS, pairs)
        got = dict(pairs)
        want = {"date": text(day), "weekday": WEEKDAYS[day.weekday()],
                **{k: year[k] for k in KEYS[2:]}}
        check(f"forecast of {text(day)} against analyse --study", got == want, f"{got} != {want}")


def check_century_against_reference(run, check):
    """A hundred years of days for a name that runs out of transit letters, against the reference."""
    first, last = datetime.date(1945, 3, 1), datetime.date(2045, 3, 1)
    code, days, error, _ = forecast(run, ["--first", "al", "--last", "bo", "--birth", "29/02/1948",
                                          "--from", text(first), "--to", text(last)])
    check("a century of days", (code, error, len(days)) == (0, "", (last - first).days + 1), f"{code} {error!r}")
    subject = {"first": "AL", "last": "BO", "birth": "29/02/1948"}
    for pairs, day in zip(days, dates(first, last)):
        want = R.year_values(dict(subject, study=text(day)))
        want["transit_letter"] = want["transit_letter"] or "-"
        got = dict(pairs)
        if got != dict(want, date=text(day), weekday=WEEKDAYS[day.weekday()]):
            check(f"forecast of {text(day)} against the reference", False, f"{got} != {want}")
            break


def check_filters(run, check):
    first, last = datetime.date(2024, 1, 1), datetime.date(2030, 12, 31)
    everything = forecast(run, JEAN + ["--from", text(first), "--to", text(last)])[1]
    # (filter options, the keys and values every date kept must hold)
    cases = [
        (["--day", "8"], {"day_number": "8"}),
        (["--month-number", "3"], {"month_number": "3"}),
        (["--personal-year", "6"], {"personal_year": "6"}),
        (["--day", "1", "--month-number", "9", "--personal-year", "6"],
         {"day_number": "1", "month_number": "9", "personal_year": "6"}),
        (["--day", "11"], {"day_number": "11"}),
    ]
    for options, wanted in cases:
        code, days, error, _ = forecast(run, JEAN + ["--from", text(first), "--to", text(last)] + options)
        expected = [d for d in everything if all(dict(d)[k] == v for k, v in wanted.items())]
        check(f"forecast {options}", (code, error, days) == (0, "", expected),
              f"{code} {error!r} {len(days)} dates for {len(expected)}")


def check_refusals(run, check, folder):
    study = f"{folder}/jean.tsr"
    with open(study, "wb") as f:
        f.write(b"JEAN\r\nDUPONT\r\n19/04/1950\r\n08/12/2026\r\n\r\n\r\n\r\n")
    bad_birth = f"{folder}/bad.tsr"
    with open(bad_birth, "wb") as f:
        f.write(b"JEAN\r\nDUPONT\r\n31/02/1950\r\n08/12/2026\r\n\r\n\r\n\r\n")
    span = ["--from", "08/12/2026", "--to", "08/12/2026"]
    prefix = "tessaro-cli: "
    # (arguments, exit code, whole standard error; None when only its start "tessaro-cli: " is known)
    cases = [
        (JEAN + ["--from", "09/12/2026", "--to", "08/12/2026"], 2,
         prefix + "La date de début 09/12/2026 est après la date de fin 08/12/2026\n"),
        (JEAN + ["--from", "08/12/1926", "--to", "09/12/2026"], 2,
         prefix + "De 08/12/1926 à 09/12/2026 : une période ne dépasse pas 100 ans\n"),
        (JEAN + ["--from", "31/02/2026", "--to", "08/12/2026"], 2,
         prefix + "Date de début '31/02/2026' : ce jour n'existe pas dans le calendrier\n"),
        (JEAN + ["--from", "00/01/2026", "--to", "08/12/2026"], 2,
         prefix + "Date de début '00/01/2026' : ce jour n'existe pas dans le calendrier\n"),
        (JEAN + ["--from", "08/12/2026", "--to", "29/02/2027"], 2,
         prefix + "Date de fin '29/02/2027' : ce jour n'existe pas dans le calendrier\n"),
        (JEAN + ["--from", "01/01/0000", "--to", "08/12/0001"], 2,
         prefix + "Date de début '01/01/0000' : l'année doit aller de 0001 à 9999\n"),
        (JEAN + ["--from", "01/01/10000", "--to", "08/12/2026"], 2,
         prefix + "Date de début '01/01/10000' : date attendue sous la forme jj/mm/aaaa\n"),
        (["--first", "jean", "--last", "dupont", "--birth", "30/02/1950"] + span, 2,
         prefix + "Date de naissance '30/02/1950' : ce jour n'existe pas dans le calendrier\n"),
        (["--first", "jean", "--last", "dupont"] + span, 2, prefix + "Date de naissance manquante\n"),
        ([bad_birth] + span, 2, prefix + "Date de naissance '31/02/1950' : ce jour n'existe pas dans le calendrier\n"),
        ([study, "--first", "X"] + span, 2, None),
        (JEAN + ["--from", "08/12/2026"], 2, None),
        (JEAN + span + ["--day", "huit"], 2, None),
        ([f"{folder}/absent.tsr"] + span, 1, f"Ne peut ouvrir le fichier {folder}/absent.tsr\nfichier introuvable\n"),
        ([study] + span, 0, ""),
        # Exactly a hundred years is the longest range.
        (JEAN + ["--from", "29/02/2000", "--to", "28/02/2100"], 0, ""),
    ]
    for args, code, error in cases:
        got_code, out, got_error = run(["forecast"] + args)
        exact = got_error == error if error is not None else got_error.startswith(prefix)
        check(f"forecast {args}", got_code == code and exact, f"{got_code} {got_error[:200]!r}")
        check(f"forecast {args}: output", (out != b"") == (code == 0), out[:80])


def check_output_failure(run, check):
    with open("/dev/full", "wb") as full:
        code, _, error = run(["forecast"] + JEAN + ["--from", "01/01/2000", "--to", "31/12/2000"], stdout=full)
    check("forecast on a full disk", (code, error) == (1, "Ne peut écrire sur la sortie standard\ndisque plein\n"),
          f"{code} {error!r}")


def check_forecast(run, check, folder):
    code, days, _, _ = forecast(run, JEAN + ["--from", "08/12/2026", "--to", "08/12/2026"])
    check("forecast of the worked example", (code, days) == (0, [[
        ("date", "08/12/2026"), ("weekday", "mardi"), ("personal_year", "6"), ("month_number", "9"),
        ("day_number", "8"), ("transit_letter", "P"), ("marker_before", "4"), ("marker_after", "5")]]), days)
    check_against_analyse(run, check)
    check_century_against_reference(run, check)
    check_filters(run, check)
    check_refusals(run, check, folder)
    check_output_failure(run, check)
