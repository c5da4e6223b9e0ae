"""The layout of a dataset text: its columns, their units, sources and kinds of value."""

from dataclasses import dataclass, field

ELEMENTS = range(1, 119)
# Rows the element notes show; every known value must be there.
SHOWN = range(1, 112)


@dataclass
class Column:
    name: str
    unit: str
    source: str
    notes: str = ""
    # "number": a plain decimal or "nul"; "code": one of `codes`; "text": any text without the
    # table's separator.
    kind: str = "number"
    codes: tuple = ()
    # Rows on which "nul" is not allowed.
    required: range = range(0)
    values: dict = field(default_factory=dict)


@dataclass
class Dataset:
    file_name: str
    separator: str  # " " or "\t"; "" for a whole-line dataset
    columns: list

    def lines(self):
        return [self.separator.join(column.values[number] for column in self.columns)
                for number in ELEMENTS]
