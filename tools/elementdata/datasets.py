"""Builds the numeric and code datasets from the sources and the curated tables."""

from decimal import Decimal
import math
import re

import curated
from errors import DataError
from isotopes import IsotopeFacts
from numtext import NUL, leading_number, leading_number_text, plain
from tables import ELEMENTS, SHOWN, Column, Dataset

KJ_PER_MOL_PER_EV = 96.485332
# Above these atomic numbers the sources give predictions only, not measurements.
LAST_MEASURED_CONFIGURATION = 103
LAST_MEASURED_IONIZATION = 103
LAST_MEASURED_AFFINITY = 86

SUPERSCRIPTS = str.maketrans("0123456789+-", "⁰¹²³⁴⁵⁶⁷⁸⁹⁺⁻")
AMERICAN = {"aluminium": "aluminum", "caesium": "cesium", "sulphur": "sulfur"}
BRITISH = {"aluminum": "aluminium", "cesium": "caesium", "sulfur": "sulphur"}
STRUCTURE_WORDS = {
    "BCC": "bcc", "fcc": "fcc", "hcp": "hcp", "Diamond": "diamond", "Tetragonal": "tetragonal",
    "Orthorhombic": "orthorhombic", "Rhombohedral": "rhombohedral", "Cubic": "cubic",
    "SC": "simple-cubic", "Monoclinic": "monoclinic",
}
# Trigonal chains, which the source lists under the hcp symmetry.
HEXAGONAL_CHAINS = ("Se", "Te")
BODR_SPACE_GROUPS = {229: "bcc", 225: "fcc", 194: "hexagonal", 227: "diamond"}
ANION_FORMERS = ("N", "O", "F", "S", "Cl", "Se", "Br", "Te", "I")
COORDINATION_ORDER = ("VI", "V", "VII", "IV", "VIII", "IX", "X", "XII", "III", "II", "IVSQ", "I")
SPIN_ORDER = ("High Spin", "", "Low Spin")
CLASS_CODES = ("n", "m", "s")
STATE_WORDS = ("solid", "liquid", "gas")
CLUSTER_CODES = tuple(str(code) for code in range(1, 8))
# Source texts that mark a value as a guess, a bound or a special condition.
UNCERTAIN_WORDS = ("maybe", "estimate", "under pressure", "no data", "&gt;", "high", "direction")
# Hg(I) exists only as the Hg2(2+) pair; its common ion is Hg2+.
PREFERRED_ION_CHARGE = {"Hg": 2}
# Elements that do not melt at 1 atm: what their melting and boiling points stand for.
MELTING_NOTE = ("C and As do not melt at 1 atm: their melting points are triple points under "
                "pressure (graphite 4762 K at 10.3 MPa, CRC Handbook; gray arsenic 1090 K at "
                "about 3.6 MPa)")
BOILING_NOTE = ("for C and As the sublimation point at 1 atm (graphite 4098 K, CRC Handbook; "
                "arsenic 887 K)")
VALENCE_RULE = (
    "Valences are the element's common oxidation states, comma-separated, negative ones with a "
    "minus sign: the main states of the table of oxidation states of Greenwood and Earnshaw "
    "(Chemistry of the Elements, 2nd ed.) as pymatgen lists them, and every other state in which "
    "the element forms a large family of compounds that are stable at room temperature. "
    "curated/corrections.tsv adds the states of that kind that pymatgen leaves out, naming the "
    "compounds. States known only in a few compounds, only in compounds that decompose at room "
    "temperature (krypton's KrF2) or only in complexes with special ligands (carbonyls, "
    "phosphines) are left out, so of the noble gases only xenon has valences.")
HEAT_NOTE = ("per mole of atoms: the CRC values per mole of H2, N2, O2, F2, Cl2, Br2 and I2 "
             "are halved (curated/heats.tsv formula_atoms)")


