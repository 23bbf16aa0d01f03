#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the library of abbreviated wheels that a new program home is seeded with.

    make_wheel_library.py VANTORO_CLI [--max-numbers K] [--seconds S] [--jobs N] [--output DIR]
    make_wheel_library.py --compare BOUNDS.CSV [--output DIR]

For 6-number tickets it makes the wheels "3 if 3" ... "5 if 6", for 5-number tickets "3 if 3" ... "5 if 5" and
for 10-number keno tickets "5 if 5" ... "8 if 8" (the prizes of a ten-spot start at five matches), over P + 2 up
to --max-numbers numbers (default 30), each with `vantoro-cli wheel make` searching at most --seconds seconds
(default 4, more from 17 numbers on: up to three times as long at 30) from a seed fixed by the wheel's sizes.
Each guarantee is one chain of growing K; --jobs chains (default one per core) run side by side, each search on
one core. A wheel is kept only when it has more than one ticket and fewer than 1,000, `wheel verify` proves
the guarantee of its header (exit status 0) and the header states what was asked for. A chain ends at the
first K whose proved lower bound already reaches 1,000 tickets (`wheel make --most-tickets` refuses it without
searching) or whose wheel came out with 1,000 tickets or more: the least wheel of more numbers for the same
guarantee is never smaller, so the search is not run again for more.

Pick-3 and pick-4 players choose K of the ten digits; for them it writes the full wheels of 3 and 4 numbers a
ticket over up to all ten digits (`wheel full`).

Everything is made in a scratch folder first; only then are the library files of DIR (default
resources/samples/wheels) that this run could have made replaced (abbreviated wheels of the ticket sizes above
and at most --max-numbers numbers; any others, such as bigger wheels made otherwise, are left alone), so a
failed run leaves the old library whole. A library wheel with no more tickets than this run's, or one this run
did not make, stays: a run on a busy machine finds less in its seconds and never makes the library worse, and a
wheel of the same size with other tickets would only make the change larger to review.
CI does not run it; CTest verifies the files it wrote.

--compare reads a table of best known sizes (columns v, k, t, m, best_known: the La Jolla Covering Repository of
D. M. Gordon for m = t, published lotto designs for m > t) and prints each library wheel that has a row there
with its size beside the best known one; nothing is made.

