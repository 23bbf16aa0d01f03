#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes a winnings ledger with vantoro-cli and reads it back with two independent dBASE readers,
dbfread and dbf. Usage: check_ledger_readers.py PATH_TO_vantoro-cli"""

import datetime
import os
import subprocess
import sys
import tempfile

import dbf
import dbfread


def main():
    cli = sys.argv[1]
    with tempfile.TemporaryDirectory() as home:
        def run(*words):
            subprocess.run([cli, "winnings", *words, "--home", home], check=True, stdout=subprocess.DEVNULL)
        run("new", "LEDGER.DBF")
        run("add", "LEDGER.DBF", "--date", "03/05/2024", "--comment", "Lotto", "--won", "10.00", "--lost", "5")
        run("add", "LEDGER.DBF", "--date", "01/05/2024", "--comment", "Scratch card", "--won", "2.50")
        path = os.path.join(home, "LEDGER.DBF")

        table = dbfread.DBF(path, encoding="cp1252")
        assert table.header.dbversion == 0x03, table.header
        kinds = [(f.name, f.type, f.length, f.decimal_count) for f in table.fields]
        assert kinds == [("ENTRYDATE", "D", 8, 0), ("COMMENT", "C", 40, 0), ("WON", "N", 15, 2),
                         ("LOST", "N", 15, 2)], kinds
        rows = [dict(r) for r in table]
        assert rows == [
            {"ENTRYDATE": datetime.date(2024, 3, 5), "COMMENT": "Lotto", "WON": 10.0, "LOST": 5.0},
            {"ENTRYDATE": datetime.date(2024, 1, 5), "COMMENT": "Scratch card", "WON": 2.5, "LOST": 0.0},
        ], rows

        other = dbf.Table(path)
        other.open()
        try:
            read = [(r.entrydate, r.comment.strip(), float(r.won), float(r.lost)) for r in other]
        finally:
            other.close()
        assert read == [(datetime.date(2024, 3, 5), "Lotto", 10.0, 5.0),
                        (datetime.date(2024, 1, 5), "Scratch card", 2.5, 0.0)], read
    print("ledger read by dbfread and dbf")


if __name__ == "__main__":
    main()
