#pragma once

#include "framework/widgets/MenuItem.h"

class QWidget;

// The framework's text editing for the Edit menu: undo, cut, copy, paste, clear (delete the
// selection) and select all, done on the text control that has the focus (a one-line or a
// multi-line edit field). A read-only field is only copied from and selected. False when no text
// control has the focus or the command is not a text editing one.
bool EditFocusedText(MenuCommand command);

// The text control that has the focus in the program's front window; nullptr when none has.
QWidget* FocusedTextControl();
