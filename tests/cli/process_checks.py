"""Checks tessaro-cli as a process: exit codes, messages on standard error, study files and portrait files.

Usage: process_checks.py PATH/TO/tessaro-cli
"""

import json
import os
import subprocess
import sys
import tempfile

import reference_numbers as R
from batch_against_reference import compare

CLI = sys.argv[1] if __name__ == "__main__" else None
NOT_AN_INTEGER = "'' n'est pas une valeur entière correcte\n"

failures = []


def run(args, stdin=b""):
    done = subprocess.run([CLI] + args, input=stdin, capture_output=True, timeout=60)
    return done.returncode, done.stdout, done.stderr.decode("utf-8", errors="replace")


def check(what, condition, detail=""):
    if not condition:
        failures.append(f"{what}: {detail}")


def subject(**fields):
    base = {"first": "", "last": "", "birth": "", "study": "", "address": "", "city": "", "company": "",
            "partner_first": "", "partner_last": ""}
    base.update(fields)
    return base


def check_exit_codes(folder):
    study = os.path.join(folder, "s.tsr")
    with open(study, "wb") as f:
        f.write(b"JEAN\r\nDUPONT\r\n19/04/1950\r\n08/12/2026\r\n\r\n\r\n\r\n")
    named = ["--first", "jean", "--last", "dupont", "--birth", "19/04/1950", "--study", "08/12/2026"]
    missing = os.path.join(folder, "absent", "x.tsr")
    binary = os.path.join(folder, "binaire.tsr")
    with open(binary, "wb") as f:
        f.write(b"\x7fELF\x02\x01\x01\x00\x00")
    # (arguments, exit code, text standard error must hold, or whole standard error when exact)
    cases = [
        (["--help"], 0, "", False),
        ([], 2, "Usage", False),
        (["analyse", "--bogus"], 2, "Usage", False),
        (["batch", "extra"], 2, "Usage", False),
        (["frobnicate"], 2, "Usage", False),
        (["portrait", "--format", "pdf"] + named, 2, "Usage", False),
        (["analyse", study, "--first", "X"], 2, "tessaro-cli: ", False),
        (["analyse", missing], 1, f"Ne peut ouvrir le fichier {missing}\n", True),
        (["portrait", missing], 1, f"Ne peut ouvrir le fichier {missing}\n", True),
        (["analyse", binary], 1, f"Ne peut ouvrir le fichier {binary}\nce n'est pas une étude Tessaro\n", True),
        (["portrait", "--first", "jean", "--last", "dupont"], 1, NOT_AN_INTEGER, True),
        (["portrait", "-o", os.path.join(folder, "absent", "p.txt")] + named, 1,
         f"Ne peut créer le fichier {os.path.join(folder, 'absent', 'p.txt')}\n", True),
        (["analyse", "--include-first-name", "--dictionary", missing] + named, 1,
         f"Ne peut ouvrir le fichier {missing}\n", True),
        (["batch"], 0, "", True),
        (["analyse", study], 0, "", True),
        (["portrait"] + named, 0, "", True),
    ]
    for args, code, error, exact in cases:
        got_code, _, got_error = run(args)
        check(f"exit code of {args}", got_code == code, f"{got_code}, expected {code}")
        check(f"standard error of {args}", got_error == error if exact else error in got_error, repr(got_error))

    _, out, _ = run(["--help"])
    check("help lists the commands", all(c in out for c in (b"analyse", b"portrait", b"batch")), out)
    check("an empty batch writes nothing", run(["batch"])[1] == b"")


def check_subject_sources(folder):
    # A study file is taken as opening a study takes it: trimmed, not upper-cased, Windows-1252.
    study = os.path.join(folder, "noel.tsr")
    with open(study, "wb") as f:
        f.write(" No\xebl \r\nduPONT-L\xc9VY\r\n25/12/1990\r\n01/01/2026\r\n 7 RUE X \r\n75001 PARIS\r\n\r\n"
                .encode("latin-1"))
    from_file = subject(first="Noël", last="duPONT-LÉVY", birth="25/12/1990", study="01/01/2026",
                        address="7 RUE X", city="75001 PARIS", partner_first="marie", partner_last="durand")
    # Options are taken as the new-study dialog takes them: a-z upper-cased, trimmed.
    options = ["--first", " jean-pierre ", "--last", "dupont", "--birth", "19/04/1950", "--study", "08/12/2026",
               "--address", "12 rue des lilas", "--city", "75001 paris", "--company", "Café",
               "--partner-first", "marie", "--partner-last", "durand"]
    from_options = subject(first="JEAN-PIERRE", last="DUPONT", birth="19/04/1950", study="08/12/2026",
                           address="12 RUE DES LILAS", city="75001 PARIS", company="CAFé", partner_first="MARIE",
                           partner_last="DURAND")
    for args, expected in ((["analyse", study, "--partner-first", "marie", "--partner-last", "durand"], from_file),
                           (["analyse"] + options, from_options)):
        code, out, error = run(args)
        problems = []
        if code == 0:
            compare(R.expected_output(expected), json.loads(out), "", problems)
        check(f"analysis of {args}", code == 0 and not problems, f"{code} {error} {problems[:3]}")


def check_portrait_file(folder):
    named = ["--first", "h\xe9l\xe8ne", "--last", "dupont", "--birth", "05/03/1962", "--study", "08/12/2026"]
    code, out, error = run(["analyse"] + named)
    check("analysis before the portrait", code == 0, error)
    if code != 0:
        return
    lines = json.loads(out)["portrait"]["lines"]
    expected = "".join(line + "\r\n" for line in lines).encode("cp1252")
    path = os.path.join(folder, "portrait.txt")
    code, out, _ = run(["portrait", "-o", path] + named)
    with open(path, "rb") as f:
        written = f.read()
    check("portrait -o writes the document", code == 0 and out == b"" and written == expected, written[:80])
    check("portrait bytes are Windows-1252", b"H\xe9L\xe8NE" in written and b"\xc3" not in written)
    check("every paragraph ends with CR LF", written.count(b"\n") == written.count(b"\r\n") == len(lines))
    check("portrait to standard output", run(["portrait"] + named)[1] == expected)
    # A portrait that stops leaves the earlier file as it was.
    code, _, _ = run(["portrait", "-o", path, "--first", "jean", "--last", "dupont"])
    with open(path, "rb") as f:
        check("a failed portrait keeps the earlier file", code == 1 and f.read() == expected)


def main():
    with tempfile.TemporaryDirectory() as folder:
        check_exit_codes(folder)
        check_subject_sources(folder)
        check_portrait_file(folder)
    for failure in failures:
        print(failure)
    print(f"{len(failures)} failed checks")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
