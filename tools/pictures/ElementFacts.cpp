#include "ElementFacts.h"

#include <charconv>
#include <stdexcept>

#include "data/ElementTables.h"

namespace {

int WholeNumber(const std::string& cell, const char* what, int row) {
  int value = 0;
  const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
  if (error != std::errc() || end != cell.data() + cell.size()) {
    throw std::runtime_error(std::string(what) + " of element " + std::to_string(row + 1) + " is \"" + cell +
                             "\", not a number");
  }
  return value;
}

// The general table stores "f" as the group of the lanthanides and actinides.
int GroupOf(int row) {
  const std::string& cell = eGeneral(row, 3);
  return cell == "f" ? 0 : WholeNumber(cell, "the group", row);
}

}  // namespace

std::vector<ElementFact> ShippedElements() {
  loadDatasets();
  std::vector<ElementFact> elements;
  for (int row = 0; row <= kElementRowUpperBound; ++row) {
    ElementFact element;
    element.number = row + 1;
    element.symbol = eGeneral(row, 1);
    element.group = GroupOf(row);
    element.period = WholeNumber(eGeneral(row, 4), "the period", row);
    element.elementClass = ePhysical(row, 0);
    element.state = ePhysical(row, 1);
    element.electronegativity = eBonding(row, 1);
    element.atomicWeight = eGeneral(row, 2);
    elements.push_back(element);
  }
  return elements;
}
