"""Checks tessaro-cli as a process: exit codes, messages on standard error, study files and portrait files.

Usage: process_checks.py PATH/TO/tessaro-cli
"""

import json
import os
import resource
import select
import socket
import stat
import subprocess
import sys
import tempfile
import threading
import time

import reference_numbers as R
from batch_against_reference import compare
from forecast_checks import check_forecast

CLI = sys.argv[1] if __name__ == "__main__" else None
# A build without the Qt layer refuses the PDF portrait, saying so.
WITH_PDF = os.environ.get("TESSARO_CLI_PDF", "1") == "1"
NO_PDF = "Cette version de tessaro-cli ne sait pas écrire de PDF\n"
NOT_AN_INTEGER = "'' n'est pas une valeur entière correcte\n"

failures = []


def run(args, stdin=b"", stdout=subprocess.PIPE, **options):
    feed = {"input": stdin} if isinstance(stdin, bytes) else {"stdin": stdin}
    done = subprocess.run([CLI] + args, stdout=stdout, stderr=subprocess.PIPE, timeout=60, **feed, **options)
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
    pdf = os.path.join(folder, "portrait.pdf")
    with open(binary, "wb") as f:
        f.write(b"\x7fELF\x02\x01\x01\x00\x00")
    # (arguments, exit code, text standard error must hold, or whole standard error when exact)
    cases = [
        (["--help"], 0, "", False),
        ([], 2, "tessaro-cli: indiquer une commande : analyse, portrait, ", False),
        (["analyse", "--bogus"], 2, "tessaro-cli: argument inattendu : --bogus\n", False),
        (["batch", "extra"], 2, "tessaro-cli: argument inattendu : extra\n", False),
        (["frobnicate"], 2, "Utilisation : tessaro-cli", False),
        (["portrait", "--format", "docx"], 2, "tessaro-cli: --format : valeur refusée\n", False),
        (["portrait", "--format", "pdf"] + named, 2, "tessaro-cli: un PDF s'écrit dans un fichier", False),
        (["analyse", study, "--first", "X"], 2, "tessaro-cli: ", False),
        (["analyse", missing], 1, f"Ne peut ouvrir le fichier {missing}\ndossier introuvable\n", True),
        (["portrait", missing], 1, f"Ne peut ouvrir le fichier {missing}\ndossier introuvable\n", True),
        (["analyse", binary], 1, f"Ne peut ouvrir le fichier {binary}\nce n'est pas une étude Tessaro\n", True),
        (["portrait", "--first", "jean", "--last", "dupont"], 1, NOT_AN_INTEGER, True),
        (["portrait", "-o", os.path.join(folder, "absent", "p.txt")] + named, 1,
         f"Ne peut créer le fichier {os.path.join(folder, 'absent', 'p.txt')}\ndossier introuvable\n", True),
        (["analyse", "--include-first-name", "--dictionary", missing] + named, 1,
         f"Ne peut ouvrir le fichier {missing}\ndossier introuvable\n", True),
        (["batch"], 0, "", True),
        (["analyse", study], 0, "", True),
        (["portrait"] + named, 0, "", True),
        (["portrait", "--format", "pdf", "-o", pdf] + named, *((0, "") if WITH_PDF else (1, NO_PDF)), True),
    ]
    for args, code, error, exact in cases:
        got_code, _, got_error = run(args)
        check(f"exit code of {args}", got_code == code, f"{got_code}, expected {code}")
        check(f"standard error of {args}", got_error == error if exact else error in got_error, repr(got_error))

    # The PDF is made without a display, and holds the portrait and its footer.
    pages = subprocess.run(["pdftotext", pdf, "-"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout.decode()
    check("PDF portrait", not WITH_PDF or pages.startswith("Analyse effectuée le 08/12/2026\nGraphique de JEAN DUPONT\n") and "JEAN DUPONT page 1 / " in " ".join(pages.split()), pages[:200])

    # Usage, help and refusals speak French only.
    english = ("Usage", "Options:", "Print this", "not expected", "required", "SUBCOMMAND", " TEXT ", "FILE", "INPUT")
    for args in ([], ["--help"], ["analyse", "--bogus"], ["analyse", "--help"], ["convert", "--help"]):
        _, out, err = run(args)
        said = out.decode() + err
        check(f"French only in {args}", not any(word in said for word in english), said)

    # Only the PDF needs Qt, and it loads Qt itself: every other command starts without it.
    libraries = subprocess.run(["ldd", CLI], stdout=subprocess.PIPE).stdout
    check("no Qt library linked", b"Qt" not in libraries, libraries)

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


NAMED = ["--first", "jean", "--last", "dupont", "--birth", "19/04/1950", "--study", "08/12/2026"]
GOOD_LINE = b"JEAN\tDUPONT\t19/04/1950\t08/12/2026\n"
MEMORY_CAP = 100 << 20
NOT_A_FILE = "ce n'est pas un fichier"
CANNOT_WRITE_OUTPUT = "Ne peut écrire sur la sortie standard\n"


def cannot_open(path, reason):
    return f"Ne peut ouvrir le fichier {path}\n{reason}\n"


def cannot_create(path, reason):
    return f"Ne peut créer le fichier {path}\n{reason}\n"


def capped_memory():
    resource.setrlimit(resource.RLIMIT_AS, (MEMORY_CAP, MEMORY_CAP))


def capped_file_size():
    resource.setrlimit(resource.RLIMIT_FSIZE, (2048, 2048))


REFUSED_L = "« Ł » ne peut pas être enregistré dans une étude : tapez une autre lettre."


def batch_line_of(size, end=b"\n"):
    """A good subject whose ignored tenth field makes the line exactly size bytes long."""
    start = b"JEAN\tDUPONT\t19/04/1950\t08/12/2026\t\t\t\t\t\t"
    return start + b"x" * (size - len(start)) + end


class InBackground:
    """A thread that does one side of a conversation with the process while it runs, from start()."""

    def __init__(self, work):
        self.result = None
        self.thread = threading.Thread(target=lambda: setattr(self, "result", work()), daemon=True)

    def start(self):
        self.thread.start()

    def outcome(self):
        self.thread.join(60)
        return self.result


def slow_reader(fd):
    """Reads the whole output, taking its time, as a busy consumer would."""
    def work():
        got = b""
        while True:
            select.select([fd], [], [], 60)
            chunk = os.read(fd, 4096)
            if not chunk:
                return got
            got += chunk
            time.sleep(0.002)
    return InBackground(work)


def leaving_reader(fd):
    """Reads nothing, and leaves once the writing has begun."""
    def work():
        select.select([fd], [], [], 60)
        os.close(fd)
        return True
    return InBackground(work)


def answered_before_input_ends(write_end, read_end):
    """Gives one line and waits for its result while the input stays open; True when it came."""
    def work():
        os.write(write_end, GOOD_LINE)
        ready, _, _ = select.select([read_end], [], [], 20)
        os.close(write_end)
        return bool(ready) and os.read(read_end, 1 << 16).startswith(b'{"subject"')
    return InBackground(work)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def write(path, data, mode=0o644):
    with open(path, "wb") as f:
        f.write(data)
    os.chmod(path, mode)


def check_files_and_streams(folder):
    """Every input bounded, every output checked, and files replaced as careful tools do."""
    def p(name):
        return os.path.join(folder, name)
    portrait = run(["portrait"] + NAMED)[1]
    root = os.geteuid() == 0
    # AddressSanitizer reserves more address space than any cap allows.
    sanitized = b"__asan_init" in read(CLI)
    full = os.open("/dev/full", os.O_WRONLY)
    gone_reader, gone = os.pipe()
    os.close(gone_reader)
    folder_fd = os.open(folder, os.O_RDONLY)
    os.mkfifo(p("fifo"))
    with open(p("huge"), "wb") as f:
        f.truncate(1 << 40)
    write(p("big.txt"), (b"Une ligne de texte assez ordinaire. " * 4 + b"\n") * 200000)
    write(p("target"), b"old")
    os.symlink("target", p("link"))
    write(p("linked"), b"old")
    os.link(p("linked"), p("second name"))
    write(p("read-only"), b"old", 0o444)
    write(p("kept"), b"old", 0o640)
    if root:
        os.chown(p("kept"), 1234, 1234)
        os.mknod(p("null"), 0o666 | stat.S_IFCHR, os.makedev(1, 3))
    fifo_reader = os.open(p("fifo"), os.O_RDONLY | os.O_NONBLOCK)
    analysed = json.loads(run(["analyse"] + NAMED)[1])
    study_head = b"JEAN\r\nDUPONT\r\n19/04/1950\r\n08/12/2026\r\n\r\n\r\n\r\n"
    write(p("64k.tsr"), study_head + b"x" * (65536 - len(study_head)))
    write(p("64k+1.tsr"), study_head + b"x" * (65537 - len(study_head)))
    # A CR that ends the first 64 KiB read, the LF of its line end starting the next one.
    write(p("straddle"), batch_line_of(65536, b"") [:-1] + b"\r\n" + GOOD_LINE)
    straddle = open(p("straddle"), "rb")
    write(p("medium.txt"), b"Une ligne de texte assez ordinaire.\n" * 30000)
    os.mkfifo(p("lonely"))
    lonely_reader = os.open(p("lonely"), os.O_RDONLY | os.O_NONBLOCK)
    write(p("limited"), b"old")
    limited_out = open(p("limited output"), "wb")
    os.link(p("limited"), p("limited too"))
    # Lines queued, then the other end closed with input of its own unread: a read error follows them.
    failing_input, peer = socket.socketpair()
    peer.sendall(GOOD_LINE * 3)
    failing_input.sendall(b"unread")
    peer.close()
    slow_out, nonblocking_out = os.pipe()
    os.set_blocking(nonblocking_out, False)
    slow = slow_reader(slow_out)
    leaving = leaving_reader(lonely_reader)
    talk_in, talk_in_write = os.pipe()
    talk_out_read, talk_out = os.pipe()
    talk = answered_before_input_ends(talk_in_write, talk_out_read)

    def lines_out(out):
        return [json.loads(line) for line in out.split(b"\n")[:-1]]

    # (what, arguments, options of the run, exit code, whole standard error, what must hold after)
    cases = [
        ("standard output on a full disk", ["portrait"] + NAMED, {"stdout": full}, 1,
         CANNOT_WRITE_OUTPUT + "disque plein\n", None),
        ("batch output on a full disk", ["batch"], {"stdin": GOOD_LINE, "stdout": full}, 1,
         CANNOT_WRITE_OUTPUT + "disque plein\n", None),
        ("batch output to a reader gone, SIGPIPE ignored", ["batch"],
         {"stdin": GOOD_LINE * 100000, "stdout": gone, "restore_signals": False}, 1,
         CANNOT_WRITE_OUTPUT + "plus personne ne lit à l'autre bout\n", None),
        ("batch input that cannot be read", ["batch"], {"stdin": folder_fd}, 1,
         "Ne peut lire l'entrée standard\nce n'est pas un fichier\n", None),
        ("batch line ends and a Windows-1252 line", ["batch"], {"stdin": b"A\tB\r\nC\tD\rNo\xebl\tE\nF\tG"}, 0, "",
         lambda out: [o["subject"]["first_name"] for o in lines_out(out)] == ["A", "C", "NOëL", "F"]),
        ("study from a FIFO", ["analyse", p("fifo")], {}, 1, cannot_open(p("fifo"), NOT_A_FILE), None),
        ("document from a FIFO", ["convert", p("fifo"), "-o", p("c.rtf")], {}, 1,
         cannot_open(p("fifo"), NOT_A_FILE), None),
        ("dictionary from a FIFO", ["analyse", "--include-first-name", "--dictionary", p("fifo")] + NAMED, {}, 1,
         cannot_open(p("fifo"), NOT_A_FILE), None),
        ("study of a terabyte", ["analyse", p("huge")], {}, 1, cannot_open(p("huge"), "fichier trop volumineux"),
         None),
        ("dictionary of a terabyte", ["portrait", "--include-first-name", "--dictionary", p("huge")] + NAMED, {}, 1,
         cannot_open(p("huge"), "fichier trop volumineux"), None),
        ("-o through a symbolic link", ["portrait", "-o", p("link")] + NAMED, {}, 0, "",
         lambda _: os.path.islink(p("link")) and read(p("target")) == portrait),
        ("-o onto a file with two names", ["portrait", "-o", p("linked")] + NAMED, {}, 0, "",
         lambda _: os.path.samefile(p("linked"), p("second name")) and read(p("second name")) == portrait),
        ("-o onto a read-only file", ["portrait", "-o", p("read-only")] + NAMED, {}, 1,
         cannot_create(p("read-only"), "permission refusée"), lambda _: read(p("read-only")) == b"old"),
        ("-o into a FIFO", ["portrait", "-o", p("fifo")] + NAMED, {}, 0, "",
         lambda _: stat.S_ISFIFO(os.stat(p("fifo")).st_mode) and os.read(fifo_reader, 1 << 16) == portrait),
        ("-o keeps owner, group and mode", ["portrait", "-o", p("kept")] + NAMED, {}, 0, "",
         lambda _: (lambda s: stat.S_IMODE(s.st_mode) == 0o640 and (not root or (s.st_uid, s.st_gid) == (1234, 1234)))
         (os.stat(p("kept")))),
        ("-o of a new file under umask 077", ["portrait", "-o", p("new")] + NAMED,
         {"preexec_fn": lambda: os.umask(0o077)}, 0, "", lambda _: stat.S_IMODE(os.stat(p("new")).st_mode) == 0o600),
    ]
    cases += [
        ("batch takes names as analyse does", ["batch"],
         {"stdin": b"jean\tdupont\t19/04/1950\t08/12/2026\n" + GOOD_LINE}, 0, "",
         lambda out: lines_out(out) == [analysed, analysed]),
        ("a byte-order mark on the first batch line", ["batch"], {"stdin": b"\xef\xbb\xbf" + GOOD_LINE}, 0, "",
         lambda out: lines_out(out) == [analysed]),
        ("analyse of a name a study cannot hold", ["analyse", "--first", "Łukasz", "--last", "nowak"], {}, 2,
         REFUSED_L + "\n", None),
        ("portrait of a company a study cannot hold", ["portrait", "--company", "Łódź SA"] + NAMED, {}, 2,
         REFUSED_L + "\n", None),
        ("batch line a study cannot hold", ["batch"], {"stdin": b"\xc5\x81ukasz\tnowak\n" + GOOD_LINE}, 0, "",
         lambda out: lines_out(out) == [{"error": REFUSED_L}, analysed]),
        ("study of 65,536 bytes", ["analyse", p("64k.tsr")], {}, 0, "", lambda out: json.loads(out) == analysed),
        ("study of 65,537 bytes", ["analyse", p("64k+1.tsr")], {}, 1,
         cannot_open(p("64k+1.tsr"), "fichier trop volumineux"), None),
        ("study that is a folder", ["analyse", folder], {}, 1, cannot_open(folder, NOT_A_FILE), None),
        ("batch lines of 65,536 and 65,537 bytes", ["batch"],
         {"stdin": batch_line_of(65536) + batch_line_of(65537)}, 0, "",
         lambda out: [o.get("error") for o in lines_out(out)] == [None, "Ligne de plus de 65536 octets"]),
        ("CR LF across two reads of the input", ["batch"], {"stdin": straddle}, 0, "",
         lambda out: len(lines_out(out)) == 2),
        ("results before a read error of the input", ["batch"], {"stdin": failing_input.fileno()}, 1,
         "Ne peut lire l'entrée standard\nerreur du système ECONNRESET\n", lambda out: lines_out(out) == [analysed] * 3),
        ("batch output written as it goes", ["batch"],
         {"stdin": talk_in, "stdout": talk_out, "meanwhile": talk.start}, 0, "", lambda _: talk.outcome()),
        ("batch output to a slow reader of a non-blocking pipe", ["batch"],
         {"stdin": GOOD_LINE * 2000, "stdout": nonblocking_out, "meanwhile": slow.start}, 0, "",
         lambda _: os.close(nonblocking_out) or lines_out(slow.outcome()) == [analysed] * 2000),
        ("batch output to a reader gone, SIGPIPE as it was", ["batch"],
         {"stdin": GOOD_LINE * 100000, "stdout": gone}, 1,
         CANNOT_WRITE_OUTPUT + "plus personne ne lit à l'autre bout\n", None),
        ("batch output to a file over the file-size limit", ["batch"],
         {"stdin": GOOD_LINE * 100, "stdout": limited_out, "preexec_fn": capped_file_size}, 1,
         CANNOT_WRITE_OUTPUT + "fichier trop volumineux\n", None),
        ("help to a full disk", ["--help"], {"stdout": full}, 1, CANNOT_WRITE_OUTPUT + "disque plein\n", None),
        ("-o into a FIFO whose reader leaves", ["convert", p("medium.txt"), "-o", p("lonely")],
         {"meanwhile": leaving.start}, 1,
         cannot_create(p("lonely"), "plus personne ne lit à l'autre bout"), lambda _: leaving.outcome()),
        ("-o /dev/stdout into a pipe", ["portrait", "-o", "/dev/stdout"] + NAMED, {}, 0, "",
         lambda out: out == portrait),
        ("-o /dev/fd/1 into a pipe", ["portrait", "-o", "/dev/fd/1"] + NAMED, {}, 0, "", lambda out: out == portrait),
        ("-o over the file-size limit, SIGXFSZ as it was", ["portrait", "-o", p("limited")] + NAMED,
         {"preexec_fn": capped_file_size}, 1, cannot_create(p("limited"), "fichier trop volumineux"),
         lambda _: read(p("limited")) == read(p("limited too")) == b"old"),
    ]
    if root:
        cases.append(("-o into a device", ["portrait", "-o", p("null")] + NAMED, {}, 0, "",
                      lambda _: stat.S_ISCHR(os.stat(p("null")).st_mode)))
    if not sanitized and WITH_PDF:
        cases.append(
            ("PDF portrait under a memory cap", ["portrait", "--format", "pdf", "-o", p("poor.pdf")] + NAMED,
             {"preexec_fn": lambda: resource.setrlimit(resource.RLIMIT_AS, (90 << 20, 90 << 20))}, 1,
             cannot_create(p("poor.pdf"), "mémoire insuffisante"), lambda _: not os.path.exists(p("poor.pdf"))))
    if not sanitized:
        cases += [
            ("study from /dev/zero under a memory cap", ["analyse", "/dev/zero"], {"preexec_fn": capped_memory}, 1,
             cannot_open("/dev/zero", NOT_A_FILE), None),
            ("dictionary from /dev/zero under a memory cap",
             ["analyse", "--include-first-name", "--dictionary", "/dev/zero"] + NAMED,
             {"preexec_fn": capped_memory}, 1, cannot_open("/dev/zero", NOT_A_FILE), None),
            ("document larger than the memory left", ["convert", p("big.txt"), "-o", p("big.rtf")],
             {"preexec_fn": capped_memory}, 1, cannot_open(p("big.txt"), "mémoire insuffisante"), None),
            ("batch line of 100 MB under a memory cap", ["batch"],
             {"stdin": GOOD_LINE * 5 + b"A" * 100_000_000 + b"\n" + GOOD_LINE, "preexec_fn": capped_memory}, 0, "",
             lambda out: [o.get("error") for o in lines_out(out)] == [None] * 5 + ["Ligne de plus de 65536 octets",
                                                                                   None]),
        ]
    try:
        for what, args, options, code, error, after in cases:
            meanwhile = options.pop("meanwhile", None)
            if meanwhile:
                meanwhile()
            got_code, out, got_error = run(args, **options)
            check(what, (got_code, got_error) == (code, error), f"{got_code} {got_error!r}")
            check(f"{what}: outcome", after is None or after(out), out[:80] if out else "")
    finally:
        for fd in (full, gone, folder_fd, fifo_reader, slow_out, talk_in, talk_out, talk_out_read):
            os.close(fd)
        straddle.close()
        limited_out.close()
        failing_input.close()


def main():
    with tempfile.TemporaryDirectory() as folder:
        check_exit_codes(folder)
        check_subject_sources(folder)
        check_portrait_file(folder)
        check_files_and_streams(folder)
        check_forecast(run, check, folder)
    for failure in failures:
        print(failure)
    print(f"{len(failures)} failed checks")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
