#pragma once

#include <cstdint>
#include <string>

#include "framework/Arrays.h"
#include "framework/FolderItem.h"
#include "framework/TextOutputStream.h"
#include "framework/widgets/Window.h"

// The main window's installation methods: install, removal, the iPod scan and the note-text
// routines. They touch no field of the window other than three controls, reached by name:
// "PushButton1" (Install, a QPushButton), "PushButton2" (Remove, a QPushButton) and
// "ErrorStatic" (the status line, a QLabel). The main window creates those controls.
class InstallerWindow : public Window {
 public:
  using Window::Window;

  // The install driver: writes the notes tree into the Notes folder of the iPod found by the
  // last scan. Failures are handled inside.
  virtual void createFolders();
  // The last step of createFolders: starts the worker that writes the element notes into
  // elementFolder (the folder "e" of the notes root, whether or not it could be made) and
  // returns at once, keeping no reference to it. The element notes belong to a higher layer,
  // so this window starts nothing: the main window does, and without it an install ends with
  // the menu notes and the progress window open.
  virtual void StartElementNotes(const FolderItem& /*elementFolder*/) {}
  // Removes everything the installer wrote from that Notes folder; ends with a message.
  virtual void removeAtomnote();
  // Deletes the installer's fixed names found directly in root.
  void deleteOldFiles(const FolderItem& root);

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
};
