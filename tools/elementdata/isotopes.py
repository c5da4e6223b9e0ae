"""Isotope counts and natural isotopes of every element.

Known isotopes and natural abundances come from chemical-elements (NIST Atomic Weights and
Isotopic Compositions). An isotope is radioactive when curated/natural-radioactive.tsv names it,
when curated/trace-isotopes.tsv names it, or when its element has no stable isotope at all
(Tc, Pm, and Z >= 84). The natural isotopes are those with an abundance plus the trace isotopes,
which carry "VS" (small amounts) instead of a percentage.
"""

from decimal import Decimal

import curated
from errors import DataError
from numtext import plain

VERY_SMALL = "VS"
MAX_PAIRS = 20


def _element_without_stable_isotopes(number):
    return number in (43, 61) or number >= 84


class IsotopeFacts:
    def __init__(self, chemical):
        self.chemical = chemical
        self.radioactive = {(row["Z"], int(row["mass_number"]))
                            for row in curated.read_rows("natural-radioactive.tsv")}
        self.trace = {}
        for row in curated.read_rows("trace-isotopes.tsv"):
            self.trace.setdefault(row["Z"], set()).add(int(row["mass_number"]))

    def _known(self, number):
        return {isotope["nominal"]: isotope for isotope in self.chemical[number]["isotopes"]}

    def _is_radioactive(self, number, mass_number):
        return (_element_without_stable_isotopes(number) or (number, mass_number) in self.radioactive
                or mass_number in self.trace.get(number, ()))

    def natural(self, number):
        """[(mass number, abundance text)] in mass order; abundances in %, "VS" for traces."""
        known = self._known(number)
        pairs = {}
        for mass_number, isotope in known.items():
            if isotope.get("abundance"):
                percent = Decimal(str(isotope["abundance"])) * 100
                pairs[mass_number] = plain(percent)
        for mass_number in self.trace.get(number, ()):
            if mass_number not in known:
                raise DataError(f"trace isotope {number}-{mass_number} is not a known isotope")
            pairs.setdefault(mass_number, VERY_SMALL)
        return sorted(pairs.items())

    def counts(self, number):
        """(total known, stable, unstable, natural radioactive)."""
        known = self._known(number)
        natural = self.natural(number)
        stable = sum(1 for mass_number, isotope in known.items()
                     if isotope.get("abundance") and not self._is_radioactive(number, mass_number))
        natural_radioactive = sum(1 for mass_number, _ in natural
                                  if self._is_radioactive(number, mass_number))
        return len(known), stable, len(known) - stable, natural_radioactive

    def line(self, number):
        """The eIsotope2 line: the count of natural isotopes, then "mass,abundance" pairs."""
        natural = self.natural(number)
        return " ".join([str(len(natural))] + [f"{mass},{abundance}" for mass, abundance in natural])
