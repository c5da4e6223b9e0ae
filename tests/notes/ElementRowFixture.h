#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>

#include "data/ElementTables.h"
#include "notes/NoteLines.h"
#include "prefs/PreferenceGlobals.h"

// One element row of the tables, every cell the line groups read set to the missing value "nul"
// and the atomic weight to iron's; the preference globals at their start values (every selection
// string empty, every unit choice 0, blanks not omitted). The tables and globals are put back
// afterwards.
class ElementRowTest : public ::testing::Test {
 protected:
  static constexpr int kRow = 25;

  void SetUp() override {
    ResetPreferenceGlobals();
    for (StringArray2D* table :
         {&eGeneral, &ePhysical, &ePhysical2, &eCrystal, &eCrystal2, &eBonding, &eBonding2, &eAbundances}) {
      for (int column = 0; column <= table->Ubound(2); ++column) (*table)(kRow, column) = "nul";
    }
    eCAS(kRow) = "nul";
    eGeneral(kRow, 2) = "55.845";
  }

  void TearDown() override {
    eGeneral = savedGeneral_;
    ePhysical = savedPhysical_;
    ePhysical2 = savedPhysical2_;
    eCrystal = savedCrystal_;
    eCrystal2 = savedCrystal2_;
    eBonding = savedBonding_;
    eBonding2 = savedBonding2_;
    eAbundances = savedAbundances_;
    eCAS = savedCAS_;
    ResetPreferenceGlobals();
  }

 private:
  StringArray2D savedGeneral_ = eGeneral;
  StringArray2D savedPhysical_ = ePhysical;
  StringArray2D savedPhysical2_ = ePhysical2;
  StringArray2D savedCrystal_ = eCrystal;
  StringArray2D savedCrystal2_ = eCrystal2;
  StringArray2D savedBonding_ = eBonding;
  StringArray2D savedBonding2_ = eBonding2;
  StringArray2D savedAbundances_ = eAbundances;
  StringArray savedCAS_ = eCAS;
};

// Note texts that each end their line.
inline NoteLines WholeLines(std::initializer_list<std::string> texts) {
  NoteLines lines;
  for (const std::string& text : texts) lines.push_back({text, true});
  return lines;
}

// Failure messages show a text with its line end, CRs visible.
inline void PrintTo(const NoteText& piece, std::ostream* out) {
  std::string shown;
  for (char c : piece.text) shown += c == '\r' ? std::string("<CR>") : std::string(1, c);
  *out << '"' << shown << '"' << (piece.endsLine ? " + line end" : " (line continues)");
}
