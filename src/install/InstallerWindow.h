#pragma once

#include <cstdint>
#include <string>

#include "framework/Arrays.h"
#include "framework/FolderItem.h"
#include "framework/TextOutputStream.h"
#include "install/iPodLock.h"

// The main window's installation methods: install, removal, the iPod scan and the note-text
// routines. They need no window code: the only controls they touch are the main window's status
// line ("ErrorStatic") and its Install and Remove buttons ("PushButton1", "PushButton2"), set
// through the three typed methods below, which the main window implements. The progress of an
// install or a removal goes to the progress display.
class InstallerWindow {
 public:
  InstallerWindow() = default;
  virtual ~InstallerWindow() = default;
  InstallerWindow(const InstallerWindow&) = delete;
  InstallerWindow& operator=(const InstallerWindow&) = delete;

  // The install driver: writes the notes tree into the Notes folder of the iPod found by the
  // last scan. Failures are handled inside.
  virtual void createFolders();
  // The last step of createFolders: starts the worker that writes the element notes into
  // elementFolder (the folder "e" of the notes root, whether or not it could be made) and
  // returns at once, keeping no reference to it. The worker takes over the install's lock on the
  // iPod and lets go of it when its writing is done. The element notes belong to a higher
  // layer, so this window starts nothing (and lets go of the lock at once): the main window
  // does, and without it an install ends with the menu notes and the progress window open.
  virtual void StartElementNotes(const FolderItem& /*elementFolder*/, iPodLock /*lock*/) {}
  // Removes everything the installer wrote from that Notes folder; ends with a message.
  virtual void removeAtomnote();
  // Deletes the installer's fixed names found directly in root; true when none is left.
  bool deleteOldFiles(const FolderItem& root);

  // Runs one scan, then sets the status line and the Install and Remove buttons.
  void scanTimerAction();
  // Lets the person pick the iPod by hand; nil when cancelled or not an iPod.
  FolderItem getiPodLocation();

  // A member line of a group or period note: an absolute link to the element's note.
  std::string deepReferencer(int32_t atomicNumber, const StringArray& names) const;
  std::string formatAtNumber(const std::string& name, int32_t n) const;
  std::string deepMenuReference() const;

  void uniWriteLn(const std::string& text, TextOutputStream& stream) const;
  void uniWrite(const std::string& text, TextOutputStream& stream) const;

 protected:
  // The status line's text ("ErrorStatic") and whether the Install ("PushButton1") and Remove
  // ("PushButton2") buttons take clicks. Without the main window (tests, benchmarks, the eject
  // helper's scan) there are no such controls, and nothing is set.
  virtual void SetStatusText(const std::string& /*text*/) {}
  virtual void SetInstallEnabled(bool /*enabled*/) {}
  virtual void SetRemoveEnabled(bool /*enabled*/) {}
};
