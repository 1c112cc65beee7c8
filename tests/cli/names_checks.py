"""Checks `tessaro-cli names` as a process against the tool's own `analyse` and `batch`.

Every first name that `names` lists must have the numbers and missing digits that a study of
that name shows; its filters must keep exactly the candidates they describe; bad input is refused.

Usage: names_checks.py PATH/TO/tessaro-cli
"""

import json
import os
import subprocess
import sys
import tempfile

CLI = sys.argv[1] if __name__ == "__main__" else None
DICTIONARY = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data", "Prenoms.pre")
KEYS = ["first_name", "intimate", "expression", "realisation", "active", "missing", "fills"]
NUMBERS = ["intimate", "expression", "realisation", "active"]

failures = []


def check(what, condition, detail=""):
    if not condition:
        failures.append(f"{what}: {detail}")


def run(args, stdin=b""):
    done = subprocess.run([CLI] + args, input=stdin, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=60)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8", errors="replace")


def names(args):
    code, out, error = run(["names"] + args)
    check(f"names {args}: exit", code == 0, f"{code} {error}")
    rows = [json.loads(line, object_pairs_hook=list) for line in out.splitlines()]
    for row in rows:
        check(f"names {args}: keys in order", [k for k, _ in row] == KEYS, row)
    return [dict(row) for row in rows]


def dictionary_names():
    with open(DICTIONARY, encoding="cp1252") as f:
        return [line[1:].rstrip("\r\n").split("\t")[0] for line in f if line.startswith("<")]


def digits(text):
    return {int(d) for d in text.split()}


def missing_form(digit_set):
    return "".join(f"{d} " for d in sorted(digit_set))


def analyse(first, last):
    code, out, error = run(["analyse", "--first", first, "--last", last])
    check(f"analyse {first} {last}", code == 0, error)
    return json.loads(out)


def study_values(result):
    chart = result["name_chart"]
    return [chart.get(n, "") for n in NUMBERS], result["interpretation"]["missing"]


def batch(first_names, last):
    lines = "".join(f"{first}\t{last}\n" for first in first_names).encode("utf-8")
    code, out, error = run(["batch"], lines)
    check(f"batch for {last}", code == 0, error)
    return [json.loads(line) for line in out.splitlines()]


def check_against_studies():
    """Every row of the shipped dictionary and the typed candidates, against studies of the name."""
    listed = dictionary_names()
    check("shipped dictionary size", len(listed) == 336, len(listed))
    # (last name as typed, as a study stores it, current first name, candidates as typed, as stored)
    cases = [
        ("dupont", "DUPONT", "", ["marie-noël", " jean pierre "], ["MARIE-NOëL", "JEAN PIERRE"]),
        ("Lefèvre", "LEFèVRE", "jean", ["Zoé"], ["ZOé"]),
        ("NOËL", "NOËL", "ANNE", [], []),  # Ë has no value: the first name gives every digit
    ]
    for typed_last, last, current_first, typed, stored in cases:
        args = ["--last", typed_last, "--first", current_first]
        for candidate in typed:
            args += ["--candidate", candidate]
        rows = names(args)
        check(f"{last}: dictionary names in file order, then the candidates",
              [r["first_name"] for r in rows] == listed + stored, [r["first_name"] for r in rows][-4:])
        studies = batch([r["first_name"] for r in rows], last)
        current_missing = digits(analyse(current_first, typed_last)["interpretation"]["missing"])
        for row, study in zip(rows, studies):
            numbers, missing = study_values(study)
            what = f"{row['first_name']} {last}"
            check(f"{what}: numbers", [row[n] for n in NUMBERS] == numbers, (row, numbers))
            check(f"{what}: missing", row["missing"] == missing, (row["missing"], missing))
            check(f"{what}: fills", row["fills"] == missing_form(current_missing - digits(missing)), row)
        # A few as the user would check them, through analyse itself.
        for row in rows[:2] + rows[-2:]:
            numbers, missing = study_values(analyse(row["first_name"], typed_last))
            check(f"analyse {row['first_name']} {typed_last}", ([row[n] for n in NUMBERS], row["missing"]) ==
                  (numbers, missing), row)


def check_filters(folder):
    study = os.path.join(folder, "etude.tsr")
    with open(study, "wb") as f:
        f.write(b"JEAN\r\nDUPONT\r\n19/04/1950\r\n08/12/2026\r\n\r\n\r\n\r\n")
    everything = names([study])
    check("study file: current name JEAN DUPONT", everything == names(["--last", "Dupont", "--first", "Jean"]))
    # (options, what a kept row must satisfy)
    cases = [
        (["--intimate", "7"], lambda r: r["intimate"] == "7"),
        (["--expression", "11"], lambda r: r["expression"] == "11"),
        (["--realisation", "22"], lambda r: r["realisation"] == "22"),
        (["--active", "3", "--intimate", "9"], lambda r: r["active"] == "3" and r["intimate"] == "9"),
        (["--fills", "8"], lambda r: 8 in digits(r["fills"])),
        (["--fills", "1 8", "--expression", "5"], lambda r: {1, 8} <= digits(r["fills"]) and r["expression"] == "5"),
    ]
    for options, keeps in cases:
        expected = [r for r in everything if keeps(r)]
        check(f"filter {options}", names([study] + options) == expected, len(expected))
    check("some filters keep some names", 0 < len(names([study, "--fills", "8"])) < len(everything))


def check_refusals(folder):
    missing = os.path.join(folder, "absent.tsr")
    study = os.path.join(folder, "etude.tsr")
    # (arguments, exit code, text standard error must hold)
    cases = [
        ([], 1, "Il manque le nom\n"),
        (["--first", "jean"], 1, "Il manque le nom\n"),
        (["--last", "Łukasz"], 1, "« Ł » ne peut pas être enregistré dans une étude : tapez une autre lettre.\n"),
        (["--last", "dupont", "--candidate", "Kasia Łęcka"], 1, "« Ł » ne peut pas être enregistré"),
        (["--last", "dupont", "--candidate", "  "], 1, "Il manque le prénom\n"),
        (["--last", "dupont", "--intimate", "10"], 2, "tessaro-cli: --intimate : valeur refusée"),
        (["--last", "dupont", "--active", "07"], 2, "tessaro-cli: --active : valeur refusée"),
        (["--last", "dupont", "--fills", "0 2"], 2, "tessaro-cli: --fills attend des chiffres de 1 à 9"),
        (["--last", "dupont", "--fills", "2,7"], 2, "tessaro-cli: --fills attend des chiffres de 1 à 9"),
        ([study, "--last", "dupont"], 2, "tessaro-cli: donner soit un fichier d'étude, soit --last"),
        ([missing], 1, f"Ne peut ouvrir le fichier {missing}\nfichier introuvable\n"),
        (["--last", "dupont", "--dictionary", missing], 1, f"Ne peut ouvrir le fichier {missing}\n"),
    ]
    _, usage, _ = run(["names", "--help"])
    check("help in French", "Utilisation" in usage and "TEXT:" not in usage and "NOMBRE:{1," in usage, usage)
    for args, code, error in cases:
        got_code, out, got_error = run(["names"] + args)
        check(f"names {args}: exit code", got_code == code, f"{got_code}, expected {code}")
        check(f"names {args}: standard error", error in got_error, repr(got_error))
        check(f"names {args}: nothing written", out == "", out[:80])


def main():
    with tempfile.TemporaryDirectory() as folder:
        check_against_studies()
        check_filters(folder)
        check_refusals(folder)
    for failure in failures[:40]:
        print(failure)
    print(f"{len(failures)} failed checks")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
