#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the sample lotteries bundled with Vantoro from published drawing histories.

    make_samples.py VANTORO_CLI HISTORIES_DIR [OUTPUT_DIR]

OUTPUT_DIR defaults to the folder of this script (resources/samples). Each lottery is defined with
`vantoro-cli new` and filled with `vantoro-cli import`, with the column choices a user would confirm
for its published file, so the samples are also a run of the import over every layout we know.
The few definition fields that `new` has no option for (country, state, bonus matches, commission)
are written into the .INF record at their offsets. Run it again whenever a history file is updated;
CI does not run it.
"""
import csv
import datetime
import os
import shutil
import struct
import subprocess
import sys
import tempfile

# Offsets in the 289-byte definition record.
COUNTRY, STATE, BONUS_MATCHES, COMMISSION_NAME, COMMISSION_WWW = 2, 4, 54, 69, 248
CANADA, UNITED_KINGDOM = 1, 7
NEW_YORK = 33


def run(cli, home, *arguments):
    result = subprocess.run([cli, *arguments, "--home", home], check=True, capture_output=True, text=True,
                            env=dict(os.environ, LANG="C.UTF-8"))
    sys.stdout.write(result.stdout.splitlines()[0] + "\n" if result.stdout else "")
    return result.stdout


def patch(path, offset, data):
    with open(path, "r+b") as f:
        f.seek(offset)
        f.write(data)


def short_string(text, width):
    data = text.encode("cp1252")[:width]
    return bytes([len(data)]) + data


def uk_cut(histories, folder):
    """The UK file covers 6 of 49 and, from the first draw with a number above 49, 6 of 59."""
    months = {m: i + 1 for i, m in enumerate("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split())}
    with open(os.path.join(histories, "uk_lotto.csv"), newline="") as f:
        rows = list(csv.reader(f))
    header, body = rows[0], rows[1:]

    def date(row):
        return datetime.date(int(row[4]), months[row[3]], int(row[2]))

    change = min(date(r) for r in body if max(int(c.strip("()")) for c in r[5:12]) > 49)
    kept = [r for r in body if date(r) < change]
    print("UK649: 6 of 59 from %s; keeping the %d draws before it" % (change.isoformat(), len(kept)))
    path = os.path.join(folder, "uk_lotto_649.csv")
    with open(path, "w", newline="") as f:
        csv.writer(f, lineterminator="\n").writerows([header] + kept)
    return path


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    cli, histories = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    output = os.path.abspath(sys.argv[3]) if len(sys.argv) == 4 else os.path.dirname(os.path.abspath(__file__))
    with tempfile.TemporaryDirectory() as work:
        home = os.path.join(work, "home")
        # A home that is not empty is not seeded with the samples of an earlier build.
        os.makedirs(os.path.join(home, "data"))
        data = os.path.join(home, "data")

        run(cli, home, "new", "--code", "CN649", "--type", "7", "--drawn", "7", "--bonus", "1", "--lowest", "1",
            "--highest", "49", "--highest-bonus", "49", "--days", "0001001", "--description", "Canada Lotto 6/49")
        patch(os.path.join(data, "CN649.INF"), COUNTRY, struct.pack("<h", CANADA))
        # The bonus number counts for a ticket with five regular numbers (the second prize).
        patch(os.path.join(data, "CN649.INF"), BONUS_MATCHES, bytes([0, 0, 0, 0, 0, 1, 0]))
        run(cli, home, "import", "--lottery", "CN649.DBF", os.path.join(histories, "ca_lotto649.csv"),
            "--date-column", "4", "--date-format", "YYYY-MM-DD", "--number-columns", "5-11")

        run(cli, home, "new", "--code", "UK649", "--type", "7", "--drawn", "7", "--bonus", "1", "--lowest", "1",
            "--highest", "49", "--highest-bonus", "49", "--days", "0001001", "--description", "UK Lotto 6/49")
        patch(os.path.join(data, "UK649.INF"), COUNTRY, struct.pack("<h", UNITED_KINGDOM))
        patch(os.path.join(data, "UK649.INF"), BONUS_MATCHES, bytes([0, 0, 0, 0, 0, 1, 0]))
        run(cli, home, "import", "--lottery", "UK649.DBF", uk_cut(histories, work),
            "--date-column", "3-5", "--date-format", "DAY,MONTH,YEAR", "--number-columns", "6-12")

        run(cli, home, "new", "--code", "NY3", "--type", "5", "--drawn", "3", "--bonus", "0", "--lowest", "0",
            "--highest", "9", "--days", "1111111", "--description", "New York Numbers (evening)")
        patch(os.path.join(data, "NY3.INF"), STATE, struct.pack("<h", NEW_YORK))
        patch(os.path.join(data, "NY3.INF"), COMMISSION_NAME, short_string("New York Lottery", 40))
        # The file holds two different evening drawings on 01/27/1982 and on 02/14/1985; the sample
        # keeps both, as published, so the import must take a second drawing on a day.
        run(cli, home, "import", "--lottery", "NY3.DBF", os.path.join(histories, "ny_numbers_win4.csv"),
            "--date-column", "1", "--date-format", "MM/DD/YYYY", "--number-columns", "4", "--two-draws-a-day")

        # The keno codes are a place and "KENO"; HU names Hungary as the catalogue's codes name theirs.
        run(cli, home, "new", "--code", "HUKENO", "--type", "3", "--drawn", "20", "--bonus", "0", "--lowest", "1",
            "--highest", "80", "--days", "1111111", "--description", "Keno - Szerencsejáték, Hungary")
        patch(os.path.join(data, "HUKENO.INF"), COMMISSION_NAME, short_string("Szerencsejáték Zrt.", 40))
        patch(os.path.join(data, "HUKENO.INF"), COMMISSION_WWW, short_string("www.szerencsejatek.hu", 40))
        # The weekly draws before October 1998 carry a year and a week but no date: they are skipped.
        run(cli, home, "import", "--lottery", "HUKENO.DBF", os.path.join(histories, "keno_hu.csv"),
            "--separator", ";", "--header-rows", "0", "--date-column", "4", "--date-format", "YYYY.MM.DD.",
            "--number-columns", "5-24", "--skip-bad")

        target = os.path.join(output, "data")
        os.makedirs(target, exist_ok=True)
        for code in ("CN649", "UK649", "NY3", "HUKENO"):
            for extension in (".DBF", ".NSX", ".INF"):
                shutil.copyfile(os.path.join(data, code + extension), os.path.join(target, code + extension))
    with open(os.path.join(output, "vantoro.ini"), "w", newline="\r\n") as f:
        f.write("[GENERAL]\nLOTTERY=CN649.DBF\n")


if __name__ == "__main__":
    main()
