#pragma once

#include <QAction>
#include <QKeySequence>
#include <functional>
#include <string>

// What the framework itself does for a menu item that nothing else handles: quit the program, or
// edit the text control that has the focus.
enum class MenuCommand { None, Quit, Undo, Cut, Copy, Paste, Clear, SelectAll };

// One row of a menu bar's table: the menu it is in (empty for a menu of the bar itself), its name,
// its text ("-" a separator; "&" marks the following letter as the access key), its keyboard
// shortcut as written ("Cmd+W", or a bare letter meaning the command key with it), whether the
// framework enables it by itself, and the framework's command for it.
struct MenuRow {
  std::string menu = {};
  std::string name = {};
  std::string text = {};
  std::string shortcut = {};
  bool autoEnable = true;
  MenuCommand command = MenuCommand::None;
};

// A menu item: a Qt action whose object name is the item's name. Its shortcut works in every
// window of the program that is not kept from input by a modal one.
class MenuItem : public QAction {
 public:
  MenuItem(const MenuRow& row, QObject* parent);

  std::string Name() const;
  // The text as given, access-key mark included ("-" for a separator).
  std::string Text() const;
  // AutoEnable true: the framework enables the item whenever it brings the menus' enabling up to
  // date; false: it is disabled then, unless an EnableMenuItems event enables it.
  bool AutoEnable() const { return autoEnable_; }
  MenuCommand Command() const { return command_; }

  // The item's own action, run first when the item is chosen.
  void SetAction(std::function<void()> action) { action_ = std::move(action); }
  // Runs the item's own action; false, so the choice goes on to the menu handlers.
  bool Event_Action();

 private:
  std::string text_;
  bool autoEnable_;
  MenuCommand command_;
  std::function<void()> action_;
};

// The key sequence of a shortcut as a menu row writes it: the command key is this platform's
// Control key, and a bare letter means the command key with that letter. Empty: no shortcut.
QKeySequence ShortcutFor(const std::string& shortcut);
