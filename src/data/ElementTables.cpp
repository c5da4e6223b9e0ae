#include "data/ElementTables.h"

// Every table with its fixed bounds, all cells empty until loadDatasets fills them.
StringArray2D eGeneral(kElementRowUpperBound, 4);
StringArray2D eBonding(kElementRowUpperBound, 8);
StringArray2D eBonding2(kElementRowUpperBound, 3);
StringArray2D eCrystal(kElementRowUpperBound, 6);
StringArray2D eCrystal2(kElementRowUpperBound, 1);
StringArray2D eHistory(kElementRowUpperBound, 2);
StringArray2D ePhysical(kElementRowUpperBound, 8);
StringArray2D ePhysical2(kElementRowUpperBound, 1);
StringArray2D eAbundances(kElementRowUpperBound, 3);
StringArray2D eIsotope(kElementRowUpperBound, 3);
StringArray2D eIsotope2(kElementRowUpperBound, 1);
StringArray eUses(kElementRowUpperBound);
StringArray eOres(kElementRowUpperBound);
StringArray2D eNames(kElementRowUpperBound, 1);
StringArray eSvensk(kElementRowUpperBound);
StringArray eFrancais(kElementRowUpperBound);
StringArray eBritish(kElementRowUpperBound);
StringArray eColor(kElementRowUpperBound);
StringArray eCAS(kElementRowUpperBound);
StringArray2D eGlossary(100, 1);
StringArray eEnglish(kElementRowUpperBound);
StringArray eTempLoadFile(kElementRowCount);  // row 118 is never written
