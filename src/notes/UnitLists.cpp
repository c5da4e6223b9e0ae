#include "notes/UnitLists.h"

#include <string>

#include "framework/TextFunctions.h"

namespace {

// Joules per electronvolt, atoms per mole, calories, kilojoules and megajoules per electronvolt.
constexpr double q = 1.6021e-19;
constexpr double N = 6.02214199e+23;
constexpr double c = 3.8291108986615676e-20;
constexpr double kq = 1.6021e-22;
constexpr double mq = 1.6021e-25;

// Electronvolts per atom of a molar energy in kJ/mol.
constexpr double PerAtom(double v) { return v * 1000 / q / N; }

constexpr UnitEntry Cell(std::string_view unitText) { return {UnitNumber::kCell, nullptr, {}, unitText}; }
constexpr UnitEntry Plain(UnitFormula formula, std::string_view unitText) {
  return {UnitNumber::kStr, formula, {}, unitText};
}
constexpr UnitEntry Masked(UnitFormula formula, std::string_view mask, std::string_view unitText) {
  return {UnitNumber::kMasked, formula, mask, unitText};
}
constexpr UnitEntry PerGram(UnitFormula formula, std::string_view mask, std::string_view unitText) {
  return {UnitNumber::kMasked, formula, mask, unitText, true};
}

// Every formula is evaluated left to right as written: the order decides the last digit.

constexpr UnitEntry kTemperature[] = {
    Cell(" K"),
    Masked([](double v, double) { return v - 273.15; }, "-#.0#", "˚C"),
    Masked([](double v, double) { return 1.8 * (v - 273.15) + 32; }, "-#.0#", "˚F"),
    Masked([](double v, double) { return 0.8 * v - 218.52; }, "-#.0#", "˚R"),
    Masked([](double v, double) { return 1.8 * (v - 273.15) + 491.67; }, "-#.0#", "Rk"),
};

constexpr UnitEntry kMolarEnergy[] = {
    Masked([](double v, double) { return PerAtom(v); }, "#.###", " eV"),
    Masked([](double v, double) { return PerAtom(v) * c; }, "#.##e", " cal"),
    Masked([](double v, double) { return PerAtom(v) * q; }, "#.##e", " J"),
    Masked([](double v, double) { return PerAtom(v) * kq; }, "#.##e", " kJ"),
    Masked([](double v, double) { return PerAtom(v) * mq; }, "#.##e", " MJ"),
    Masked([](double v, double) { return PerAtom(v) * N; }, "#.##e", " eV/mol"),
    Masked([](double v, double) { return v * 1000 / 4.184; }, "#.##", " cal/mol"),
    Masked([](double v, double) { return v * 1000; }, "#.##", " J/mol"),
    Cell(" kJ/mol"),
    Masked([](double v, double) { return PerAtom(v) * mq * N; }, "#.####", " MJ/mol"),
    PerGram([](double v, double m) { return PerAtom(v) * N / m; }, "#.##e", " eV/g"),
    PerGram([](double v, double m) { return v * 1000 / 4.184 / m; }, "#.##", " cal/g"),
    PerGram([](double v, double m) { return v * 1000 / m; }, "#.##", " J/g"),
    PerGram([](double v, double m) { return v / m; }, "#.##", " kJ/g"),
    PerGram([](double v, double m) { return PerAtom(v) * mq * N / m; }, "#.####", " MJ/g"),
};

constexpr UnitEntry kSpecificHeat[] = {
    Masked([](double v, double m) { return v * m / 1000; }, "#.##e", " kJ/mol K"),
    Masked([](double v, double) { return v / 1000; }, "#.##e", " kJ/g K"),
    Masked([](double v, double m) { return v * m; }, "#.##", " J/mol K"),
    Cell(" J/g K"),
    Masked([](double v, double m) { return v / 4.184 * m; }, "#.##", " cal/mol K"),
    Masked([](double v, double) { return v / 4.184; }, "#.##", " cal/g K"),
};

constexpr UnitEntry kWorkFunction[] = {
    Cell(" eV"),
    Masked([](double v, double) { return v * c; }, "#.#e", " cal"),
    Masked([](double v, double) { return v * q; }, "#.#e", " J"),
    Masked([](double v, double) { return v * kq; }, "#.#e", " kJ"),
};

constexpr UnitEntry kDensity[] = {
    Cell(" g/cm³"),
    Masked([](double v, double) { return v / 1000; }, "#.##e", " kg/cm³"),
    Masked([](double v, double) { return v * 1000000; }, "#.##e", " g/m³"),
    Plain([](double v, double) { return v * 1000; }, " kg/m³"),
};

constexpr UnitEntry kThermalConductivity[] = {
    Cell(" W/mK"),
    Plain([](double v, double) { return v / 100; }, " W/cmK"),
};

constexpr UnitEntry kLength[] = {
    Plain([](double v, double) { return v / 10; }, " nm"),
    Cell(" Å"),
    Plain([](double v, double) { return v * 100; }, " pm"),
    Masked([](double v, double) { return v / 1e8; }, "#.#e", " cm"),
    Masked([](double v, double) { return v / 1e10; }, "#.#e", " m"),
};

constexpr UnitEntry kRadius[] = {
    Plain([](double v, double) { return v / 1000; }, " nm"),
    Plain([](double v, double) { return v / 100; }, " Å"),
    Cell(" pm"),
    Masked([](double v, double) { return v / 1e10; }, "#.##e", " cm"),
    Masked([](double v, double) { return v / 1e12; }, "#.##e", " m"),
};

// Same units and order as the molar energy units, but from electronvolts per atom.
constexpr UnitEntry kIonizationEnergy[] = {
    Masked([](double v, double) { return v; }, "#.###", " eV"),
    Masked([](double v, double) { return v * c; }, "#.##e", " cal"),
    Masked([](double v, double) { return v * q; }, "#.##e", " J"),
    Masked([](double v, double) { return v * kq; }, "#.##e", " kJ"),
    Masked([](double v, double) { return v * mq; }, "#.##e", " MJ"),
    Masked([](double v, double) { return v * N; }, "#.##e", " eV/mol"),
    Masked([](double v, double) { return v * c * N; }, "#.##e", " cal/mol"),
    Masked([](double v, double) { return v * q * N; }, "#.##e", " J/mol"),
    Masked([](double v, double) { return v * kq * N; }, "#.##", " kJ/mol"),
    Masked([](double v, double) { return v * mq * N; }, "#.####", " MJ/mol"),
    PerGram([](double v, double m) { return v * N / m; }, "#.##e", " eV/g"),
    PerGram([](double v, double m) { return v * c * N / m; }, "#.#", " cal/g"),
    PerGram([](double v, double m) { return v * q * N / m; }, "#.#", " J/g"),
    PerGram([](double v, double m) { return v * kq * N / m; }, "#.##", " kJ/g"),
    PerGram([](double v, double m) { return v * mq * N / m; }, "#.####", " MJ/g"),
};

const UnitEntry& EntryAt(const UnitList& list, int unitIndex) {
  bool listed = unitIndex >= 0 && static_cast<std::size_t>(unitIndex) < list.entries.size();
  return list.entries[listed ? static_cast<std::size_t>(unitIndex) : list.storedUnitEntry];
}

std::string MaskOf(const UnitList& list, const UnitEntry& entry) {
  std::string mask(list.signedMasks ? "-" : "");
  mask += entry.mask;
  return mask;
}

std::string NumberText(const UnitList& list, const UnitEntry& entry, const std::string& cell,
                       const std::string& atomicWeightText) {
  if (entry.number == UnitNumber::kCell) return cell;
  double m = Val(atomicWeightText);
  if (entry.perGram && m == 0) return "--";
  double x = entry.formula(Val(cell), m);
  if (entry.number == UnitNumber::kStr) return Str(x);
  return Format(x, MaskOf(list, entry));
}

}  // namespace

const UnitList kTemperatureUnits{kTemperature, 0};
const UnitList kMolarEnergyUnits{kMolarEnergy, 8};
const UnitList kElectronAffinityUnits{kMolarEnergy, 8, true};
const UnitList kSpecificHeatUnits{kSpecificHeat, 3};
const UnitList kWorkFunctionUnits{kWorkFunction, 0};
const UnitList kDensityUnits{kDensity, 0};
const UnitList kThermalConductivityUnits{kThermalConductivity, 0};
const UnitList kLengthUnits{kLength, 1};
const UnitList kRadiusUnits{kRadius, 2};
const UnitList kIonizationEnergyUnits{kIonizationEnergy, 0};

std::string ValueText(const UnitList& list, const std::string& cell, int unitIndex,
                      const std::string& atomicWeightText) {
  const UnitEntry& entry = EntryAt(list, unitIndex);
  return NumberText(list, entry, cell, atomicWeightText) + std::string(entry.unitText);
}
