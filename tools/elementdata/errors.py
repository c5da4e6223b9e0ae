"""The one error the generator raises for bad or missing data."""


class DataError(Exception):
    """A source or a curated table does not hold what the generator needs, or a generated
    dataset breaks a rule of the tables' layout."""
