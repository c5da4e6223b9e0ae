"""Readers for the public sources that tools/elementdata/fetch-sources.sh installs.

Every reader takes the data from where its package installs it and returns plain Python values;
nothing here imports the packages themselves, so the generator runs on any Python 3.
"""

import ast
import json
import os
import re
import subprocess
import xml.etree.ElementTree as ElementTree

from errors import DataError

BODR_DIR = "/usr/share/bodr"
DIST_PACKAGES = "/usr/lib/python3/dist-packages"
NPM_CACHE = os.environ.get("ATOMNOTE_SOURCES", "/var/cache/atomnote-sources")

CML = "{http://www.xml-cml.org/schema}"


def _require(path):
    if not os.path.exists(path):
        raise DataError(f"missing source {path}: run tools/elementdata/fetch-sources.sh first")
    return path


def bodr_elements():
    """bodr elements.xml: Z -> {dictRef without "bo:": text}, plus "errorValue" of the mass."""
    root = ElementTree.parse(_require(os.path.join(BODR_DIR, "elements.xml"))).getroot()
    elements = {}
    for atom in root.iter(CML + "atom"):
        fields = {}
        for item in atom:
            reference = item.get("dictRef", "")
            if reference.startswith("bo:"):
                fields[reference[3:]] = item.get("value") or (item.text or "").strip()
                if reference == "bo:mass" and item.get("errorValue"):
                    fields["massError"] = item.get("errorValue")
        number = int(fields.get("atomicNumber", "0"))
        if number:
            elements[number] = fields
    return elements


def bodr_crystals():
    """bodr crystalstructures.xml: symbol -> {"spaceGroup", "a", "b", "c" (pm), "alpha", ...}."""
    root = ElementTree.parse(_require(os.path.join(BODR_DIR, "crystalstructures.xml"))).getroot()
    crystals = {}
    for molecule in root.iter(CML + "molecule"):
        crystal = molecule.find(CML + "crystal")
        atoms = molecule.find(CML + "atomArray")
        if crystal is None or atoms is None or len(atoms) != 1:
            continue
        values = {scalar.get("title"): float(scalar.text) for scalar in crystal.findall(CML + "scalar")}
        values["spaceGroup"] = int(crystal.find(CML + "symmetry").get("spaceGroup"))
        crystals[atoms[0].get("elementType")] = values
    return crystals


def _module_tree(relative_path):
    with open(_require(os.path.join(DIST_PACKAGES, relative_path)), encoding="utf-8") as source:
        return ast.parse(source.read())


def _assigned_value(tree, name):
    for node in tree.body:
        if isinstance(node, ast.Assign) and any(
            isinstance(target, ast.Name) and target.id == name for target in node.targets
        ):
            return node.value
    raise DataError(f"source module has no {name}")


def periodictable_densities():
    """python3-periodictable density.py: symbol -> (density in g/cm3 or None, caveat text)."""
    call = _assigned_value(_module_tree("periodictable/density.py"), "element_densities")
    densities = {}
    for keyword in call.keywords:
        value = ast.literal_eval(keyword.value)
        if isinstance(value, tuple):
            densities[keyword.arg] = (value[0], value[1])
        else:
            densities[keyword.arg] = (value, "")
    return densities


def periodictable_crystals():
    """python3-periodictable crystal_structure.py: a list indexed by Z of dicts or None."""
    node = _assigned_value(_module_tree("periodictable/crystal_structure.py"), "crystal_structures")
    return ast.literal_eval(node)


def periodictable_isotopes():
    """python3-periodictable mass.py: Z -> {mass number: abundance in %} of natural isotopes."""
    node = _assigned_value(_module_tree("periodictable/mass.py"), "massdata")
    isotopes = {}
    for line in ast.literal_eval(node).splitlines():
        parts = line.split(",")
        if len(parts) < 3 or not parts[2]:
            continue
        number, _, mass_number = parts[0].split("-")
        abundance = float(parts[2].split("(")[0])
        isotopes.setdefault(int(number), {})[int(mass_number)] = abundance
    return isotopes


def pymatgen_elements():
    """python3-pymatgen core/periodic_table.json: symbol -> property dict."""
    with open(_require(os.path.join(DIST_PACKAGES, "pymatgen/core/periodic_table.json")),
              encoding="utf-8") as source:
        return json.load(source)


def covalent_radii():
    """python3-qcelemental's transcription of Cordero et al. 2008: symbol -> radius in pm.

    Where the paper gives several radii (carbon by hybridisation, Mn, Fe and Co by spin state),
    the one drawn from the most structures is taken.
    """
    node = _assigned_value(_module_tree("qcelemental/data/alvarez_2008_covalent_radii.py"),
                           "alvarez_2008_covalent_radii")
    entries = ast.literal_eval(node)["covalent_radii"]
    best = {}
    for label, radius, note in entries:
        symbol = label.split("_")[0]
        match = re.search(r"n=([\d ]+)", note)
        count = int(match.group(1).replace(" ", "")) if match else 0
        if symbol not in best or count > best[symbol][1]:
            best[symbol] = (float(radius) * 100, count)
    return {symbol: radius for symbol, (radius, _) in best.items()}


def _node_json(script):
    try:
        result = subprocess.run(["node", "--input-type=module", "-e", script], check=True,
                                capture_output=True, text=True)
    except (OSError, subprocess.CalledProcessError) as error:
        raise DataError(f"node could not read an npm source ({error}): run fetch-sources.sh") from None
    return json.loads(result.stdout)


def _npm_path(relative_path):
    return _require(os.path.join(NPM_CACHE, "node_modules", relative_path))


def matterviz_elements():
    """matterviz dist/element/data.js: Z -> element dict."""
    path = _npm_path("matterviz/dist/element/data.js")
    data = _node_json(f"import d from {json.dumps(path)}; console.log(JSON.stringify(d));")
    return {element["number"]: element for element in data}


def chemical_elements():
    """chemical-elements elementsAndIsotopes: Z -> {"name", "symbol", "isotopes": [...]}."""
    path = _npm_path("chemical-elements/lib/src/elementsAndIsotopes.js")
    script = (f"import {{createRequire}} from 'module'; const r = createRequire(import.meta.url);"
              f"console.log(JSON.stringify(r({json.dumps(path)}).elementsAndIsotopes));")
    return {element["number"]: element for element in _node_json(script)}


def exabyte_elements():
    """@exabyte-io/periodic-table.js periodic-table.json: Z -> element dict."""
    with open(_npm_path("@exabyte-io/periodic-table.js/periodic-table.json"), encoding="utf-8") as source:
        data = json.load(source)
    return {element["atomic_number"]: element for element in data.values()}


class Sources:
    """Every source, read once."""

    def __init__(self):
        self.bodr = bodr_elements()
        self.bodr_crystals = bodr_crystals()
        self.pt_densities = periodictable_densities()
        self.pt_crystals = periodictable_crystals()
        self.pt_isotopes = periodictable_isotopes()
        self.pymatgen = pymatgen_elements()
        self.covalent = covalent_radii()
        self.matterviz = matterviz_elements()
        self.chemical = chemical_elements()
        self.exabyte = exabyte_elements()
        self.symbols = {number: self.chemical[number]["symbol"] for number in range(1, 119)}
