#pragma once

#include <QPointer>

#include "framework/Application.h"
#include "framework/AtomnoteState.h"
#include "framework/widgets/MenuItem.h"

// The application object: brings the program up and down, keeps the menus' enabling and answers
// the application's menu commands.
class Atomnote : public Application {
 public:
  Atomnote() = default;
  // Takes the Eject item it added out of the menu bar, which outlives it.
  ~Atomnote() override;

  // Reads the system version once; below 10.3 says why and asks to quit.
  void checkOSversion();

  void setDefaultPreferences();
  void loadPreferences();
  void savePreferences();

  // Binds the names of the menu items the application handles to its menu actions.
  void _ApplicationAddMenuHandlers();

  // The menu actions; each returns false.
  bool _AppleAboutAtomnote_Action();
  bool _HelpAtomnoteHelp_Action();
  bool _HelpVisitHollowbrookWorksWebsite_Action();
  bool _HelpCheckForUpdates_Action();
  bool _FileCloseWindow_Action();
  bool _HelpSoftwareLicense_Action();

  // The "Eject iPod" item at the top of the File menu, from Mac OS X 10.4 on; null before.
  QPointer<MenuItem> ejectIpodMenu;

 protected:
  // Version check, spelling table, preferences, element tables and, from 10.4 on, the Eject
  // item, in that order.
  void Event_Open() override;
  // Writes the preferences file.
  void Event_Close() override;
  // While a window is open: Close Window enabled, Eject enabled exactly while the main window's
  // Install button is.
  void Event_EnableMenuItems() override;

 private:
  void AddEjectMenuItem();
};