def _measured(text, rounded_ok=False):
    """The number of a pymatgen text such as "1811 K" or "(white P) 317.3 K", or None when the
    text gives no number, marks it as a guess or, unless rounded_ok, calls it approximate."""
    if text is None:
        return None
    text = str(text)
    if any(word in text for word in UNCERTAIN_WORDS) or (not rounded_ok and "about" in text):
        return None
    text = re.sub(r"^(\([^)]*\)|about)\s*", "", text)
    return leading_number_text(text)


def _curated_values(name, column):
    return {number: row[column] for number, row in curated.read_by_z(name).items()}


class Builder:
    def __init__(self, sources):
        self.s = sources
        self.symbol = sources.symbols
        self.corrections = self._read_corrections()
        self.applied_corrections = set()
        self.class_state = curated.read_by_z("class-state.tsv")

    def _read_corrections(self):
        corrections = {}
        if curated.exists("corrections.tsv"):
            for row in curated.read_rows("corrections.tsv"):
                if row["symbol"] != self.symbol[row["Z"]]:
                    raise DataError(f"corrections.tsv: Z {row['Z']} is {self.symbol[row['Z']]}, "
                                    f"not {row['symbol']}")
                key = (row["dataset"], int(row["column"]), row["Z"])
                if key in corrections:
                    raise DataError(f"corrections.tsv: {key} occurs twice")
                corrections[key] = row["value"]
        return corrections

    def _check_corrections_applied(self):
        """A correction whose dataset or column does not exist would silently change nothing."""
        unused = sorted(set(self.corrections) - self.applied_corrections)
        if unused:
            raise DataError(f"corrections.tsv: no such dataset column for {unused}")

    def _pymatgen(self, number, key):
        return self.s.pymatgen[self.symbol[number]].get(key)

    def _column(self, dataset, index, column, compute):
        for number in ELEMENTS:
            value = compute(number)
            value = NUL if value is None else str(value)
            key = (dataset, index, number)
            if key in self.corrections:
                value = self.corrections[key]
                self.applied_corrections.add(key)
            column.values[number] = value
        return column

    def _dataset(self, file_name, separator, specs):
        columns = [self._column(file_name, index, column, compute)
                   for index, (column, compute) in enumerate(specs)]
        return Dataset(file_name, separator, columns)

    # 187-general ---------------------------------------------------------------------------

    def name(self, number):
        name = self.s.chemical[number]["name"].lower()
        return AMERICAN.get(name, name)

    def weight(self, number):
        if number in self.mass_numbers:
            return self.mass_numbers[number]
        if number in self.weight_updates:
            return self.weight_updates[number]
        bodr = self.s.bodr[number]
        if "massError" not in bodr and "." not in bodr["mass"]:
            raise DataError(f"Z {number}: bodr gives a mass number; add it to mass-numbers.tsv")
        return bodr["mass"]


    def general(self):
        self.mass_numbers = {number: row["mass_number"]
                             for number, row in curated.read_by_z("mass-numbers.tsv", False).items()}
        self.weight_updates = {number: row["weight"] for number, row in
                               curated.read_by_z("atomic-weight-updates.tsv", False).items()}
        return self._dataset("187-general", " ", [
            (Column("name", "", "chemical-elements names, lower case, American spelling", kind="text",
                    required=ELEMENTS), self.name),
            (Column("symbol", "", "chemical-elements symbols (current IUPAC)", kind="text",
                    required=ELEMENTS), lambda n: self.symbol[n]),
            (Column("atomic weight", "g/mol",
                    "bodr mass (IUPAC standard atomic weights, conventional values for intervals); "
                    "curated/atomic-weight-updates.tsv (CIAAW changes since); "
                    "curated/mass-numbers.tsv (NUBASE2020)",
                    "mass number of the longest-lived isotope for elements without a standard "
                    "atomic weight", required=ELEMENTS), self.weight),
            (Column("group (unread)", "", "position in the periodic table (IUPAC numbering)",
                    "1 to 18; f for La to Yb and Ac to No (Lu and Lr in group 3)",
                    kind="text", required=ELEMENTS), lambda n: iupac_position(n)[0]),
            (Column("period (unread)", "", "position in the periodic table", required=ELEMENTS),
             lambda n: iupac_position(n)[1]),
        ])

    def british(self):
        return Dataset("189-british", "", [self._column("189-british", 0, Column(
            "British name", "", "187-general names with British spellings",
            "aluminium, caesium, sulphur", kind="text", required=ELEMENTS),
            lambda n: BRITISH.get(self.name(n), self.name(n)))])

    # 169-physical ----------------------------------------------------------------------------

    def melting(self, number):
        return _measured(self._pymatgen(number, "Melting point"))

    def boiling(self, number):
        return _measured(self._pymatgen(number, "Boiling point"))

    def physical(self):
        heats = curated.read_by_z("heats.tsv")
        work = _curated_values("work-function.tsv", "work_function_eV")

        def per_atom(key):
            # The handbook gives the heats of the diatomic elements per mole of molecules; the
            # notes divide by the atomic weight and Avogadro's number, so store them per atom.
            def compute(number):
                text, atoms = heats[number][key], heats[number]["formula_atoms"]
                if atoms not in ("1", "2"):
                    raise DataError(f"heats.tsv: Z {number}: formula_atoms must be 1 or 2")
                if text == NUL or atoms == "1":
                    return text
                return plain(Decimal(text) / Decimal(atoms))
            return compute
        return self._dataset("169-physical", " ", [
            (Column("class", "", "curated/class-state.tsv", "n nonmetallic, m metallic, s semimetallic",
                    kind="code", codes=CLASS_CODES, required=SHOWN),
             lambda n: self.class_state[n]["class"]),
            (Column("state at 298 K", "", "curated/class-state.tsv (CRC Handbook)", kind="code",
                    codes=STATE_WORDS, required=SHOWN), lambda n: self.class_state[n]["state"]),
            (Column("block (unread)", "", "bodr periodTableBlock", "s, p, d or f", kind="code",
                    codes=("s", "p", "d", "f"), required=ELEMENTS),
             lambda n: self.s.bodr[n]["periodTableBlock"]),
            (Column("melting point", "K", "pymatgen periodic_table.json (WebElements, citing CRC)",
                    "values the source marks as approximate are left out; " + MELTING_NOTE),
             self.melting),
            (Column("boiling point", "K", "pymatgen periodic_table.json (WebElements, citing CRC)",
                    "values the source marks as approximate are left out; " + BOILING_NOTE),
             self.boiling),
            (Column("heat of vaporization", "kJ/mol", "curated/heats.tsv (CRC Handbook)",
                    HEAT_NOTE), per_atom("vaporization_kJ_per_mol")),
            (Column("heat of fusion", "kJ/mol", "curated/heats.tsv (CRC Handbook)", HEAT_NOTE),
             per_atom("fusion_kJ_per_mol")),
            (Column("specific heat", "J/g K", "matterviz element data (specific_heat, at 25 °C)"),
             lambda n: self.s.matterviz[n].get("specific_heat")),
            (Column("photoelectric work function", "eV", "curated/work-function.tsv "
                    "(CRC Handbook, Michaelson 1977, polycrystalline)"), lambda n: work[n]),
        ])

    # 168-physical2 ---------------------------------------------------------------------------

    def physical2(self):
        susceptibility = _curated_values("magnetic-susceptibility.tsv", "susceptibility_1e-6_cm3_per_mol")
        return self._dataset("168-physical2", " ", [
            (Column("linear expansion coefficient", "10^-6/K",
                    "pymatgen periodic_table.json (WebElements, citing CRC)", "near 25 °C"),
             lambda n: _measured(self._pymatgen(n, "Coefficient of linear thermal expansion"))),
            (Column("magnetic susceptibility", "10^-6 cm³/mol",
                    "curated/magnetic-susceptibility.tsv (CRC Handbook)",
                    "molar, at 298 K unless curated/magnetic-susceptibility.tsv names another "
                    "temperature; FER for Fe, Co and Ni, ferromagnets at 298 K (gadolinium, "
                    "ferromagnetic only below 293 K, has a value)",
                    kind="number-or-FER"), lambda n: susceptibility[n]),
        ])

    # 178-crystal -----------------------------------------------------------------------------

    def density(self, number):
        state = self.class_state[number]["state"]
        symbol = self.symbol[number]
        if state == "gas":
            grams_per_cm3 = self.s.matterviz[number].get("density")
            return plain(Decimal(str(grams_per_cm3)) * 1000, 4) if grams_per_cm3 else None
        value, caveat = self.s.pt_densities.get(symbol, (None, ""))
        if value is not None and "estimated" not in caveat:
            return plain(value)
        solid = _measured(self._pymatgen(number, "Density of solid"))
        if solid is not None and number <= 99:
            return plain(Decimal(solid) / 1000)
        return None

    def lattice(self, number):
        """(structure word, a in Å, c in Å, nearest-neighbour distance in Å) or Nones."""
        symbol = self.symbol[number]
        crystal = self.s.pt_crystals[number] if number < len(self.s.pt_crystals) else None
        if crystal and crystal["symmetry"] in STRUCTURE_WORDS:
            word = STRUCTURE_WORDS[crystal["symmetry"]]
            a = crystal.get("a")
            c = a * crystal["c/a"] if a is not None and "c/a" in crystal else None
            if symbol in HEXAGONAL_CHAINS:
                word = "hexagonal"
            return word, a, c, _nearest_neighbour(word, a, c, crystal.get("alpha"))
        bodr = self.s.bodr_crystals.get(symbol)
        if crystal is None and bodr and bodr["spaceGroup"] in BODR_SPACE_GROUPS:
            word = BODR_SPACE_GROUPS[bodr["spaceGroup"]]
            a = bodr["a"] / 100
            c = bodr["c"] / 100 if word == "hexagonal" else None
            return word, a, c, _nearest_neighbour(word, a, c, None)
        return None, None, None, None

    def crystal(self):
        def lattice_part(index, digits):
            def compute(number):
                value = self.lattice(number)[index]
                if value is None or isinstance(value, str):
                    return value
                return plain(value, digits)
            return compute

        return self._dataset("178-crystal", " ", [
            (Column("density", "g/cm³ (solid), g/mL (liquid), g/L at 273 K (gas)",
                    "solids and liquids: python3-periodictable density (CRC Handbook, 80th ed.), "
                    "else pymatgen density of solid; gases: matterviz density at 0 °C, 1 atm"),
             self.density),
            (Column("crystal structure", "", "python3-periodictable crystal_structure "
                    "(Ashcroft and Mermin); bodr crystalstructures.xml where that has none",
                    "bcc, fcc, hcp, diamond, ... as one word", kind="text"), lattice_part(0, None)),
            (Column("nearest-neighbour distance", "Å",
                    "computed from the lattice constants for bcc, fcc, hcp, diamond, simple cubic "
                    "and one-atom rhombohedral lattices"), lattice_part(3, 3)),
            (Column("lattice constant a", "Å", "python3-periodictable crystal_structure "
                    "(Ashcroft and Mermin); bodr crystalstructures.xml where that has none"),
             lattice_part(1, 4)),
            (Column("lattice constant c", "Å", "a × c/a of the same source",
                    "hexagonal, tetragonal and orthorhombic lattices only"), lattice_part(2, 3)),
            (Column("thermal conductivity", "W/m K",
                    "pymatgen periodic_table.json (WebElements, citing CRC)", "near 300 K"),
             lambda n: _measured(self._pymatgen(n, "Thermal conductivity"))),
            (Column("electrical resistivity", "nΩ·m",
                    "pymatgen periodic_table.json (WebElements, citing CRC), × 10 from 10^-8 Ω m",
                    "bounds (> ...) and direction-dependent values are left out; values the "
                    "source calls approximate are kept"), self.resistivity),
        ])

    def resistivity(self, number):
        text = _measured(self._pymatgen(number, "Electrical resistivity"), rounded_ok=True)
        return None if text is None else plain(Decimal(text) * 10)

    # 171-crystal2 ----------------------------------------------------------------------------

    def crystal2(self):
        cluster = _curated_values("metal-cluster.tsv", "code")
        return self._dataset("171-crystal2", " ", [
            (Column("superconducting transition temperature", "K",
                    "pymatgen periodic_table.json (WebElements, citing CRC)",
                    "at ambient pressure; values measured under pressure are left out"),
             lambda n: _measured(self._pymatgen(n, "Superconduction temperature"))),
            (Column("metal cluster code", "", "curated/metal-cluster.tsv "
                    "(Greenwood and Earnshaw, Chemistry of the Elements)",
                    "only elements with a characteristic cluster class in that text", kind="code",
                    codes=CLUSTER_CODES), lambda n: cluster[n]),
        ])

    # 180-bonding -----------------------------------------------------------------------------

    def configuration(self, number):
        text = self._pymatgen(number, "Electronic structure")
        if number > LAST_MEASURED_CONFIGURATION or not text:
            return None
        text = re.sub(r"\s*\(tentative\)", "", text)
        text = re.sub(r"<sup>(\d+)</sup>", lambda m: m.group(1).translate(SUPERSCRIPTS), text)
        return text.replace(".", "")

    def electronegativity(self, number):
        value = self.s.bodr[number].get("electronegativityPauling")
        if value is None and number <= LAST_MEASURED_CONFIGURATION:
            value = self._pymatgen(number, "X")
        return value

    def affinity(self, number):
        electronvolts = self._pymatgen(number, "Electron affinity")
        if electronvolts is None or number > LAST_MEASURED_AFFINITY:
            return None
        # Negative affinities are estimates for atoms without a stable anion: two digits.
        return plain(electronvolts * KJ_PER_MOL_PER_EV, 5 if electronvolts > 0 else 2)

    def ionization(self, number, order):
        energies = self._pymatgen(number, "Ionization energies") or []
        if number > LAST_MEASURED_IONIZATION or len(energies) < order or energies[order - 1] is None:
            return None
        return plain(energies[order - 1], 6)

    def ionic(self, number):
        """(radius in pm, ion text) of the Shannon radius for six-fold coordination of the
        element's most common ion."""
        symbol = self.symbol[number]
        shannon = self._pymatgen(number, "Shannon radii") or {}
        states = self._pymatgen(number, "Common oxidation states") or []
        if number > LAST_MEASURED_CONFIGURATION:
            return None, None
        negative = [state for state in states if state < 0]
        if symbol in PREFERRED_ION_CHARGE:
            ordered = [PREFERRED_ION_CHARGE[symbol]]
        elif symbol in ANION_FORMERS and negative:
            ordered = negative
        else:
            ordered = sorted(state for state in states if state > 0)
        for state in ordered:
            by_coordination = shannon.get(str(state))
            if not by_coordination:
                continue
            for coordination in COORDINATION_ORDER:
                if coordination not in by_coordination:
                    continue
                for spin in SPIN_ORDER:
                    radius = by_coordination[coordination].get(spin, {}).get("ionic_radius")
                    if radius is not None and radius > 0:
                        charge = (str(abs(state)) if abs(state) > 1 else "") + ("+" if state > 0 else "-")
                        return plain(radius * 100, 3), symbol + charge.translate(SUPERSCRIPTS)
        return None, None

    def valences(self, number):
        states = self._pymatgen(number, "Common oxidation states") or self._pymatgen(
            number, "Oxidation states")
        if not states or number > LAST_MEASURED_CONFIGURATION:
            return None
        return ",".join(str(state) for state in states)

    def bonding(self):
        return self._dataset("180-bonding", " ", [
            (Column("electron configuration", "", "pymatgen periodic_table.json (WebElements)",
                    "ground state, superscript digits, no blanks; left out above Lr (predictions)",
                    kind="text"), self.configuration),
            (Column("electronegativity", "Pauling", "bodr electronegativityPauling; pymatgen X "
                    "(WebElements) where bodr has none"), self.electronegativity),
            (Column("electron affinity", "kJ/mol", "pymatgen periodic_table.json (eV, NIST and "
                    "Hotop-Lineberger compilations) × 96.485",
                    "negative values are the published estimates for atoms without a stable "
                    "anion; left out above Rn (calculations only)"), self.affinity),
            (Column("atomic radius", "pm", "pymatgen periodic_table.json (Slater 1964, empirical), "
                    "× 100 from Å"),
             lambda n: None if leading_number(self._pymatgen(n, "Atomic radius")) is None
             else plain(leading_number(self._pymatgen(n, "Atomic radius")) * 100, 3)),
            (Column("first ionization energy", "eV", "pymatgen periodic_table.json (NIST Atomic "
                    "Spectra Database)", "left out above Lr (calculations only)"),
             lambda n: self.ionization(n, 1)),
            (Column("ionic radius", "pm", "pymatgen Shannon radii (Shannon 1976), six-fold "
                    "coordination where listed, of the most common ion"),
             lambda n: self.ionic(n)[0]),
            (Column("ion of the ionic radius", "", "as the ionic radius", "symbol and charge",
                    kind="text"), lambda n: self.ionic(n)[1]),
            (Column("valences", "", "pymatgen common oxidation states (Greenwood and Earnshaw); "
                    "curated/corrections.tsv", "common oxidation states, comma-separated; see "
                    "Valences below", kind="text"), self.valences),
            (Column("covalent radius", "pm", "python3-qcelemental: Cordero et al., Dalton Trans. "
                    "2008, 2832", "the radius drawn from most structures where several are given"),
             lambda n: None if self.symbol[n] not in self.s.covalent
             else plain(self.s.covalent[self.symbol[n]], 3)),
        ])

    # 174-bonding2 ----------------------------------------------------------------------------

    def bonding2(self):
        polarizability = _curated_values("polarizability.tsv", "polarizability_A3")
        specs = [(Column("electric dipole polarizability", "Å³",
                         "curated/polarizability.tsv (CRC Handbook, T. M. Miller)"),
                  lambda n: polarizability[n])]
        for order, word in ((2, "second"), (3, "third"), (4, "fourth")):
            specs.append((Column(f"{word} ionization energy", "eV",
                                 "pymatgen periodic_table.json (NIST Atomic Spectra Database)",
                                 "left out above Lr"), lambda n, o=order: self.ionization(n, o)))
        return self._dataset("174-bonding2", " ", specs)

    # 172-abundances --------------------------------------------------------------------------

    def abundances(self):
        table = curated.read_by_z("abundances.tsv")

        def value(key, divisor=1):
            def compute(number):
                text = table[number][key]
                return None if text == NUL else plain(Decimal(text) / divisor)
            return compute

        source = "curated/abundances.tsv"
        return self._dataset("172-abundances", " ", [
            (Column("crustal abundance", "%", source + " (CRC Handbook, mg/kg ÷ 10^4)"),
             value("crust_mg_per_kg", 10000)),
            (Column("atmosphere abundance", "%", source + " (dry air by volume, U.S. Standard "
                    "Atmosphere 1976; CO2 for carbon)", "only the constituents of dry air"),
             value("atmosphere_percent")),
            (Column("oceanic abundance", "mg/L", source + " (CRC Handbook)"), value("ocean_mg_per_L")),
            (Column("solar system abundance", "atoms per 10^6 Si atoms",
                    source + " (Anders and Grevesse 1989)"), value("solar_si_1e6")),
        ])

    # 179-isotope, 181-isotope2 ---------------------------------------------------------------

    def isotope(self):
        self.isotope_facts = IsotopeFacts(self.s.chemical)
        names = ("total isotopes", "stable isotopes", "unstable isotopes",
                 "naturally occurring radioactive isotopes")
        notes = ("known isotopes listed by chemical-elements (NIST)",
                 "isotopes with a natural abundance and no observed decay",
                 "total minus stable",
                 "radioactive isotopes of 181-isotope2; see Naturally occurring radioactive "
                 "isotopes below")
        specs = []
        for index, (name, note) in enumerate(zip(names, notes)):
            specs.append((Column(name, "count", "chemical-elements isotopes; curated/"
                                 "natural-radioactive.tsv; curated/trace-isotopes.tsv", note,
                                 required=ELEMENTS),
                          lambda n, i=index: self.isotope_facts.counts(n)[i]))
        return self._dataset("179-isotope", " ", specs)

    def isotope2(self):
        return Dataset("181-isotope2", "", [self._column("181-isotope2", 0, Column(
            "natural isotopes", "count, then mass number,abundance in %",
            "chemical-elements natural abundances (NIST, IUPAC isotopic compositions); "
            "curated/trace-isotopes.tsv for VS", "VS for isotopes found in trace amounts only",
            kind="isotopes", required=ELEMENTS), self.isotope_facts.line)])

    # 176-history, 185-names, 175-casNum --------------------------------------------------------

    def history(self):
        table = curated.read_by_z("history.tsv")
        return self._dataset("176-history", "\t", [
            (Column("year of discovery", "", "curated/history.tsv (bodr discoveryDate, "
                    "checked against the CRC Handbook)", "a year, or ancient", kind="year",
                    required=ELEMENTS), lambda n: table[n]["year"]),
            (Column("discoverer", "", "curated/history.tsv (bodr discoverers, full names)",
                    kind="text", required=range(0)), lambda n: table[n]["discoverer"]),
            (Column("place", "", "curated/history.tsv (bodr discoveryCountry, as a country name)",
                    "written after \" of \"", kind="text"), lambda n: table[n]["place"]),
        ])

    def names(self):
        table = curated.read_by_z("name-origins.tsv")
        return self._dataset("185-names", "\t", [
            (Column("name (unread)", "", "187-general names", kind="text", required=ELEMENTS),
             self.name),
            (Column("origin of the name", "", "curated/name-origins.tsv (bodr nameOrigin, reworded "
                    "as a sentence, corrected where the CRC Handbook differs)", kind="text",
                    required=ELEMENTS), lambda n: table[n]["origin"]),
        ])

    def cas(self):
        table = curated.read_by_z("cas.tsv")
        return Dataset("175-casNum", "", [self._column("175-casNum", 0, Column(
            "CAS registry number", "", "curated/cas.tsv (CAS Registry)", "check digits verified",
            kind="cas", required=ELEMENTS), lambda n: table[n]["cas"])])

    def all(self):
        datasets = [self.general(), self.british(), self.physical(), self.physical2(),
                    self.crystal(), self.crystal2(), self.bonding(), self.bonding2(),
                    self.abundances(), self.isotope(), self.isotope2(), self.history(),
                    self.names(), self.cas()]
        self._check_corrections_applied()
        return datasets


PERIOD_STARTS = (1, 3, 11, 19, 37, 55, 87)


def iupac_position(number):
    """(group, period) of an element: group "1" to "18", or "f" for La to Yb and Ac to No."""
    period = sum(1 for start in PERIOD_STARTS if number >= start)
    place = number - PERIOD_STARTS[period - 1] + 1
    if period == 1:
        group = 1 if number == 1 else 18
    elif period <= 3:
        group = place if place <= 2 else place + 10
    elif period <= 5:
        group = place
    elif place <= 2:
        group = place
    elif place <= 16:
        return "f", str(period)
    else:
        group = place - 14
    return str(group), str(period)


def _nearest_neighbour(word, a, c, alpha):
    if a is None:
        return None
    if word == "bcc":
        return a * math.sqrt(3) / 2
    if word == "fcc":
        return a / math.sqrt(2)
    if word == "diamond":
        return a * math.sqrt(3) / 4
    if word == "simple-cubic":
        return a
    if word == "hcp" and c is not None:
        return min(a, math.sqrt(a * a / 3 + c * c / 4))
    if word == "rhombohedral" and alpha is not None and alpha >= 60:
        # One atom per cell (mercury): the shortest lattice vector is the cell edge.
        return a
    return None
