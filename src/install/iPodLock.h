#pragma once

#include "framework/FileDescriptor.h"
#include "framework/FolderItem.h"

// An advisory lock on an iPod's Notes folder (flock), so that one install or removal at a time
// writes there, whichever installer runs it: a second installer, or a second copy of this one,
// finds it taken. It is held from the first write to the end of the writing, and let go when the
// object goes away (or the program ends, however it ends). The lock keeps the Notes folder open,
// which keeps the iPod from being unmounted: let go of it before ejecting.
class iPodLock {
 public:
  // Holds nothing.
  iPodLock() = default;
  ~iPodLock() { Release(); }
  iPodLock(iPodLock&& other) noexcept = default;
  iPodLock& operator=(iPodLock&& other) noexcept;

  // Takes the lock without waiting, on the Notes folder's own descriptor where it is held open.
  // Where the folder cannot be locked (it cannot be opened, or its file system keeps no locks),
  // nothing is held and nothing is in the way either.
  static iPodLock Take(const FolderItem& notes);

  // True when another install or removal holds the lock: nothing may be written.
  bool HeldElsewhere() const { return heldElsewhere_; }
  bool IsHeld() const { return folder_.IsOpen(); }
  // True when the Notes folder could not be opened at all (it is missing, a link, or has
  // something mounted on it).
  bool FolderUnreachable() const { return folderUnreachable_; }
  // Lets go of the lock, also while other descriptors of the folder stay open.
  void Release();

 private:
  FileDescriptor folder_;
  bool heldElsewhere_ = false;
  bool folderUnreachable_ = false;
};
