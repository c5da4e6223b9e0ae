#!/usr/bin/env python3
"""Rebuilds the element data texts in resources/text from the public sources and the curated
tables, checks every rule of the tables' layout, and writes resources/text/SOURCES.md.

Run tools/elementdata/fetch-sources.sh once first. Usage: python3 tools/elementdata/generate.py
The build never runs this; the texts it writes are committed.
"""

import os
import sys

# Keep the source tree free of bytecode caches.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from checks import Checker  # noqa: E402
from crosscheck import cross_check  # noqa: E402
import curated  # noqa: E402
from datasets import Builder  # noqa: E402
from datasets import VALENCE_RULE  # noqa: E402
from errors import DataError  # noqa: E402
from isotopes import NATURAL_RADIOACTIVE_RULE, trace_groups  # noqa: E402
import prose  # noqa: E402
from sources import Sources  # noqa: E402
from sourcesdoc import sources_markdown  # noqa: E402

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TEXT_DIR = os.path.join(REPO, "resources", "text")


def warn(message):
    print("warning: " + message, file=sys.stderr)


def write_text(file_name, text, extension=".txt"):
    with open(os.path.join(TEXT_DIR, file_name + extension), "w", encoding="utf-8",
              newline="\n") as out:
        out.write(text)


def write_lines(file_name, lines):
    write_text(file_name, "\n".join(lines) + "\n")


def rules():
    """The rules behind the isotope counts and the valences, for SOURCES.md."""
    groups = trace_groups()
    listed = [f"{group.capitalize()} isotopes counted now: {', '.join(groups[group])}."
              for group in ("cosmogenic", "nucleogenic") if group in groups]
    return [("Naturally occurring radioactive isotopes", [NATURAL_RADIOACTIVE_RULE] + listed),
            ("Valences", [VALENCE_RULE])]


def main():
    sources = Sources()
    builder = Builder(sources)
    datasets = builder.all() + prose.element_prose(warn)
    glossary = prose.glossary_lines(warn)
    abouts = prose.about_texts(warn)

    checker = Checker()
    for dataset in datasets:
        checker.dataset(dataset)
    by_name = {dataset.file_name: dataset for dataset in datasets}
    checker.unique(by_name["187-general"], 1, "symbols")
    checker.unique(by_name["187-general"], 0, "names")
    checker.isotope_counts(by_name["179-isotope"])
    if glossary is not None:
        checker.glossary(glossary)
    for file_name, text in abouts.items():
        checker.ascii_text(file_name, text)
    checker.raise_if_any()

    os.makedirs(TEXT_DIR, exist_ok=True)
    for dataset in datasets:
        write_lines(dataset.file_name, dataset.lines())
    if glossary is not None:
        write_lines("186-glossary", glossary)
    for file_name, text in abouts.items():
        write_text(file_name, text)
    corrections = curated.read_rows("corrections.tsv") if curated.exists("corrections.tsv") else []
    write_text("SOURCES", sources_markdown(datasets, glossary is not None, sorted(abouts),
                                           corrections, rules()), ".md")

    for line in cross_check(sources, by_name):
        print(line)
    print(f"wrote {len(datasets) + (glossary is not None) + len(abouts)} texts to {TEXT_DIR}")


if __name__ == "__main__":
    try:
        main()
    except DataError as error:
        print("error: " + str(error), file=sys.stderr)
        sys.exit(1)
