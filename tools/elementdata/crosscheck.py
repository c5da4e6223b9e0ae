"""Compares the chosen values with a second source and lists the larger disagreements, so that
a reviewer sees where the sources differ. Nothing here changes the data."""

from numtext import NUL, leading_number
from tables import SHOWN


def _differs(a, b, relative):
    return a is not None and b is not None and abs(a - b) > relative * max(abs(a), abs(b), 1e-12)


def _compare(label, datasets, file_name, column_index, other, relative):
    column = datasets[file_name].columns[column_index]
    found = []
    for number in SHOWN:
        value = column.values[number]
        if value == NUL:
            continue
        second = other(number)
        if _differs(float(value), second, relative):
            found.append(f"{number}:{value}/{second:g}")
    return [f"cross-check {label} (> {relative:.0%}): {len(found)}" + (": " + ", ".join(found) if found else "")]


def cross_check(sources, datasets):
    bodr = sources.bodr
    symbol = sources.symbols

    def bodr_number(key):
        return lambda n: leading_number(bodr[n].get(key))

    def exabyte_number(key):
        def read(n):
            text = str(sources.exabyte[n].get(key, ""))
            return None if text.startswith(("(", "~")) else leading_number(text)
        return read

    def pymatgen_density(n):
        value = leading_number(sources.pymatgen[symbol[n]].get("Density of solid"))
        return value / 1000 if value else None

    report = []
    report += _compare("melting point vs bodr", datasets, "169-physical", 3, bodr_number("meltingpoint"), 0.03)
    report += _compare("boiling point vs bodr", datasets, "169-physical", 4, bodr_number("boilingpoint"), 0.03)
    report += _compare("heat of vaporization vs exabyte", datasets, "169-physical", 5,
                       exabyte_number("evaporation_heat_kJ_mol"), 0.10)
    report += _compare("heat of fusion vs exabyte", datasets, "169-physical", 6,
                       exabyte_number("fusion_heat_kJ_mol"), 0.10)
    report += _compare("specific heat vs exabyte", datasets, "169-physical", 7,
                       exabyte_number("specific_heat_J_g_mol"), 0.05)
    report += _compare("atomic weight vs chemical-elements", datasets, "187-general", 2,
                       lambda n: sources.chemical[n].get("mass"), 0.0005)
    report += _compare("first ionization energy vs bodr", datasets, "180-bonding", 4,
                       bodr_number("ionization"), 0.002)
    report += _compare("thermal conductivity vs exabyte", datasets, "178-crystal", 5,
                       exabyte_number("thermal_conductivity_25C_W_m_K"), 0.10)
    report += _compare("solid density vs pymatgen", datasets, "178-crystal", 0, pymatgen_density, 0.03)
    return report
