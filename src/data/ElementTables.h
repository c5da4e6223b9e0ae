#pragma once

#include <string>

#include "framework/Arrays.h"

// All element data, one array per dataset, indexed by element row (atomic number minus 1, rows
// 0 to 117) and column. Every cell is text; "nul" marks a missing value. Filled once at start by
// loadDatasets and only read afterwards.
inline constexpr int kElementRowUpperBound = 117;
inline constexpr int kElementRowCount = 118;
// The last element row that gets notes: atomic number 111. The rows after it get none.
inline constexpr int kLastElementRow = 110;
inline constexpr int kGlossaryTermCount = 65;

extern StringArray2D eGeneral;     // name, symbol, atomic weight, two unread columns
extern StringArray2D eBonding;     // configuration ... covalent radius
extern StringArray2D eBonding2;    // polarizability, 2nd to 4th ionization energy
extern StringArray2D eCrystal;     // density ... resistivity
extern StringArray2D eCrystal2;    // superconducting Tc, metal cluster code
extern StringArray2D eHistory;     // year, discoverer, place
extern StringArray2D ePhysical;    // class, state, unread, melting ... work function
extern StringArray2D ePhysical2;   // expansion coefficient, magnetic susceptibility or "FER"
extern StringArray2D eAbundances;  // crust, atmosphere, ocean, solar system
extern StringArray2D eIsotope;     // total, stable, unstable, natural radioactive
extern StringArray2D eIsotope2;    // count of natural isotopes, the whole line
extern StringArray eUses;
extern StringArray eOres;
extern StringArray2D eNames;   // unread, origin of the name
extern StringArray eSvensk;    // never filled
extern StringArray eFrancais;  // never filled
extern StringArray eBritish;
extern StringArray eColor;
extern StringArray eCAS;
extern StringArray2D eGlossary;  // rows 0 to 64: term, definition
extern StringArray eEnglish;
extern StringArray eTempLoadFile;  // scratch: the lines of the dataset being loaded

// Fills every table from the dataset texts of the resource file.
void loadDatasets();
// Leaves the lines of one dataset text in eTempLoadFile; an unknown key gives empty lines.
void selectDatasets(const std::string& key);
