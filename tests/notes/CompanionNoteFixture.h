#pragma once

#include <string>

#include "data/ElementTables.h"
#include "framework/Random.h"
#include "notes/ElementRowFixture.h"
#include "notes/threadClass.h"

// The element row of ElementRowTest as iron ("iron", "Fe"), with the tables of the companion
// notes put back afterwards too, and the pseudo-random generator put back if a test replaced
// its draw.
class CompanionNoteTest : public ElementRowTest {
 protected:
  static constexpr int kAtomicNumber = kRow + 1;

  void SetUp() override {
    ElementRowTest::SetUp();
    eGeneral(kRow, 0) = "iron";
    eGeneral(kRow, 1) = "Fe";
  }

  void TearDown() override {
    SetRandomForTesting(nullptr);
    eHistory = savedHistory_;
    eNames = savedNames_;
    eUses = savedUses_;
    eOres = savedOres_;
    eIsotope = savedIsotope_;
    eIsotope2 = savedIsotope2_;
    ElementRowTest::TearDown();
  }

  threadClass worker_;

 private:
  StringArray2D savedHistory_ = eHistory;
  StringArray2D savedNames_ = eNames;
  StringArray savedUses_ = eUses;
  StringArray savedOres_ = eOres;
  StringArray2D savedIsotope_ = eIsotope;
  StringArray2D savedIsotope2_ = eIsotope2;
};

// A note text with its CRs shown, for failure messages.
inline std::string ShowBreaks(const std::string& text) {
  std::string shown;
  for (char c : text) {
    if (c == '\r') {
      shown += "<CR>";
    } else if (c == '\n') {
      shown += "<LF>";
    } else {
      shown += c;
    }
  }
  return shown;
}
