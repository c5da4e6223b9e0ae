#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framework/Picture.h"

// A window's controls written as one table of rows, in the order they are created: that order is
// also the keyboard tab order, and a control made later lies above an earlier one where they
// overlap. Each row names its control, gives its kind, its place in the window's content area
// (left, top, width, height in pixels), its caption and the properties that differ from the
// defaults:
//
//   const ControlRow kControls[] = {
//       {"PushButton1", ControlKind::PushButton, 369, 565, 239, 20, "Install Atomnote on iPod",
//        {.isDefault = true, .enabled = false, .lockBottom = true}},
//       {"StaticText4", ControlKind::StaticText, 43, 31, 559, 32, "always installed: ...",
//        {.font = TextFont::SmallSystem, .multiline = true}},
//   };
//
// Window::CreateControls builds them and connects nothing, so building fires no handler; the
// window connects its handlers afterwards. A timer is a row too (no widget, no place): it counts
// from its creation in the mode and period of its row.

// The kinds of control and the Qt widget each is made as.
enum class ControlKind {
  PushButton,   // QPushButton
  CheckBox,     // QCheckBox
  StaticText,   // QLabel, plain text, drawn from the top; a CR in the caption breaks the line
  PopupMenu,    // QComboBox
  Canvas,       // Canvas (framework/widgets/Canvas.h)
  ImageWell,    // QLabel showing a picture, centred
  Separator,    // QFrame, a sunken line across its longer side
  GroupBox,     // QGroupBox
  EditField,    // QLineEdit, or QPlainTextEdit when multiline
  ProgressBar,  // QProgressBar without text
  ListBox,      // Listbox (framework/widgets/Listbox.h)
  HTMLViewer,   // QTextBrowser
  Timer,        // Timer (framework/Timer.h): no widget, so its place is unused
  Custom,       // made by the row's make function
};

// "System" is the application's font; "SmallSystem" a smaller one, as the small system font
// stands to the system font (11 to 13 points).
enum class TextFont { System, SmallSystem };
// Left, centred, right: the framework's alignments 0, 1 and 2.
enum class TextAlign { Left, Centre, Right };

// The properties a row may set; every other one keeps its default.
struct ControlProperties {
  TextFont font = TextFont::System;
  // The text's size in pixels, the unit of the places, so a text keeps to a control made for it
  // on a screen of any resolution; 0 is the font's standard size.
  int textSize = 0;
  bool bold = false;
  bool multiline = false;
  TextAlign align = TextAlign::Left;
  std::optional<std::uint32_t> textColour = {};  // 0xRRGGBB; the style's colour when none
  // A push button that Return and Enter press (isDefault), or Escape (isCancel), when the key
  // reaches the window: a control that takes the key itself, such as an open popup's list or a
  // multi-line edit field, keeps it from the button.
  bool isDefault = false;
  bool isCancel = false;
  bool enabled = true;
  bool visible = true;
  bool checked = false;                // a check box's value
  std::vector<std::string> rows = {};  // a popup menu's or a list's rows (a Custom list's too)
  int listIndex = -1;                  // the popup menu's selected row; -1 none
  int maximum = 0;                     // a progress bar's maximum; 0 none yet (it shows activity)
  bool readOnly = false;               // an edit field the person cannot change
  int mode = 2;                        // a timer's Mode: 0 off, 1 once, 2 repeating
  int period = 1000;                   // a timer's Period in milliseconds
  // A multiline edit field's scroll bars: shown always (true), never (false), or when its text
  // needs one (unset).
  std::optional<bool> scrollbarVertical = {};
  std::optional<bool> scrollbarHorizontal = {};
  Picture backdrop = {};  // a canvas's backdrop picture; none when nil
  // Each locked edge keeps its distance to the same edge of the window when the window is
  // resized; a control locked left and right (or top and bottom) stretches.
  bool lockLeft = false;
  bool lockTop = false;
  bool lockRight = false;
  bool lockBottom = false;
  // The name of an earlier control this one lies in (its place is then inside that control);
  // empty: the window's content area.
  std::string parent = {};
};

// Makes a control of a kind of the program's own, as a child of parent.
using ControlFactory = QWidget* (*)(QWidget* parent);

struct ControlRow {
  std::string name = {};
  ControlKind kind = ControlKind::Custom;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::string caption = {};  // a button's or label's text, an edit field's text; shown as written
  ControlProperties properties = {};
  ControlFactory make = nullptr;  // for ControlKind::Custom
};

// The font of a control with those properties.
QFont ControlFont(TextFont font, int textSize, bool bold);
