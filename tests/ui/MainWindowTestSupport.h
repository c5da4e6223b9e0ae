#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <vector>

#include "framework/AtomnoteState.h"
#include "framework/Timer.h"
#include "framework/widgets/Listbox.h"
#include "install/InstallTestSupport.h"
#include "prefs/PreferenceGlobals.h"
#include "prefs/PreferencesFile.h"
#include "support/FixtureVolume.h"
#include "support/TestSupport.h"
#include "support/widgets/WindowEvents.h"
#include "ui/Window1.h"
#include "ui/shadedListbox.h"

// Shared set-up of the main-window tests. The test program is built from the *_test.cpp files
// only, so these helpers live in this header.

// The preferences at their defaults as this version last wrote them (so the version rule leaves
// the dataset list alone) with the disk-use reminder off (without an iPod its sheet would come up
// over the window and take its input; the tests of the reminder switch it on), no volume mounted,
// every message box recorded. Each test builds its own window.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setDefaultPreferences();
    prefLastUsedVersion = "1.6.2";
    prefDiskUseReminder = false;
  }

  void TearDown() override {
    ResetPreferenceGlobals();
    App().disabledWIndow = false;
  }

  const ScopedVolumes noVolumes_{{}};
  ScopedRecordingSink messages_;
};

// Opens the window as the program does (its Open event runs) and waits until it takes input;
// false when it never could.
inline bool OpenAndWaitExposed(class Window1& window) {
  window.Show();
  return WaitExposed(window);
}

// Opens the window with no iPod in the scan's list and the scan stopped, and enables Install, so
// that an install started ends at once in its own error message; false when the window never
// took input.
inline bool OpenWithInstallEnabledAndNoiPod(class Window1& window) {
  if (!OpenAndWaitExposed(window)) return false;
  window.scanTimer().SetMode(Timer::kModeOff);
  SetScanList({});
  window.PushButton1().setEnabled(true);
  return true;
}

// The 37 dataset checkmarks of the window's list, row 0 first.
inline std::vector<bool> DatasetChecks(const class Window1& window) {
  std::vector<bool> checks;
  const shadedListbox& list = window.InstallList();
  for (int row = 0; row < list.ListCount(); ++row) checks.push_back(list.CellCheck(row, 0));
  return checks;
}

// Scrolls the list until the row is in view; the row's cell in the list's viewport.
inline QRect ShowRow(const class Window1& window, int row) {
  shadedListbox& list = window.InstallList();
  list.scrollToItem(list.item(row));
  return list.visualItemRect(list.item(row));
}

// A click on the check box of the row, brought into view first, as a person scrolls to it.
inline void ClickDatasetCheckbox(class Window1& window, int row) {
  ShowRow(window, row);
  const shadedListbox& list = window.InstallList();
  ClickAt(window, list.viewport()->mapTo(&window.ContentArea(), list.CellCheckboxRect(row).center()));
}
