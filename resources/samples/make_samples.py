#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the sample lotteries bundled with Vantoro from published drawing histories.

    make_samples.py VANTORO_CLI HISTORIES_DIR OUTPUT_DIR

The definition and the empty table are made by vantoro-cli itself, as a user would; the drawings
are then appended with Debian's python3-dbf, so the sample is also a check that a table filled by
another dBASE tool opens in Vantoro. Run it again whenever a history file is updated.
"""
import csv
import datetime
import os
import shutil
import struct
import subprocess
import sys
import tempfile

import dbf

COUNTRY_OFFSET = 2
BONUS_MATCHES_OFFSET = 54
CANADA = 1


def make_lottery(cli, home, code, options):
    subprocess.run([cli, "new", "--home", home, "--code", code, *options], check=True, stdout=subprocess.DEVNULL)


def patch_definition(path, offset, data):
    with open(path, "r+b") as f:
        f.seek(offset)
        f.write(data)


def append_drawings(table_path, rows):
    table = dbf.Table(table_path)
    table.open(dbf.READ_WRITE)
    names = table.field_names
    for date, numbers in rows:
        record = {names[0]: date}
        for name, number in zip(names[1:], numbers):
            record[name] = "%02d" % number
        table.append(record)
    table.close()


def canada_649(histories):
    rows = []
    with open(os.path.join(histories, "ca_lotto649.csv"), newline="") as f:
        for row in csv.DictReader(f):
            date = datetime.date.fromisoformat(row["DRAW DATE"])
            numbers = [int(row["NUMBER DRAWN %d" % i]) for i in range(1, 7)] + [int(row["BONUS NUMBER"])]
            rows.append((date, numbers))
    rows.sort(key=lambda r: r[0])
    return rows


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    cli, histories, output = sys.argv[1:]
    with tempfile.TemporaryDirectory() as home:
        make_lottery(cli, home, "CN649", ["--type", "7", "--drawn", "7", "--bonus", "1", "--lowest", "1",
                                          "--highest", "49", "--highest-bonus", "49", "--days", "0001001",
                                          "--description", "Canada Lotto 6/49"])
        inf = os.path.join(home, "data", "CN649.INF")
        patch_definition(inf, COUNTRY_OFFSET, struct.pack("<h", CANADA))
        # The bonus number counts for a ticket with five regular numbers (the second prize).
        patch_definition(inf, BONUS_MATCHES_OFFSET, bytes([0, 0, 0, 0, 0, 1, 0]))
        append_drawings(os.path.join(home, "data", "CN649.DBF"), canada_649(histories))

        data = os.path.join(output, "data")
        os.makedirs(data, exist_ok=True)
        for name in ("CN649.DBF", "CN649.NSX", "CN649.INF"):
            shutil.copyfile(os.path.join(home, "data", name), os.path.join(data, name))
    with open(os.path.join(output, "vantoro.ini"), "w", newline="\r\n") as f:
        f.write("[GENERAL]\nLOTTERY=CN649.DBF\n")


if __name__ == "__main__":
    main()
