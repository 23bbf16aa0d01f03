#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the library of abbreviated wheels that a new program home is seeded with.

    make_wheel_library.py VANTORO_CLI [--max-numbers K] [--seconds S] [--output DIR]
    make_wheel_library.py --compare BOUNDS.CSV [--output DIR]

For 6-number tickets it makes the wheels "3 if 3" ... "5 if 6" and for 5-number tickets "3 if 3" ... "5 if 5",
over P + 2 up to --max-numbers numbers (default 16), each with `vantoro-cli wheel make` searching at most
--seconds seconds (default 4) from a seed fixed by the wheel's sizes, so a run on the same machine makes the same
library. A wheel is kept only when it has fewer than 1,000 tickets, `wheel verify` proves the guarantee of its
header (exit status 0) and the header states what was asked for. Everything is made in a scratch folder first;
only then are the library files of DIR (default resources/samples/wheels) replaced, so a failed run leaves the
old library whole. CI does not run it; CTest verifies the files it wrote.

--compare reads a table of best known sizes (columns v, k, t, m, best_known: the La Jolla Covering Repository of
D. M. Gordon for m = t, published lotto designs for m > t) and prints each library wheel that has a row there
with its size beside the best known one; nothing is made.

Names follow the extension rule of the wheel editor: A and the ticket size for an abbreviated wheel, F for a full
one (5 if 5 on 5-number tickets plays every combination). The name before the dot is ABBR, K as two digits, M and
C (ABBR1636.A06: 16 numbers, 3 if 6), eight characters like the FULLkk.Fpp wheels beside them.
"""
import argparse
import csv
import filecmp
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import time

GUARANTEES = {
    6: [(3, 3), (3, 4), (3, 5), (3, 6), (4, 4), (4, 5), (4, 6), (5, 5), (5, 6)],
    5: [(3, 3), (3, 4), (3, 5), (4, 4), (4, 5), (5, 5)],
}
MOST_TICKETS = 999


def file_name(numbers, per_ticket, match, correct):
    if match == per_ticket and correct == per_ticket:
        return "FULL%02d.F%02d" % (numbers, per_ticket)
    return "ABBR%02d%d%d.A%02d" % (numbers, match, correct, per_ticket)


def cli_run(cli, home, *arguments):
    return subprocess.run([cli, *arguments], capture_output=True, text=True,
                          env=dict(os.environ, LANG="C.UTF-8", HOME=home))


def header(path):
    with open(path, "rb") as f:
        return [int(line) for line in f.read().split(b"\r\n")[:5]]


def make_one(cli, scratch, seconds, numbers, per_ticket, match, correct):
    """The path of the verified wheel, or None with the reason it was not kept."""
    name = file_name(numbers, per_ticket, match, correct)
    path = os.path.join(scratch, name)
    seed = numbers * 1000 + per_ticket * 100 + match * 10 + correct
    made = cli_run(cli, scratch, "wheel", "make", "--numbers", str(numbers), "--per-ticket", str(per_ticket),
                   "--match", str(match), "--correct", str(correct), "--seconds", str(seconds), "--seed",
                   str(seed), "-o", path)
    if made.returncode != 0:
        return None, made.stderr.strip().splitlines()[-1] if made.stderr.strip() else "wheel make failed"
    if header(path) != [per_ticket, numbers, header(path)[2], match, correct]:
        return None, "the header does not state the guarantee asked for: %s" % header(path)
    tickets = header(path)[2]
    if tickets > MOST_TICKETS:
        os.remove(path)
        return None, "%d tickets" % tickets
    verified = cli_run(cli, scratch, "wheel", "verify", path)
    if verified.returncode != 0:
        raise SystemExit("%s does not keep its guarantee:\n%s%s" % (name, verified.stdout, verified.stderr))
    return path, "%d tickets" % tickets


def compare(bounds_path, output):
    best = {}
    with open(bounds_path, newline="") as f:
        for row in csv.DictReader(f):
            best[(int(row["v"]), int(row["k"]), int(row["t"]), int(row["m"]))] = int(row["best_known"])
    equal = rows = 0
    for path in sorted(glob.glob(os.path.join(output, "ABBR*"))):
        per_ticket, numbers, tickets, match, correct = header(path)
        known = best.get((numbers, per_ticket, match, correct))
        if known is None:
            continue
        rows += 1
        equal += tickets == known
        print("%-13s %2d numbers, %d if %d: %4d tickets, best known %4d%s" % (
            os.path.basename(path), numbers, match, correct, tickets, known,
            "" if tickets == known else "  (+%d)" % (tickets - known) if tickets > known else "  (fewer)"))
    print("%d of %d wheels with a best known size equal it" % (equal, rows))


# Wheels for the big games: too many draws to search at once, `wheel make` builds them of wheels on two parts
# of the numbers. Each with the seed and seconds (and one search per core) that made the library's file:
# (numbers, per_ticket, match, correct, seed, seconds).
BIG_WHEELS = [
    (49, 6, 3, 6, 49636, 900),
]


def make_big_wheels(cli, scratch):
    """The verified big wheels, made in `scratch`; a failed one ends the run."""
    made = []
    for numbers, per_ticket, match, correct, seed, seconds in BIG_WHEELS:
        began = time.monotonic()
        name = file_name(numbers, per_ticket, match, correct)
        path = os.path.join(scratch, name)
        home = os.path.join(scratch, "big-home")
        os.makedirs(home, exist_ok=True)
        run = cli_run(cli, home, "wheel", "make", "--numbers", str(numbers), "--per-ticket", str(per_ticket),
                      "--match", str(match), "--correct", str(correct), "--seconds", str(seconds), "--seed",
                      str(seed), "-o", path)
        if run.returncode != 0:
            raise SystemExit("%s not made: %s" % (name, run.stderr.strip() or "wheel make failed"))
        if header(path) != [per_ticket, numbers, header(path)[2], match, correct]:
            raise SystemExit("%s: the header does not state the guarantee asked for: %s" % (name, header(path)))
        verified = cli_run(cli, home, "wheel", "verify", path)
        if verified.returncode != 0:
            raise SystemExit("%s does not keep its guarantee:\n%s%s" % (name, verified.stdout, verified.stderr))
        print("%-13s %d if %d  %-40s %5.1f s" % (name, match, correct, "%d tickets" % header(path)[2],
                                                time.monotonic() - began), flush=True)
        made.append(path)
    return made


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("cli", nargs="?", help="the built vantoro-cli")
    parser.add_argument("--compare", metavar="BOUNDS.CSV")
    parser.add_argument("--max-numbers", type=int, default=16)
    parser.add_argument("--seconds", type=int, default=4)
    parser.add_argument("--output", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                                                         "resources", "samples", "wheels"))
    args = parser.parse_args()
    if args.compare:
        return compare(args.compare, os.path.abspath(args.output))
    if not args.cli:
        parser.error("name the built vantoro-cli")
    cli = os.path.abspath(args.cli)
    output = os.path.abspath(args.output)

    started = time.monotonic()
    kept = []
    with tempfile.TemporaryDirectory() as scratch:
        for per_ticket, guarantees in sorted(GUARANTEES.items()):
            for match, correct in guarantees:
                for numbers in range(per_ticket + 2, args.max_numbers + 1):
                    began = time.monotonic()
                    path, note = make_one(cli, scratch, args.seconds, numbers, per_ticket, match, correct)
                    name = file_name(numbers, per_ticket, match, correct)
                    print("%-13s %d if %d  %-40s %5.1f s" % (name, match, correct, note if path else
                                                            "not kept: " + note, time.monotonic() - began),
                          flush=True)
                    if path:
                        kept.append(path)

        kept += make_big_wheels(cli, scratch)

        # No two names may meet, even on a file system blind to case.
        names = [os.path.basename(path).lower() for path in kept]
        if len(set(names)) != len(names):
            raise SystemExit("two library wheels share a name")

        # A full wheel already in the folder must be the same wheel; it is left as it is.
        for path in list(kept):
            name = os.path.basename(path)
            target = os.path.join(output, name)
            if name.startswith("FULL") and os.path.exists(target):
                if not filecmp.cmp(path, target, shallow=False):
                    raise SystemExit("%s differs from the full wheel already in %s" % (name, output))
                kept.remove(path)

        for old in glob.glob(os.path.join(output, "ABBR*")):
            os.remove(old)
        for path in kept:
            shutil.copyfile(path, os.path.join(output, os.path.basename(path)))

    library = glob.glob(os.path.join(output, "ABBR*"))
    print("%d library files, %d bytes, %.0f s" % (len(library), sum(os.path.getsize(p) for p in library),
                                                 time.monotonic() - started))


if __name__ == "__main__":
    sys.exit(main())
