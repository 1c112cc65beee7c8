"""Runs `tessaro-cli batch` on a few hundred varied subjects and compares every line with the reference.

Usage: batch_against_reference.py PATH/TO/tessaro-cli
Exit status 0 when every object matches, 1 with a report of the mismatches otherwise.
"""

import json
import re
import subprocess
import sys

import reference_numbers as R
from subject_lines import batch_lines

# ---- A batch line as the program takes it ----------------------------------------------------------

# The five bytes that the code page leaves undefined travel as the C1 controls of the same value.
UNDEFINED_BYTES = {"\x81", "\x8d", "\x8f", "\x90", "\x9d"}


def holdable(c):
    if ord(c) < 0x80 or 0xA0 <= ord(c) <= 0xFF or c in UNDEFINED_BYTES:
        return True
    try:
        c.encode("cp1252")
        return True
    except UnicodeEncodeError:
        return False


def windows_1252(byte):
    return chr(byte) if chr(byte) in UNDEFINED_BYTES else bytes([byte]).decode("cp1252")


def fields_of(line):
    """A line that is not UTF-8 is taken as Windows-1252; the fields after the ninth are ignored."""
    try:
        text = line.decode("utf-8")
    except UnicodeDecodeError:
        text = "".join(windows_1252(b) for b in line)
    return (text.split("\t") + [""] * 9)[:9]


def trimmed(text):
    start, end = 0, len(text)
    while start < end and ord(text[start]) <= 32:
        start += 1
    while end > start and ord(text[end - 1]) <= 32:
        end -= 1
    return text[start:end]


def typed(text):
    """As the new-study dialog takes a name: a-z in capitals, then trimmed."""
    return trimmed("".join(chr(ord(c) - 32) if "a" <= c <= "z" else c for c in text))


def refusal_of(line):
    """The error object of a line holding a character that a study cannot hold, or None."""
    for field in fields_of(line):
        for c in field:
            if not holdable(c):
                return {"error": f"« {c} » ne peut pas être enregistré dans une étude : tapez une autre lettre."}
    return None


def subject_of(line):
    f = fields_of(line)
    return {"first": typed(f[0]), "last": typed(f[1]), "birth": f[2], "study": f[3],
            "address": typed(f[4]), "city": typed(f[5]), "company": typed(f[6]),
            "partner_first": typed(f[7]), "partner_last": typed(f[8])}


# ---- Comparison ------------------------------------------------------------------------------------


def compare(expected, actual, path, problems):
    if isinstance(expected, dict):
        if not isinstance(actual, dict) or list(expected) != list(actual):
            problems.append((path, "keys " + repr(list(expected)), actual if not isinstance(actual, dict)
                             else "keys " + repr(list(actual))))
            if not isinstance(actual, dict):
                return
        for key in expected:
            if key in actual:
                compare(expected[key], actual[key], f"{path}.{key}", problems)
    elif isinstance(expected, list):
        if not isinstance(actual, list):
            problems.append((path, "a list", actual))
            return
        for i, (e, a) in enumerate(zip(expected, actual)):
            compare(e, a, f"{path}[{i}]", problems)
        if len(expected) != len(actual):
            problems.append((path, f"{len(expected)} items, ending {expected[-1:]!r}",
                             f"{len(actual)} items, ending {actual[-1:]!r}"))
    elif expected is None or isinstance(expected, (str, int)):
        if actual != expected or isinstance(actual, bool):
            problems.append((path, repr(expected), repr(actual)))
    elif not expected.matches(actual):
        problems.append((path, repr(expected), repr(actual)))


# ---- Worked examples: the reference itself must give the numbers known by heart ---------------------


