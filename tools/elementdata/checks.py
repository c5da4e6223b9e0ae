"""Rules every generated text must keep; a broken rule stops the generator."""

from decimal import Decimal
import re

from errors import DataError
from isotopes import MAX_PAIRS, VERY_SMALL
from numtext import NUL, is_plain_decimal
from prose import GLOSSARY_TERMS, TERM_END
from tables import ELEMENTS

ISOTOPE_SUM_TOLERANCE = Decimal("0.1")
MAX_TERM_LENGTH = 31
PARAGRAPH_BREAK = "∑∑∑"


class Checker:
    def __init__(self):
        self.problems = []

    def fail(self, where, message):
        self.problems.append(f"{where}: {message}")

    def raise_if_any(self):
        if self.problems:
            raise DataError("generated data breaks the table rules:\n  " + "\n  ".join(self.problems))

    def dataset(self, dataset):
        for column in dataset.columns:
            if sorted(column.values) != list(ELEMENTS):
                self.fail(dataset.file_name, f"{column.name}: not one value per element")
                return
        for number in ELEMENTS:
            for column in dataset.columns:
                self.cell(dataset, column, number, column.values[number])

    def cell(self, dataset, column, number, value):
        where = f"{dataset.file_name} row {number} {column.name}"
        if value == "":
            self.fail(where, "empty value")
            return
        if "\n" in value or "\r" in value or "\t" in value and dataset.separator != "\t":
            self.fail(where, f"line break or tab inside {value!r}")
        if dataset.separator and dataset.separator in value:
            self.fail(where, f"separator inside {value!r}")
        if value == NUL:
            if number in column.required:
                self.fail(where, "nul where a value is required")
            return
        kind_check = getattr(self, "kind_" + column.kind.replace("-", "_"))
        kind_check(where, column, value)

    def kind_text(self, where, column, value):
        if value != value.strip():
            self.fail(where, f"leading or trailing blank in {value!r}")

    def kind_number(self, where, column, value):
        if not is_plain_decimal(value):
            self.fail(where, f"not a plain decimal: {value!r}")

    def kind_number_or_FER(self, where, column, value):
        if value != "FER":
            self.kind_number(where, column, value)

    def kind_code(self, where, column, value):
        if value not in column.codes:
            self.fail(where, f"{value!r} is not one of {column.codes}")

    def kind_year(self, where, column, value):
        if value != "ancient" and not re.fullmatch(r"\d{3,4}", value):
            self.fail(where, f"not a year or ancient: {value!r}")

    def kind_cas(self, where, column, value):
        match = re.fullmatch(r"(\d{2,7})-(\d{2})-(\d)", value)
        if not match:
            self.fail(where, f"not a CAS number: {value!r}")
            return
        digits = (match.group(1) + match.group(2))[::-1]
        if sum((i + 1) * int(d) for i, d in enumerate(digits)) % 10 != int(match.group(3)):
            self.fail(where, f"wrong CAS check digit: {value}")

    def kind_isotopes(self, where, column, value):
        fields = value.split(" ")
        if not fields[0].isdigit() or int(fields[0]) != len(fields) - 1:
            self.fail(where, f"count {fields[0]!r} does not match {len(fields) - 1} pairs")
        if len(fields) - 1 > MAX_PAIRS:
            self.fail(where, f"more than {MAX_PAIRS} natural isotopes")
        total, numeric = Decimal(0), False
        for pair in fields[1:]:
            mass, _, abundance = pair.partition(",")
            if not mass.isdigit():
                self.fail(where, f"bad mass number in {pair!r}")
            if abundance == VERY_SMALL:
                continue
            if not is_plain_decimal(abundance):
                self.fail(where, f"bad abundance in {pair!r}")
                continue
            total += Decimal(abundance)
            numeric = True
        if numeric and abs(total - 100) > ISOTOPE_SUM_TOLERANCE:
            self.fail(where, f"abundances add up to {total}, not 100")

    def isotope_counts(self, dataset):
        for number in ELEMENTS:
            total, stable, unstable, natural = (int(column.values[number]) for column in dataset.columns)
            if total != stable + unstable or natural > unstable:
                self.fail(f"{dataset.file_name} row {number}", "counts do not add up")

    def unique(self, dataset, column_index, what):
        values = [dataset.columns[column_index].values[number] for number in ELEMENTS]
        duplicates = sorted({value for value in values if values.count(value) > 1})
        if duplicates:
            self.fail(dataset.file_name, f"duplicate {what}: {duplicates}")

    def glossary(self, lines):
        if len(lines) != GLOSSARY_TERMS:
            self.fail("186-glossary", f"{len(lines)} lines, not {GLOSSARY_TERMS}")
        terms = []
        for number, line in enumerate(lines, start=1):
            term, _, definition = line.partition(TERM_END)
            where = f"186-glossary line {number}"
            if not definition or TERM_END in definition:
                self.fail(where, "needs exactly one term separator")
            if "/" in term or term.startswith(".") or not term or len(term) > MAX_TERM_LENGTH:
                self.fail(where, f"term {term!r} cannot be a file name")
            if "\n" in line or "\r" in line:
                self.fail(where, "line break inside")
            terms.append(term)
        duplicates = sorted({term for term in terms if terms.count(term) > 1})
        if duplicates:
            self.fail("186-glossary", f"duplicate terms {duplicates}")

    def ascii_text(self, file_name, text):
        bad = sorted({character for character in text if ord(character) > 126 or
                      (ord(character) < 32 and character != "\n")})
        if bad:
            self.fail(file_name, f"characters outside printable ASCII: {bad}")
