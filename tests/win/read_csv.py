#!/usr/bin/python3
"""Reads a CSV file in GBK with Python's csv module, strictly, and writes its rows in a form a
test reads without a parser: fields ended by 0x1F, rows by 0x1E, in GBK. A file the module
refuses gives one row: "error", then the module's message. The output appears whole, by a
rename, so that the test can wait for it.

Usage: read_csv.py CSV_FILE OUTPUT_FILE
"""

import csv
import os
import sys


def main(source, target):
    try:
        with open(source, newline="", encoding="gbk") as f:
            rows = list(csv.reader(f, strict=True))
    except (OSError, UnicodeError, csv.Error) as error:
        rows = [["error", str(error)]]
    part = target + ".part"
    with open(part, "w", newline="", encoding="gbk", errors="replace") as out:
        for row in rows:
            out.write("".join(field + "\x1f" for field in row) + "\x1e")
    os.replace(part, target)


if __name__ == "__main__":
    main(*sys.argv[1:])
