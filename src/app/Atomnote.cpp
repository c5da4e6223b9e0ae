#include "app/Atomnote.h"

#include <QPushButton>

#include "app/MenuBar1.h"
#include "data/BritishSpelling.h"
#include "data/ElementTables.h"
#include "framework/widgets/Window.h"
#include "install/Eject.h"
#include "prefs/PreferencesFile.h"
#include "ui/Window1.h"

Atomnote::~Atomnote() { delete ejectIpodMenu.data(); }

void Atomnote::Event_Open() {
  checkOSversion();
  buildBritishTranslationTable();
  loadPreferences();
  loadDatasets();
  if (App().globalMacOSVersion >= kFirstVersionWithEject) AddEjectMenuItem();
}

void Atomnote::AddEjectMenuItem() {
  delete ejectIpodMenu.data();
  auto* item = new MenuItem({.text = "Eject iPod", .shortcut = "E", .autoEnable = false}, nullptr);
  item->SetAction([] { ejectmenuitem().Event_Action(); });
  MenuBar1().Insert("FileMenu", 0, item);
  ejectIpodMenu = item;
}

void Atomnote::Event_Close() { savePreferences(); }

void Atomnote::Event_EnableMenuItems() {
  if (WindowCount() == 0) return;
  FileCloseWindow().setEnabled(true);
  if (App().globalMacOSVersion >= kFirstVersionWithEject && !ejectIpodMenu.isNull()) {
    ejectIpodMenu->setEnabled(Window1().PushButton1().isEnabled());
  }
}

void Atomnote::setDefaultPreferences() { ::setDefaultPreferences(); }

void Atomnote::loadPreferences() { ::loadPreferences(); }

void Atomnote::savePreferences() { ::savePreferences(); }
