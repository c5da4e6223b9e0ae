#pragma once

#include <vector>

#include "framework/Picture.h"
#include "framework/Timer.h"
#include "framework/widgets/Window.h"
#include "install/InstallerWindow.h"
#include "ui/HelpButtonClass.h"

class Canvas;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class shadedListbox;

// The installer's main window: the dataset list, the install options, the spelling choice, the
// Install and Remove buttons, the status line, the product icon, a help button and two timers.
// It carries the installation methods (InstallerWindow). Its content area is 630 x 605 and fixed.
class Window1 : public Window, public InstallerWindow {
 public:
  static constexpr int kContentWidth = 630;
  static constexpr int kContentHeight = 605;

  Window1();

  // The controls, in creation order, each named like its control; the names are the controls'
  // names for lookups by name too.
  Canvas& iconCanvas() const;
  QPushButton& PushButton1() const;  // Install
  QComboBox& langPopup() const;
  QLabel& StaticText1() const;
  QLabel& StaticText3() const;
  QLabel& StaticText4() const;
  QLabel& StaticText11() const;
  QCheckBox& MonopolyCheckBox() const;
  QLabel& StaticText12() const;
  QFrame& Separator1() const;
  QFrame& Separator2() const;
  QPushButton& PushButton2() const;  // Remove
  QFrame& Separator3() const;
  QCheckBox& OmitCheckBox() const;
  QLabel& StaticText13() const;
  shadedListbox& InstallList() const;
  QPushButton& AllPushButton() const;
  QPushButton& NonePushButton() const;
  QCheckBox& GlossaryCheckBox() const;
  QLabel& GlossaryStaticText() const;
  QPushButton& PushButton4() const;  // Customize Units
  Canvas& blockingCanvas() const;    // the monopolize guard
  Timer& Timer1() const;
  QLabel& ErrorStatic() const;  // the status line
  Timer& scanTimer() const;
  QCheckBox& VisualCheckBox() const;
  QLabel& ImageWell2() const;  // the visual-table thumbnail
  QLabel& GlossaryStaticText1() const;
  HelpButtonClass& HelpCanvas() const;

  // The scan timer's period once the window is open.
  static constexpr int kScanPeriodMs = 2200;

  // The pictures the window draws as it is built and opened: the product icon's dim face and its
  // mask, and the periodic table the thumbnail is scaled from. Start-up decodes them ahead.
  static std::vector<Picture (*)()> PicturesDrawnAtOpen();

  // ---- control events ----
  // The product icon: dim at open and when the pointer leaves, bright while it is over it.
  void iconCanvas_Open();
  void iconCanvas_MouseEnter();
  void iconCanvas_MouseExit();
  bool iconCanvas_MouseDown(int x, int y);
  void iconCanvas_MouseUp(int x, int y);
  // Install: stores the dataset selection, runs the install driver, and quits only when quitASAP
  // was set meanwhile (nothing sets it), so it returns to the event loop with the worker about to
  // write the element notes.
  void PushButton1_Action();
  void PushButton2_Action();
  void langPopup_Change();
  void MonopolyCheckBox_Action();
  void OmitCheckBox_Action();
  void GlossaryCheckBox_Action();
  void VisualCheckBox_Action();
  void PushButton4_Action();
  // The monopolize guard takes the click; its release shows the caution and lowers the guard.
  bool blockingCanvas_MouseDown(int x, int y);
  void blockingCanvas_MouseUp(int x, int y);
  void Timer1_Action();
  void scanTimer_Action();
  // The Help menu's "Enable iPod Disk Use Help…".
  bool HelpEnableiPodDiskUseHelp_Action();

  // ---- the dataset list ----
  // Turns every row's cell into a check box.
  void InstallList_Open();
  // Tick, or untick, every row; the selection strings change at the next store.
  void AllPushButton_Action();
  void NonePushButton_Action();
  // The preference globals into the dataset checkmarks and the option controls.
  void applyPreferences();
  // The six selection strings from the dataset checkmarks: "1 " or "0 " per row of the group
  // that stores it (kDatasetGroups); every string ends with a blank.
  void storeDatasetPreferences();
  // Nothing; kept for the callers that may come.
  void readDatasetOptions() {}

  // Cleared before each install and tested after createFolders returns.
  bool quitASAP = false;

  // Starts the worker that writes the element notes into the e folder, holding the install's
  // lock on the iPod; it keeps itself alive until its run ends.
  void StartElementNotes(const FolderItem& elementFolder, iPodLock lock) override;

 protected:
  void SetStatusText(const std::string& text) override;
  void SetInstallEnabled(bool enabled) override;
  void SetRemoveEnabled(bool enabled) override;

  // The thumbnail, one scan with the scan timer off, the preferences into the controls, then a
  // scan every 2200 ms; last the disk-use reminder.
  void Event_Open() override;
  // Stores the dataset selection and asks the application to quit (which saves the preferences).
  void Event_Close() override;
  // Whether the window is active, for the help button's look.
  void Event_Activate() override;
  void Event_Deactivate() override;

 private:
  // The window's own properties: title and fixed size.
  void Layout();
  void ConnectHandlers();
  void AddMenuHandlers();
  void ConnectCanvasEvents();
  void ConnectButtonEvents();
  void ConnectOptionEvents();
  // The Open events of the controls that have one, run once all are connected.
  void OpenControls();

  void ShowIconFace(const Picture& face);
  void ShowThumbnail();
  void ShowMonopolizeCaution();
  bool MonopolizeGuardUp() const;
  void ApplyDatasetChecks();
  void ApplyOptionControls();
  // The disk-use help sheet when the first scan found no iPod and the reminder is on.
  void ShowDiskUseReminder();
};

// The main window's one instance, created with all its controls on the first call.
class Window1& Window1();