Names follow the extension rule of the wheel editor: A and the ticket size for an abbreviated wheel, F for a full
one (5 if 5 on 5-number tickets plays every combination). The name before the dot is ABBR, K as two digits, M and
C (ABBR1636.A06: 16 numbers, 3 if 6), eight characters like the FULLkk.Fpp wheels beside them.
"""
import argparse
import concurrent.futures
import csv
import filecmp
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

GUARANTEES = {
    6: [(3, 3), (3, 4), (3, 5), (3, 6), (4, 4), (4, 5), (4, 6), (5, 5), (5, 6)],
    5: [(3, 3), (3, 4), (3, 5), (4, 4), (4, 5), (5, 5)],
    10: [(5, 5), (5, 6), (5, 7), (6, 6), (6, 7), (6, 8), (7, 7), (7, 8), (8, 8)],
}
MOST_TICKETS = 999
# Pick games draw digits: a player wheels K of the ten.
PICK_FULL = {3: range(4, 11), 4: range(5, 11)}


def seconds_for(base, numbers):
    # The search space grows fast with K; below 17 numbers the base time already finds good wheels.
    return base + base * max(0, numbers - 16) * 2 // 14


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


def make_one(cli, scratch, home, seconds, numbers, per_ticket, match, correct):
    """The path of the verified wheel and its tickets, or None, the tickets found (0 for none) and the
    reason it was not kept."""
    name = file_name(numbers, per_ticket, match, correct)
    path = os.path.join(scratch, name)
    seed = numbers * 1000 + per_ticket * 100 + match * 10 + correct
    made = cli_run(cli, home, "wheel", "make", "--numbers", str(numbers), "--per-ticket", str(per_ticket),
                   "--match", str(match), "--correct", str(correct), "--seconds", str(seconds), "--seed",
                   str(seed), "--searches", "1", "--most-tickets", str(MOST_TICKETS), "-o", path)
    if made.returncode != 0:
        said = made.stderr.strip().splitlines()[-1] if made.stderr.strip() else ""
        if said.startswith("Tickets: ") or not said:
            said = "wheel make ended with status %d" % made.returncode
        return None, 0, said
    if header(path) != [per_ticket, numbers, header(path)[2], match, correct]:
        return None, 0, "the header does not state the guarantee asked for: %s" % header(path)
    tickets = header(path)[2]
    if tickets == 1:
        # Ten of twelve numbers on one ticket is no wheel: the player needs none to play it.
        os.remove(path)
        return None, tickets, "one ticket"
    if tickets > MOST_TICKETS:
        os.remove(path)
        return None, tickets, "%d tickets" % tickets
    verified = cli_run(cli, home, "wheel", "verify", path)
    if verified.returncode != 0:
        raise SystemExit("%s does not keep its guarantee:\n%s%s" % (name, verified.stdout, verified.stderr))
    return path, tickets, "%d tickets" % tickets


def make_chain(cli, scratch, base_seconds, max_numbers, per_ticket, match, correct, report):
    """The wheels of one guarantee for K = P + 2 up, until one cannot be kept."""
    # A home of its own: two programs seeding one new home at once would meet.
    home = tempfile.mkdtemp(prefix="home", dir=scratch)
    kept = []
    for numbers in range(per_ticket + 2, max_numbers + 1):
        began = time.monotonic()
        path, tickets, note = make_one(cli, scratch, home, seconds_for(base_seconds, numbers), numbers, per_ticket,
                                       match, correct)
        report("%-13s %d if %d  %-52s %5.1f s" % (file_name(numbers, per_ticket, match, correct), match, correct,
                                                  note if path else "not kept: " + note,
                                                  time.monotonic() - began))
        if path:
            kept.append(path)
        elif tickets != 1:
            break
    return kept


def make_pick_wheels(cli, scratch, report):
    kept = []
    for per_ticket, all_numbers in sorted(PICK_FULL.items()):
        for numbers in all_numbers:
            path = os.path.join(scratch, file_name(numbers, per_ticket, per_ticket, per_ticket))
            made = cli_run(cli, scratch, "wheel", "full", "--numbers", str(numbers), "--per-ticket",
                           str(per_ticket), "-o", path)
            if made.returncode != 0:
                raise SystemExit("%s: %s" % (os.path.basename(path), made.stderr.strip()))
            report("%-13s %s" % (os.path.basename(path), made.stdout.strip()))
            kept.append(path)
    return kept


def tickets_of(path):
    return header(path)[2]


def made_by_this_run(name, max_numbers):
    found = re.fullmatch(r"ABBR(\d\d)\d\d\.A(\d\d)", name)
    return bool(found) and int(found.group(1)) <= max_numbers and int(found.group(2)) in GUARANTEES


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
    (49, 6, 3, 6, 49636, 400),
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
    parser.add_argument("--max-numbers", type=int, default=30)
    parser.add_argument("--seconds", type=int, default=4)
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    parser.add_argument("--no-big-wheels", action="store_true",
                        help="leave the wheels of more than --max-numbers numbers as they are")
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
    printing = threading.Lock()

    def report(line):
        with printing:
            print(line, flush=True)

    with tempfile.TemporaryDirectory() as scratch:
        kept = make_pick_wheels(cli, scratch, report)
        # The keno chains search the most draws: started first, they do not leave one core idle at the end.
        chains = [(per_ticket, match, correct)
                  for per_ticket, guarantees in sorted(GUARANTEES.items(), reverse=True)
                  for match, correct in guarantees]
        with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
            running = [pool.submit(make_chain, cli, scratch, args.seconds, args.max_numbers, *chain, report)
                       for chain in chains]
            for chain in running:
                kept += chain.result()

        if not args.no_big_wheels:
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

        # On a busy machine a search finds less in its seconds: a library wheel that is no larger, or one
        # this run could not make at all, stays. One of a single ticket goes.
        made = {os.path.basename(path): path for path in kept}
        for old in glob.glob(os.path.join(output, "ABBR*")):
            name = os.path.basename(old)
            if not made_by_this_run(name, args.max_numbers) and name not in made:
                continue
            new = made.get(name)
            if new is None and tickets_of(old) > 1:
                report("%-13s kept from before: not made in this run" % name)
            elif new is not None and tickets_of(old) < tickets_of(new):
                report("%-13s kept from before: %d tickets, this run %d" % (name, tickets_of(old),
                                                                          tickets_of(new)))
                kept.remove(new)
            elif new is not None and tickets_of(old) == tickets_of(new):
                kept.remove(new)
            else:
                os.remove(old)
        for path in kept:
            shutil.copyfile(path, os.path.join(output, os.path.basename(path)))

    library = glob.glob(os.path.join(output, "ABBR*"))
    print("%d abbreviated wheels, %d bytes, %.0f s" % (len(library), sum(os.path.getsize(p) for p in library),
                                                      time.monotonic() - started))


if __name__ == "__main__":
    sys.exit(main())
