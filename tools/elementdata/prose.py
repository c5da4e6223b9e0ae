"""The prose datasets, read from the curated prose tables: uses, sources, appearance codes,
glossary and the two about texts. A missing table skips its output with a warning."""

import curated
from errors import DataError
from tables import ELEMENTS, Column, Dataset

GLOSSARY_TERMS = 65
TERM_END = ":ß"
APPEARANCE_CODES = (
    "colorless", "oxygen", "fluorine", "chlorine", "boron", "carbon", "gold", "copper", "silverwhite",
    "silvergray", "bluewhite", "iodine", "phosphorous", "radium", "mercury", "sulfur", "leadlike",
    "bismuth", "bromine", "silverwhite2", "silicon", "selenium", "darkgray",
)


def _whole_line_dataset(file_name, table_name, wanted, column):
    rows = curated.read_rows(table_name)
    value_name = curated.value_column(table_name, rows, wanted)
    by_z = curated.read_by_z(table_name)
    column.values = {number: by_z[number][value_name] for number in ELEMENTS}
    return Dataset(file_name, "", [column])


def element_prose(warn):
    """The whole-line prose datasets whose tables exist."""
    specs = [
        ("188-uses", "uses.tsv", "uses",
         Column("uses", "", "curated/uses.tsv", kind="text", required=range(1, 112))),
        ("170-ores", "ores.tsv", "sources",
         Column("sources", "", "curated/ores.tsv", "nul, art, none or a comma-separated list",
                kind="text", required=range(1, 112))),
        ("173-colorDat", "color.tsv", "code",
         Column("appearance code", "", "curated/color.tsv", "one of the 23 appearance codes",
                kind="code", codes=APPEARANCE_CODES)),
    ]
    datasets = []
    for file_name, table_name, wanted, column in specs:
        if not curated.exists(table_name):
            warn(f"curated/{table_name} is missing: {file_name} not written")
            continue
        datasets.append(_whole_line_dataset(file_name, table_name, wanted, column))
    return datasets


def glossary_lines(warn):
    """The 65 glossary lines "term:ßdefinition", or None when the table is missing."""
    if not curated.exists("glossary.tsv"):
        warn("curated/glossary.tsv is missing: 186-glossary not written")
        return None
    with open(curated.path("glossary.tsv"), encoding="utf-8") as source:
        lines = source.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    lines = lines[1:]
    entries = []
    for number, line in enumerate(lines, start=2):
        cells = line.split("\t")
        if len(cells) != 2:
            raise DataError(f"glossary.tsv:{number}: expected term<TAB>definition")
        entries.append(cells[0] + TERM_END + cells[1])
    return entries


def about_texts(warn):
    """{file name: text} of the about texts whose files exist."""
    texts = {}
    for file_name, source_name in (("183-Abouttheperiodictable", "about-periodic-table.txt"),
                                   ("184-AboutAtomnote", "about-atomnote.txt")):
        if not curated.exists(source_name):
            warn(f"curated/{source_name} is missing: {file_name} not written")
            continue
        with open(curated.path(source_name), encoding="utf-8") as source:
            texts[file_name] = source.read()
    return texts