def check_reference():
    jp = {"first": "JEAN-PIERRE", "last": "DUPONT", "birth": "19/04/1950", "study": "08/12/2026",
          "address": "", "city": "", "company": "", "partner_first": "", "partner_last": ""}
    marie = dict(jp, first="MARIE", last="DURAND")
    known = [
        (R.letters("JEAN-PIERRE"), "1515795995"), (R.vowels("JEAN-PIERRE"), "51955"),
        (R.consonants("JEAN-PIERRE"), "15799"), (R.letters("FRANçOIS"), "69153691"),
        (R.consonants("FRANçOIS"), "6951"), (R.vowels("NOëL"), "65"), (R.letters("HÉLÈNE"), "8355"),
        (R.letters("A0Z"), "18"), (R.keep_masters("437652"), "9"), (R.keep_masters("11"), "2"),
        (R.keep_masters("29"), "11"), (R.keep_masters("994"), "22"), (R.keep_masters("000"), "0"),
        (R.to_digit("29"), "2"), (R.to_22("07"), "07"), (R.to_22("23"), "5"), (R.to_22("999"), "9"),
        (R.date_sum("19/04/1950"), "2"), (R.date_digits("19/04/1950"), "11"), (R.life_path("19/06/1950"), "22"),
        (R.name_numbers(jp), {"intimate": "7", "expression": "11", "realisation": "4", "active": "11",
                              "hereditary": "9"}),
        (R.name_letter_values(jp)["initials_line"], "J.P.D.= 3"),
        (R.name_letter_values(dict(jp, first="éMILE", last="ZOLA"))["initials_line"], "é.Z.= 4"),
        (R.name_letter_values(dict(jp, first="MARIE-ANNE", last="LE-GALL"))["initials"], "M.A.L.G."),
        (R.digit_counts(R.letters("DUPONT") + R.letters("JEAN-PIERRE")), [16, 2, 1, 1, 1, 5, 1, 2, 0, 3]),
        (R.luck(marie)["luck_list"], "1, 2, 6, 19, 20, 42"), (R.unique_number(marie)["unique"], "11"),
        ({k: v for k, v in R.year_values(marie).items()},
         {"personal_year": "6", "transit_letter": "D", "marker_before": "4", "marker_after": "5",
          "month_number": "9", "day_number": "8"}),
        (R.compatibility(dict(marie, partner_first="JEAN", partner_last="DUPONT"))["memo"][-1].text,
         "Accord total. Complicité pour des projets d'envergure."),
    ]
    elsa = dict(jp, first="ELSA", last="KAST")  # letters worth 16 in all
    periods = [p["realisation"] for p in R.cycle_values(dict(jp, birth="15/05/1949"))["periods"]]
    challenges = [p["challenge"] for p in R.cycle_values(dict(jp, birth="04/05/1992"))["periods"]]
    known += [
        (periods, ["11", "11", "22", "1"]), (challenges, ["1", "1", "0", "2"]),
        (R.cycle_values(jp)["periods"][1]["from"], 34), (R.cycle_values(marie)["debts"], [("jour", 19), ("intime", 19)]),
        (R.cycle_values(dict(elsa, birth="00/13/1990"))["debts"], [("expression", 16)]),
        (R.cycle_values(dict(elsa, study="08/12/1940"))["age"], -10),
    ]
    for got, want in known:
        assert got == want, f"reference: {got!r} != {want!r}"


# ---- The run ---------------------------------------------------------------------------------------


def main():
    check_reference()
    data = b"\n".join(batch_lines()) + b"\n"
    # CR LF, LF and a lone CR each end a line.
    lines = re.split(rb"\r\n|\r|\n", data)[:-1]
    run = subprocess.run([sys.argv[1], "batch"], input=data, capture_output=True, timeout=600)
    if run.returncode != 0:
        print(f"tessaro-cli batch exited with {run.returncode}: {run.stderr.decode(errors='replace')}")
        return 1
    outputs = run.stdout.split(b"\n")
    if outputs[-1] != b"" or len(outputs) - 1 != len(lines):
        print(f"{len(lines)} lines in, {len(outputs) - 1} objects out")
        return 1

    failed = 0
    shown = 0
    for number, (line, output) in enumerate(zip(lines, outputs), start=1):
        problems = []
        compare(refusal_of(line) or R.expected_output(subject_of(line)), json.loads(output), "", problems)
        if problems:
            failed += 1
            if shown < 30:
                shown += 1
                print(f"line {number}: {line!r}")
                for path, want, got in problems[:8]:
                    print(f"  {path}\n    expected {want}\n    got      {got}")
    print(f"{len(lines)} subjects, {failed} with mismatches")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
