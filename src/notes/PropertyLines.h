#pragma once

#include "notes/NoteLines.h"

// The optional property lines of one element note (row = atomic number - 1), for the selection
// strings, omit-blanks choice and units of the preference globals, in token order.

// prefPhysical tokens 1-8: melting and boiling point, heats, specific heat, work function,
// expansion coefficient, magnetic susceptibility.
NoteLines PhysicalPropertyLines(int row);
// prefCrystal tokens 1-9: density ... lattice parameters.
NoteLines CrystalPropertyLines(int row);
// prefBonding tokens 1-13: configuration, radii, atomic volume, electronegativity, electron
// affinity, ionization energies, polarizability, valences.
NoteLines BondingPropertyLines(int row);
// prefAbundances tokens 1-4: crust, ocean, atmosphere, solar system.
NoteLines AbundanceLines(int row);
// prefMisc token 1: the CAS registry number.
NoteLines CASLines(int row);
