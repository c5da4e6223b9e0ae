#pragma once

#include <string>
#include <vector>

// What the visual tables show of one element, as the element data the program ships gives it.
struct ElementFact {
  int number = 0;  // atomic number
  std::string symbol;
  int group = 0;                  // 1 to 18; 0 for the lanthanides and actinides of the f rows
  int period = 0;                 // 1 to 7
  std::string elementClass;       // "m" metal, "s" semimetal, "n" nonmetal, "nul" not known
  std::string state;              // at 298 K: "solid", "liquid", "gas", or "nul" when not known
  std::string electronegativity;  // Pauling scale, as stored, or "nul"
  std::string atomicWeight;       // g/mol, as stored; a whole number is a mass number
};

// Atomic numbers 1 to 118, from the element tables that loadDatasets fills from the program's
// own data texts. Throws std::runtime_error when a group or period cell is not a number.
std::vector<ElementFact> ShippedElements();
