"""The curated tables of tools/elementdata/curated: TSV files with a header line, first column Z."""

import os

from errors import DataError

CURATED_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "curated")
ELEMENT_COUNT = 118


def path(name):
    return os.path.join(CURATED_DIR, name)


def exists(name):
    return os.path.exists(path(name))


def read_rows(name):
    """Every data row of a curated table as a dict keyed by the header; Z is an int."""
    with open(path(name), encoding="utf-8") as source:
        lines = source.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if not lines:
        raise DataError(f"{name}: empty table")
    header = lines[0].split("\t")
    if header[0] != "Z":
        raise DataError(f"{name}: the first column must be Z, found {header[0]!r}")
    rows = []
    for number, line in enumerate(lines[1:], start=2):
        cells = line.split("\t")
        if len(cells) != len(header):
            raise DataError(f"{name}:{number}: {len(cells)} cells, the header has {len(header)}")
        row = dict(zip(header, cells))
        try:
            row["Z"] = int(row["Z"])
        except ValueError:
            raise DataError(f"{name}:{number}: Z is not a number: {row['Z']!r}") from None
        if not 1 <= row["Z"] <= ELEMENT_COUNT:
            raise DataError(f"{name}:{number}: Z out of range: {row['Z']}")
        rows.append(row)
    return rows


def read_by_z(name, complete=True):
    """A curated table with at most one row per element, keyed by Z.

    With complete=True the table must hold exactly the rows 1 to 118 in order.
    """
    rows = read_rows(name)
    table = {}
    for row in rows:
        if row["Z"] in table:
            raise DataError(f"{name}: Z {row['Z']} occurs twice")
        table[row["Z"]] = row
    if complete and [row["Z"] for row in rows] != list(range(1, ELEMENT_COUNT + 1)):
        raise DataError(f"{name}: must hold the rows Z = 1 to {ELEMENT_COUNT} in order")
    return table


def value_column(name, rows, wanted):
    """The header name of a prose table's value column: `wanted` when present, else the only
    column that is neither Z, symbol nor reference."""
    header = list(rows[0].keys()) if rows else []
    if wanted in header:
        return wanted
    others = [column for column in header if column not in ("Z", "symbol", "reference", "source")]
    if len(others) != 1:
        raise DataError(f"{name}: cannot tell the value column among {header}")
    return others[0]
