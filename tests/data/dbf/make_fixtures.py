#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the table fixtures of the table-engine tests with an independent dBASE writer
(Debian's python3-dbf), plus broken variants derived from them byte by byte.

Run from anywhere: /usr/bin/python3 tests/data/dbf/make_fixtures.py
The files are committed, so the tests themselves never need Python."""

import datetime
import os
import random
import struct

import dbf

HERE = os.path.dirname(os.path.abspath(__file__))

# Drawings deliberately out of date order; 03/15/2001 occurs twice so the order's stability shows.
DRAWINGS = [
    ("2001-03-15", ["01", "12", "23", "34", "45", "49"]),
    ("1997-01-07", ["05", "10", "15", "20", "25", "30"]),
    ("2024-02-29", ["02", "04", "06", "08", "10", "12"]),
    ("1999-12-31", ["07", "14", "21", "28", "35", "42"]),
    ("2000-01-01", ["03", "09", "27", "31", "33", "41"]),
    ("2001-03-15", ["11", "13", "17", "19", "29", "37"]),
    ("1998-06-30", ["06", "16", "26", "36", "46", "48"]),
    ("2010-10-10", ["10", "20", "30", "40", "44", "47"]),
    ("1960-01-01", ["01", "02", "03", "04", "05", "06"]),
    ("2059-12-31", ["43", "44", "45", "46", "47", "48"]),
    ("2005-05-05", ["05", "15", "25", "35", "39", "40"]),
    ("1997-01-04", ["08", "18", "22", "24", "32", "38"]),
    ("2020-07-04", ["04", "07", "17", "27", "37", "47"]),
    ("2015-08-19", ["09", "19", "29", "39", "43", "49"]),
    ("2003-11-22", ["12", "22", "32", "42", "44", "46"]),
    ("1999-01-01", ["13", "23", "26", "33", "36", "43"]),
    ("2012-12-12", ["12", "18", "24", "30", "36", "42"]),
    ("2008-02-29", ["02", "08", "14", "20", "26", "32"]),
    ("2018-09-09", ["09", "18", "27", "36", "45", "48"]),
    ("2022-01-31", ["01", "11", "21", "31", "41", "49"]),
]

NUMBERS = [
    ("first", 1234567.89, 0.0, 5),
    ("negative", -42.5, -0.01, -7),
    ("zero", 0.0, 100.0, 0),
    ("large", 999999999999.99, -9999999999.99, 999),
]

COMMENTS = ["Señor €", "naïve – “quoted”", "Œuvre ‰ Šž Ÿ", "plain"]


def date(text):
    return datetime.datetime.strptime(text, "%Y-%m-%d").date()


def path(name):
    return os.path.join(HERE, name)


def write_table(name, layout, rows):
    target = path(name)
    if os.path.exists(target):
        os.remove(target)
    table = dbf.Table(target, layout, dbf_type="db3", codepage="cp1252")
    table.open(dbf.READ_WRITE)
    for row in rows:
        table.append(row)
    table.close()
    return target


def derive(source, name, change):
    with open(path(source), "rb") as f:
        data = bytearray(f.read())
    data = change(data)
    with open(path(name), "wb") as f:
        f.write(data)


def set16(data, offset, value):
    data[offset:offset + 2] = struct.pack("<H", value)
    return data


def set32(data, offset, value):
    data[offset:offset + 4] = struct.pack("<I", value)
    return data


def main():
    layout = "DRAWDATE D; " + "; ".join("P%d C(2)" % i for i in range(1, 7))
    write_table("drawings.dbf", layout, [(date(d), *n) for d, n in DRAWINGS])

    write_table("numbers.dbf", "NAME C(10); WON N(15,2); LOST N(15,2); COUNT N(3,0)", NUMBERS)

    write_table("deleted.dbf", "DRAWDATE D; P1 C(2)",
                [(date("2000-01-%02d" % (i + 1)), "%02d" % (i + 1)) for i in range(6)])
    table = dbf.Table(path("deleted.dbf"))
    table.open(dbf.READ_WRITE)
    for record in table:
        if record.p1 in ("01", "04", "06"):
            dbf.delete(record)
    table.close()

    write_table("cp1252.dbf", "COMMENT C(20); ENTRYDATE D", [(c, None) for c in COMMENTS])

    # Broken and foreign variants.
    header_length = 32 + 32 * 7 + 1
    record_length = 1 + 8 + 6 * 2
    derive("drawings.dbf", "truncated.dbf", lambda b: b[:header_length + 5 * record_length + 7])
    derive("drawings.dbf", "count_too_large.dbf", lambda b: set32(b, 4, len(DRAWINGS) + 1))
    derive("drawings.dbf", "header_length_short.dbf", lambda b: set16(b, 8, header_length - 40))
    derive("drawings.dbf", "record_length_wrong.dbf", lambda b: set16(b, 10, record_length + 1))
    derive("drawings.dbf", "zero_fields.dbf", lambda b: set16(b[:32] + b"\x0d" + b[header_length:], 8, 33))
    derive("drawings.dbf", "unknown_type.dbf", lambda b: b[:32 + 32 + 11] + b"F" + b[32 + 32 + 12:])
    derive("drawings.dbf", "wrong_version.dbf", lambda b: b"\x30" + b[1:])
    with open(path("empty.dbf"), "wb"):
        pass
    rng = random.Random(545)
    with open(path("random.dbf"), "wb") as f:
        f.write(bytes(rng.randrange(256) for _ in range(700)))

    # Accepted: what another tool or a crash during an append leaves behind. "foreign" carries a
    # longer header (a NUL after the terminator) and no end marker; "trailing" has half a record
    # after the last counted one.
    def foreign(b):
        b = b[:header_length] + b"\x00" + b[header_length:]
        b = set16(b, 8, header_length + 1)
        return b[:-1] if b[-1] == 0x1A else b
    derive("drawings.dbf", "foreign.dbf", foreign)
    derive("drawings.dbf", "trailing.dbf", lambda b: b[:-1] + b" 2031")
    with open(path("foreign.nsx"), "wb") as f:
        f.write(bytes(rng.randrange(256) for _ in range(1024)))


if __name__ == "__main__":
    main()
