#include "framework/widgets/TextEditing.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextEdit>

#include "framework/widgets/Window.h"

namespace {

bool IsTextControl(const QWidget* widget) {
  return qobject_cast<const QLineEdit*>(widget) != nullptr ||
         qobject_cast<const QTextEdit*>(widget) != nullptr ||
         qobject_cast<const QPlainTextEdit*>(widget) != nullptr;
}

// Clear deletes only the selection: with none, the character after the cursor stays.
void RemoveSelection(QLineEdit& field) {
  if (field.hasSelectedText()) field.del();
}

template <typename Editor>
void RemoveSelection(Editor& editor) {
  QTextCursor cursor = editor.textCursor();
  cursor.removeSelectedText();
  editor.setTextCursor(cursor);
}

// QLineEdit, QTextEdit and QPlainTextEdit offer the same editing calls.
template <typename Editor>
bool EditText(Editor& editor, MenuCommand command) {
  const bool editable = !editor.isReadOnly();
  switch (command) {
    case MenuCommand::Undo:
      if (editable) editor.undo();
      return true;
    case MenuCommand::Cut:
      if (editable) editor.cut();
      return true;
    case MenuCommand::Copy:
      editor.copy();
      return true;
    case MenuCommand::Paste:
      if (editable) editor.paste();
      return true;
    case MenuCommand::Clear:
      if (editable) RemoveSelection(editor);
      return true;
    case MenuCommand::SelectAll:
      editor.selectAll();
      return true;
    case MenuCommand::None:
    case MenuCommand::Quit:
      break;
  }
  return false;
}

}  // namespace

QWidget* FocusedTextControl() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return nullptr;
  // The application's focus widget, else the one the front window keeps (a window that is not
  // active, as on a platform without window activation, still remembers its focus).
  if (QWidget* focused = QApplication::focusWidget(); IsTextControl(focused)) return focused;
  if (QWidget* front = FrontmostWindow()) {
    if (QWidget* focused = front->focusWidget(); IsTextControl(focused)) return focused;
  }
  return nullptr;
}

bool EditFocusedText(MenuCommand command) {
  QWidget* control = FocusedTextControl();
  if (auto* field = qobject_cast<QLineEdit*>(control)) return EditText(*field, command);
  if (auto* editor = qobject_cast<QTextEdit*>(control)) return EditText(*editor, command);
  if (auto* editor = qobject_cast<QPlainTextEdit*>(control)) return EditText(*editor, command);
  return false;
}
