#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "framework/FileDescriptor.h"
#include "framework/MountIdentity.h"

// A folder held open by its descriptor, so that what is made, changed or deleted in it is reached
// from that descriptor by name and never again by a path, which another program could by then
// have made lead elsewhere.
//
// A tree of held folders starts at a top, opened once from its path. Every folder below it is
// opened from its parent's descriptor, the first time something in it is needed, and then stays
// open while anything below it is in use. A folder is never opened through a symbolic link (a
// link where a folder should be fails it with ENOTDIR), and is looked at once, on its descriptor,
// to be on the top's mount: a volume mounted there, or a folder bound there, fails it (EXDEV).
// What the tree makes and deletes stays on the top's mount in the same way. (A folder of the same
// file system bound there is told from the tree by its mount's number, which Linux gives from
// 5.8 on; before that only another file system is.)
//
// The program's threads are cooperative, so a held folder is used by one of them at a time.
class HeldFolder {
 public:
  // The top of a tree that is the root of a mounted volume: path opened as it is (how the system
  // reaches the volume is not looked at, but a link there is refused), and kept only when it lies
  // on the mount numbered mount (MountIdentity::Number); it need not be the mount's own root, so
  // that a folder laid out as a volume can stand for one. From then on every change made in the
  // tree first asks whether path still leads to that mount, so that nothing is made or deleted
  // on a volume that was pulled out (ENODEV). Null, with error set, when path is no such folder.
  static std::shared_ptr<HeldFolder> VolumeRoot(const std::filesystem::path& path, std::uint64_t mount,
                                                int& error);
  // The top of a tree that is a folder anywhere: opened from the root of the file system one
  // folder at a time, never through a link. When that cannot be done, the top keeps the reason,
  // and everything in the tree fails with it.
  static std::shared_ptr<HeldFolder> WithoutLinks(const std::filesystem::path& path);
  // The folder called name inside parent, opened when it is first needed.
  static std::shared_ptr<HeldFolder> Inside(std::shared_ptr<HeldFolder> parent, std::string name);

  // The folder that holds this one; null for the top.
  const std::shared_ptr<HeldFolder>& Parent() const { return parent_; }
  // The name in the parent; for the top, the last part of its path.
  const std::string& Name() const { return name_; }

  // The folder's descriptor, opened now when it is not open yet; -1, with error set, when it
  // cannot be opened (missing, a link, not a folder, on another mount).
  int Descriptor(int& error) const;

  // What the item called name directly in this folder is, links not followed; 0 or the errno.
  int Look(const std::string& name, struct statx& status) const;
  // Whether what status tells of lies on the tree's mount, with nothing mounted on it.
  bool IsOnTheVolume(const struct statx& status) const;
  // 0 while the tree's volume is still mounted where its top was opened (always for a tree that
  // is not a volume's), else ENODEV.
  int VolumeStillMounted() const;

  // Makes the folder called name; 0 or the errno.
  int MakeFolder(const std::string& name) const;
  // The plain file called name opened for writing, made when missing and emptied when it has
  // content; it is never opened through a link (ELOOP), never a pipe, device or folder (EINVAL,
  // EISDIR), never on another mount (EXDEV), and what is there is emptied only once it
  // has been found to be such a file. Not open, with error set, when it could not be had.
  FileDescriptor CreateFile(const std::string& name, int& error) const;
  // A new plain file with a unique hidden name in this folder, for a replacement that is then
  // renamed over an item; its name goes to name.
  FileDescriptor CreateTemporaryFile(std::string& name, int& error) const;
  // The item called name opened read-only (a folder too), never through a link and only on the
  // tree's mount, to read or set its attributes; with forChange, only while the volume is still
  // mounted. Opening never waits for a pipe.
  FileDescriptor OpenItem(const std::string& name, bool forChange, int& error) const;
  // Deletes the file, link or empty folder called name, never what a link points to; something
  // on another mount, or mounted there, is not deleted (EXDEV). 0 or the errno.
  int Remove(const std::string& name) const;
  // Renames the item called from onto the name to of folder, replacing what is there; 0 or the
  // errno.
  int Rename(const std::string& from, const HeldFolder& folder, const std::string& to) const;
  // The names in the folder, sorted by their bytes; empty, with error set, when it cannot be read.
  std::vector<std::string> Names(int& error) const;

 private:
  struct Volume;
  HeldFolder(std::shared_ptr<const Volume> volume, std::shared_ptr<HeldFolder> parent, std::string name);

  int OpenFromParent() const;
  // 0 when status tells of a plain file on the tree's mount, else why not (ELOOP, EISDIR, EINVAL,
  // EXDEV).
  int PlainFileOnTheVolume(const struct statx& status) const;
  // The same for a file or a folder.
  int FileOrFolderOnTheVolume(const struct statx& status) const;
  // The item called name, looked at already and found to pass check, opened with flags and
  // checked again on its descriptor (opened gets its status); not open, with error set, when it
  // could not be opened or no longer passes.
  using Check = int (HeldFolder::*)(const struct statx& status) const;
  FileDescriptor OpenLookedAt(const std::string& name, int flags, Check check, struct statx& opened,
                              int& error) const;

  std::shared_ptr<const Volume> volume_;
  std::shared_ptr<HeldFolder> parent_;
  std::string name_;
  mutable FileDescriptor fd_;
  // Why a top could not be opened.
  int failure_ = 0;
};
