#pragma once

#include "framework/widgets/Sheet.h"

class Canvas;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// The "Install Help" sheet: how to enable disk use on an iPod in iTunes, with a picture of where
// the option lies in the iTunes version the person picks, and a check box that switches the
// reminder at start off. It has one instance at a time, reached through Window2(); closing ends
// it, and the next use builds a fresh one from the design values.
class Window2 : public Sheet {
 public:
  Window2();

  // The controls, in creation order.
  Canvas& Canvas1() const;           // the picture
  QLabel& StaticText1() const;       // the help text
  QPushButton& PushButton1() const;  // Continue
  QCheckBox& CheckBox1() const;      // the reminder
  QPushButton& PushButton2() const;  // Cancel, hidden and disabled
  QComboBox& PopupMenu1() const;     // the iTunes version

  // "Continue" (Return) closes the sheet.
  void PushButton1_Action();
  // Every change of the check box: checked switches the reminder off, unchecked on.
  void CheckBox1_Action();
  // "Cancel" closes the sheet; the button is never shown, so it never acts.
  void PushButton2_Action();
  // Moves the picture to the left edge for the picked version, then shows that version's
  // picture; no row picked changes nothing.
  void PopupMenu1_Change();

 protected:
  // Opens on the iTunes 7 or 8 picture, as the popup's design row.
  void Event_Open() override;

 private:
  void ConnectHandlers();
};

// The one instance, built on first use and again after every close; not shown.
class Window2& Window2();
// True while an instance exists.
bool Window2Exists();
