#include "app/MenuBar1.h"

#include <QPointer>
#include <string>

#include "framework/Exceptions.h"

namespace {

// clang-format off
const MenuRow kMenus[] = {
    // menu         name                                  text                                         shortcut  autoEnable command
    {"",           "FileMenu",                           "&File"},
    {"FileMenu",   "FileCloseWindow",                    "&Close Window",                             "Cmd+W",  false},
    {"FileMenu",   "FileQuit",                           "Quit Atomnote Installer",                   "Cmd+Q",  true, MenuCommand::Quit},
    {"",           "EditMenu",                           "&Edit"},
    {"EditMenu",   "EditUndo",                           "&Undo",                                     "Cmd+Z",  true, MenuCommand::Undo},
    {"EditMenu",   "UntitledMenu2",                      "-"},
    {"EditMenu",   "EditCut",                            "Cu&t",                                      "Cmd+X",  true, MenuCommand::Cut},
    {"EditMenu",   "EditCopy",                           "&Copy",                                     "Cmd+C",  true, MenuCommand::Copy},
    {"EditMenu",   "EditPaste",                          "&Paste",                                    "Cmd+V",  true, MenuCommand::Paste},
    {"EditMenu",   "EditClear",                          "C&lear",                                    "",       true, MenuCommand::Clear},
    {"EditMenu",   "UntitledMenu1",                      "-"},
    {"EditMenu",   "EditSelectAll",                      "Select &All",                               "Cmd+A",  true, MenuCommand::SelectAll},
    {"",           "HelpMenu",                           "&Help"},
    {"HelpMenu",   "HelpAtomnoteHelp",                   "Atomnote Installer &Help\u2026"},
    {"HelpMenu",   "HelpEnableiPodDiskUseHelp\u2026",    "Enable iPod Disk Use Help\u2026"},
    {"HelpMenu",   "HelpSoftwareLicense",                "Software License\u2026"},
    {"HelpMenu",   "UntitledMenu0",                      "-"},
    {"HelpMenu",   "HelpVisitHollowbrookWorksWebsite",   "&Visit Hollowbrook Works' Website\u2026"},
    {"HelpMenu",   "HelpCheckForUpdates",                "&Check For Updates\u2026"},
    // Where a desktop without an application menu puts it: last in Help, after a separator.
    {"HelpMenu",   "HelpAboutSeparator",                 "-"},
    {"HelpMenu",   "AppleAboutAtomnote",                 "&About Atomnote Installer\u2026"},
};
// clang-format on

QAction& ItemNamed(const std::string& name) {
  QAction* item = MenuBar1().Item(name);
  if (item == nullptr) throw NilObjectException("no menu item named " + name);
  return *item;
}

}  // namespace

MenuBar1::MenuBar1() : MenuBar(kMenus) { setObjectName(QStringLiteral("MenuBar1")); }

class MenuBar1& MenuBar1() {
  static QPointer<class MenuBar1> instance;
  if (instance.isNull()) instance = new class MenuBar1();
  return *instance;
}

QAction& FileMenu() { return ItemNamed("FileMenu"); }

QAction& FileCloseWindow() { return ItemNamed("FileCloseWindow"); }

QAction& EditSelectAll() { return ItemNamed("EditSelectAll"); }
