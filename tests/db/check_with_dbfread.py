#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Has Vantoro's engine write a table (dbf_sample_writer) and reads it back with dbfread,
an independent dBASE reader. Usage: check_with_dbfread.py PATH_TO_dbf_sample_writer"""

import datetime
import subprocess
import sys
import tempfile

import dbfread


def main():
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([sys.argv[1], folder], check=True)
        table = dbfread.DBF(folder + "/SAMPLE.DBF", encoding="cp1252", char_decode_errors="strict")
        assert table.header.dbversion == 0x03, table.header
        assert table.field_names == ["DRAWDATE", "P1", "COMMENT", "WON", "CNT"], table.field_names
        kinds = [(f.name, f.type, f.length, f.decimal_count) for f in table.fields]
        assert kinds == [("DRAWDATE", "D", 8, 0), ("P1", "C", 2, 0), ("COMMENT", "C", 20, 0),
                         ("WON", "N", 15, 2), ("CNT", "N", 3, 0)], kinds
        assert table.date == datetime.date.today(), table.date
        rows = [dict(r) for r in table]
        expected = [
            {"DRAWDATE": datetime.date(1997, 1, 7), "P1": "05", "COMMENT": "Señor €", "WON": 1234567.89, "CNT": 5},
            {"DRAWDATE": datetime.date(2059, 12, 31), "P1": "49", "COMMENT": "naïve – “quoted”", "WON": -42.5,
             "CNT": -7},
            {"DRAWDATE": datetime.date(2000, 2, 29), "P1": "1", "COMMENT": "", "WON": -0.01, "CNT": 999},
        ]
        assert rows == expected, rows
        deleted = [dict(r) for r in table.deleted]
        assert len(deleted) == 1 and deleted[0]["COMMENT"] == "deleted" and deleted[0]["DRAWDATE"] is None, deleted
        print("dbfread reads the table as written: %d records, %d deleted" % (len(rows), len(deleted)))


if __name__ == "__main__":
    main()
