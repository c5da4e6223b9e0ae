#pragma once

#include <QTimer>
#include <array>

#include "framework/widgets/Window.h"
#include "install/InstallerWindow.h"
#include "prefs/DatasetGroups.h"

class QLabel;
class QPushButton;

// The installer's main window. It holds the installation methods (from InstallerWindow) and,
// for now, the controls they touch: the Install and Remove buttons and the status line. Its full
// layout (dataset list, options, units) is added later.
class Window1 : public Window, public InstallerWindow {
 public:
  Window1();

  // The controls, in creation order.
  QPushButton& PushButton1() const;  // Install
  QPushButton& PushButton2() const;  // Remove
  QLabel& ErrorStatic() const;       // the status line

  // Scans for iPods on every tick (scanTimerAction). Created switched off; the window's Open
  // starts it, every 2200 ms.
  QTimer scanTimer;
  static constexpr int kScanPeriodMs = 2200;

  // The Install button's action: stores the dataset selection, runs the install driver, and
  // quits only when quitASAP was set meanwhile (nothing sets it), so it returns to the event
  // loop with the worker about to write the element notes.
  void PushButton1_Action();
  // Cleared before each install and tested after createFolders returns.
  bool quitASAP = false;

  // The six selection strings from the dataset checkmarks: "1 " or "0 " per row of the group
  // that stores it (kDatasetGroups); every string ends with a blank.
  void storeDatasetPreferences();

  // The checkmarks of the dataset rows, all set at design. They stand in for the dataset list's
  // checkboxes until the list itself is on the window, which then takes their place.
  std::array<bool, kDatasetRows> datasetChecks{};

  // Starts the worker that writes the element notes into the e folder, holding the install's
  // lock on the iPod; it keeps itself alive until its run ends.
  void StartElementNotes(const FolderItem& elementFolder, iPodLock lock) override;

 protected:
  void SetStatusText(const std::string& text) override;
  void SetInstallEnabled(bool enabled) override;
  void SetRemoveEnabled(bool enabled) override;

  // One scan at once, then one every 2200 ms.
  void Event_Open() override;
  // Stores the dataset selection and asks the application to quit (which saves the preferences).
  void Event_Close() override;

 private:
  void ConnectHandlers();
};

// The main window's one instance, created with all its controls on the first call.
class Window1& Window1();
