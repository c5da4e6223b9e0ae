#include "framework/widgets/MenuItem.h"

#include <QString>

QKeySequence ShortcutFor(const std::string& shortcut) {
  QString text = QString::fromStdString(shortcut);
  if (text.isEmpty()) return {};
  if (!text.contains('+')) text.prepend(QStringLiteral("Cmd+"));
  text.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"));
  return QKeySequence(text, QKeySequence::PortableText);
}

MenuItem::MenuItem(const MenuRow& row, QObject* parent)
    : QAction(parent), text_(row.text), autoEnable_(row.autoEnable), command_(row.command) {
  setObjectName(QString::fromStdString(row.name));
  // A separator shows no text: a style would draw it as a heading beside the line.
  setSeparator(row.text == "-");
  if (!isSeparator()) setText(QString::fromStdString(row.text));
  setShortcut(ShortcutFor(row.shortcut));
  // The program's menu bar serves every window, as a menu bar at the top of the screen would.
  setShortcutContext(Qt::ApplicationShortcut);
  // Menus are laid out as written: About stays where the table puts it, not in an application
  // menu of the platform.
  setMenuRole(QAction::NoRole);
  setEnabled(row.autoEnable);
}

std::string MenuItem::Name() const { return objectName().toStdString(); }

std::string MenuItem::Text() const { return isSeparator() ? text_ : text().toStdString(); }

bool MenuItem::Event_Action() {
  if (action_) action_();
  return false;
}
