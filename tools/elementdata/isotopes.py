"""Isotope counts and natural isotopes of every element.

Known isotopes and natural abundances come from chemical-elements (NIST Atomic Weights and
Isotopic Compositions). An isotope is radioactive when curated/natural-radioactive.tsv names it,
when curated/trace-isotopes.tsv names it, or when its element has no stable isotope at all
(Tc, Pm, and Z >= 84). The natural isotopes are those with an abundance plus the trace isotopes,
which carry "VS" (small amounts) instead of a percentage. Which radioactive isotopes count as
naturally occurring is NATURAL_RADIOACTIVE_RULE; the trace table is checked against it.
"""

from decimal import Decimal
import re

import curated
from errors import DataError
from numtext import plain

VERY_SMALL = "VS"
MAX_PAIRS = 20

NATURAL_RADIOACTIVE_RULE = (
    "A radioactive isotope counts as naturally occurring (column 3 of 179-isotope, and a pair of "
    "181-isotope2) when it is one of: (1) primordial: left from the Earth's formation, with a "
    "measured natural abundance and an observed decay (curated/natural-radioactive.tsv, "
    "NUBASE2020); (2) a member of the uranium-238, uranium-235 or thorium-232 decay series, along "
    "every branch taken by at least 0.01 % of the decays; (3) cosmogenic: made continuously by "
    "cosmic rays in the atmosphere or in rock at the Earth's surface and measured in natural "
    "samples (Lal and Peters 1967; Lal 1991), with a half-life of at least one year; "
    "(4) nucleogenic: formed in uranium ores by spontaneous fission or neutron capture and "
    "measured in natural ore, with a half-life of at least one year. Shorter-lived cosmogenic "
    "isotopes such as Be-7 (53 days) and Ar-37 (35 days), and isotopes that reach the Earth from "
    "space (Fe-60), do not count; nor do Kr-85, whose natural traces are lost among the krypton "
    "of nuclear fission, and Pu-244, whose primordial traces have not been confirmed and whose "
    "traces in deep-sea crusts came from space. Groups 2 to 4 are curated/trace-isotopes.tsv, "
    "which the generator checks against this rule; the notes show them as \"small amounts\".")

# A trace isotope made in nature outside the decay series must live at least this long.
MIN_TRACE_HALF_LIFE_YEARS = 1
_HALF_LIFE = re.compile(r"half-life (\d+(?:\.\d+)?) (d|y|ky|My|Gy)\b")
_YEARS_PER_UNIT = {"d": 1 / 365.25, "y": 1, "ky": 1e3, "My": 1e6, "Gy": 1e9}
_DECAY_SERIES = ("uranium-238 decay series", "uranium-235 decay series", "thorium-232 decay series")


def _check_trace_row(row):
    """A trace isotope belongs to a decay series, or is cosmogenic or nucleogenic with a
    half-life of at least a year."""
    reference = row["reference"]
    where = f"trace-isotopes.tsv: {row['symbol']}-{row['mass_number']}"
    if reference in _DECAY_SERIES:
        return
    if not reference.startswith(("cosmogenic:", "nucleogenic:")):
        raise DataError(f"{where}: the reference must name a decay series, or start with "
                        f"cosmogenic: or nucleogenic:")
    match = _HALF_LIFE.search(reference)
    if not match:
        raise DataError(f"{where}: the reference must give the half-life")
    years = float(match.group(1)) * _YEARS_PER_UNIT[match.group(2)]
    if years < MIN_TRACE_HALF_LIFE_YEARS:
        raise DataError(f"{where}: a half-life under one year does not count as natural")


def trace_groups():
    """{"decay series" | "cosmogenic" | "nucleogenic": ["H-3", ...]} of the trace table."""
    groups = {}
    for row in curated.read_rows("trace-isotopes.tsv"):
        _check_trace_row(row)
        reference = row["reference"]
        group = "decay series" if reference in _DECAY_SERIES else reference.split(":")[0]
        groups.setdefault(group, []).append(f"{row['symbol']}-{row['mass_number']}")
    return groups


def _element_without_stable_isotopes(number):
    return number in (43, 61) or number >= 84


class IsotopeFacts:
    def __init__(self, chemical):
        self.chemical = chemical
        self.radioactive = {(row["Z"], int(row["mass_number"]))
                            for row in curated.read_rows("natural-radioactive.tsv")}
        self.trace = {}
        for row in curated.read_rows("trace-isotopes.tsv"):
            _check_trace_row(row)
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
