#pragma once

#include "framework/widgets/Sheet.h"

class QComboBox;
class QLabel;
class QPushButton;

// The "Customize Units" sheet: one popup of units per quantity the element notes can state in
// more than one unit, preset from prefUnits; "Save" writes the 17 choices back to prefUnits,
// "Cancel" drops them. It has one instance at a time, reached through customizeSheet(); closing
// ends it, and the next use builds a fresh one that reads prefUnits again.
class customizeSheet : public Sheet {
 public:
  customizeSheet();

  // Sets every popup from prefUnits. A stored value outside a popup's rows (only a hand-edited
  // preferences file holds one) shows the unit the element notes use for it, so what the sheet
  // shows, and what Save writes back, is what the notes print.
  void displayUnits();
  // Sets prefUnits from every popup, all 17 entries, changed or not.
  void storeUnits();

  // The popup of prefUnits index i (0 to 16).
  QComboBox& UnitPopup(int i) const;

  // The controls, in creation order.
  QLabel& StaticText1() const;
  QLabel& StaticText2() const;
  QLabel& StaticText3() const;
  QLabel& StaticText4() const;
  QLabel& StaticText5() const;
  QLabel& StaticText6() const;
  QLabel& StaticText7() const;
  QLabel& StaticText8() const;
  QLabel& StaticText9() const;
  QLabel& StaticText10() const;
  QLabel& StaticText11() const;
  QLabel& StaticText12() const;
  QLabel& StaticText13() const;
  QLabel& StaticText14() const;
  QLabel& StaticText15() const;
  QLabel& StaticText16() const;
  QLabel& StaticText17() const;
  QComboBox& massPopup() const;
  QComboBox& meltPopup() const;
  QComboBox& boilPopup() const;
  QComboBox& hVapPopup() const;
  QComboBox& hFusPopup() const;
  QComboBox& SpecHeatPopup() const;
  QComboBox& photoPopup() const;
  QComboBox& atRadPopup() const;
  QComboBox& covRadPopup() const;
  QComboBox& ionRadPopup() const;
  QComboBox& EAPopup() const;
  QComboBox& ionEPopup() const;
  QComboBox& densityPopup() const;
  QComboBox& superTPopup() const;
  QComboBox& latticePopup() const;
  QComboBox& neighborPopup() const;
  QComboBox& thermalPopup() const;
  QPushButton& PushButton1() const;  // Save
  QPushButton& PushButton2() const;  // Cancel
  QLabel& StaticText18() const;      // the note

  // "Save" (Return): stores the choices and closes the sheet.
  void PushButton1_Action();
  // "Cancel" (Escape): closes the sheet; prefUnits keeps its values.
  void PushButton2_Action();

 protected:
  // Shows the stored choices.
  void Event_Open() override;

 private:
  void ConnectHandlers();
};

// The one instance, built on first use and again after every close; not shown.
class customizeSheet& customizeSheet();
// True while an instance exists.
bool customizeSheetExists();
