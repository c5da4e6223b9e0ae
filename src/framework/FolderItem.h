#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/FileDescriptor.h"

class TextOutputStream;
class TextInputStream;
class FinderInfo;
class HeldFolder;

// A file or folder by path, as the framework's file item: it may name something that does not
// exist yet. A nil item names nothing; every operation on it (and passing it as a destination)
// raises NilObjectException. Failed operations set LastErrorCode.
//
// Mac type, creator and Finder flags live in the 32-byte Finder info block kept in the extended
// attribute "user.com.apple.FinderInfo". Where the file system keeps no extended attributes,
// setting them is skipped silently and reading them gives empty codes.
//
// An item made from a path is reached by that path. An item can also be reached through folders
// held open (Held, HeldVolumeRoot): then it is reached by its name from the descriptor of the
// folder that holds it, and so are its children and its parent up to the held top, so that no
// path is looked up twice and nothing can lead it elsewhere between a look and a change. Such an
// item never goes through a symbolic link (ELOOP, or ENOTDIR where a folder should be), stays on
// the mount of its top (another volume mounted inside the tree, or a folder bound there, fails
// like a link: EXDEV), and its attributes are read and set on its own descriptor. Its path is
// kept to name it. The parent of a held top is an item by path.
class FolderItem {
 public:
  FolderItem() = default;  // nil
  // The item at path, made absolute and lexically normal; an empty path gives a nil item.
  explicit FolderItem(std::filesystem::path path);

  // The root folder of a mounted volume, held open: opened once from its path and kept only when
  // it lies on the mount numbered mount (as MountOf gives it). Every change below it is made only
  // while its path still leads to that mount (ENODEV once the volume is gone from there). Nil
  // when the folder is no longer on that mount.
  static FolderItem HeldVolumeRoot(const FolderItem& root, std::uint64_t mount);
  // This item reached through its folder held open: the folder that holds it is opened once,
  // from the root of the file system one folder at a time and never through a link, and this
  // item and everything below it are reached from that descriptor, on that folder's mount. When
  // that folder cannot be so opened, every operation on the item fails. An item that is held
  // already is given back as it is.
  FolderItem Held() const;
  bool IsHeld() const { return held_ != nullptr; }
  // The same item by its path, holding no folder open.
  FolderItem ByPath() const { return IsNil() ? FolderItem() : FolderItem(*path_); }
  // For an item below a held volume root: whether that volume is still mounted where it was found.
  // True for every other item.
  bool VolumeStillMounted() const;

  bool IsNil() const { return !path_.has_value(); }

  // The item called name inside this folder, whether or not it exists. A "/" in the name is
  // stored as ":", as the Mac shows it in POSIX paths, so the child stays inside this folder;
  // "", "." and ".." name no child and give a nil item.
  FolderItem Child(const std::string& name) const;
  FolderItem Parent() const;  // nil for the root

  // True when something has this name, even a link whose target is missing.
  bool Exists() const;
  // True for a folder or a link to one; for a held item, a folder only.
  bool Directory() const;
  // True when the item is a symbolic link.
  bool IsLink() const;
  // The item's status (links not followed, the fields of MountIdentity asked for); 0 or the errno.
  int Status(struct statx& status) const;
  bool IsReadable() const;
  // For a missing item: whether its folder can take a new item.
  bool IsWriteable() const;

  // Invisible when the name starts with ".", when the Finder flags carry the invisible bit, or,
  // on FAT volumes, when the DOS hidden attribute is set.
  bool Visible() const;
  // Writes the Finder invisible bit and, on FAT volumes, the DOS hidden attribute.
  void SetVisible(bool visible) const;

  std::string Name() const;       // empty for the root
  std::string ShellPath() const;  // the POSIX path
  const std::filesystem::path& Path() const;

  // Creates the folder; false when it could not (LastErrorCode tells why).
  bool CreateAsFolder() const;
  // Creates or truncates the file; a nil stream when it could not be created. A link with this
  // name is never followed (ELOOP), and a pipe is refused rather than waited for.
  TextOutputStream CreateTextFile() const;
  // Opens the file for reading; a nil stream when it could not be opened or is not a plain file.
  TextInputStream OpenAsTextFile() const;

  // Four-character codes as UTF-8 text ("vølk"), stored in MacRoman; empty when the item has
  // none. Setting one keeps the rest of the Finder info; setting a missing item fails.
  std::string MacType() const;
  std::string MacCreator() const;
  void SetMacType(const std::string& code) const;
  void SetMacCreator(const std::string& code) const;

  // Copies this file into the destination folder (same name), or to the destination path when
  // it is not a folder, replacing a file there. A link at the destination is not followed: the
  // copy replaces the link itself. The copy keeps the permission bits and the Finder info. False
  // when it failed; a failed copy leaves the destination as it was.
  bool CopyFileTo(const FolderItem& destination) const;
  // Deletes the file or the empty folder. False when it failed.
  bool Delete() const;
  // Renames this file onto the destination, replacing it. False when it failed (also across
  // volumes). This item keeps naming the old path.
  bool MoveFileTo(const FolderItem& destination) const;
  // A new, empty, hidden file with a unique name beside this item, for writing a replacement
  // that is then moved onto it. Nil when it could not be made (LastErrorCode tells why).
  FolderItem CreateTemporarySibling() const;

  // Items of a folder, 1 to Count, sorted by the bytes of their names; links are not resolved.
  // The folder is read again on every call. Count is 0 and Item nil for what is not a folder;
  // Item outside 1 to Count is nil.
  int Count() const;
  FolderItem Item(int index) const;
  // All the items of the folder at once, in the order of Item; empty for what is not a folder.
  std::vector<FolderItem> Items() const;

  // A new read-only descriptor of this folder (never through a link), for a lock on it; for a
  // held folder, a copy of its own descriptor (sharing its locks). Not open, with LastErrorCode
  // set, when it cannot be opened.
  FileDescriptor OpenFolder() const;

  // errno of the last failed operation on this item, 0 after a success.
  int LastErrorCode() const { return lastErrorCode_; }

 private:
  FolderItem(std::filesystem::path path, std::shared_ptr<HeldFolder> held);

  const std::filesystem::path& Required() const;
  void ChangeFinderInfo(const std::function<void(FinderInfo&)>& change) const;
  FinderInfo ReadFinderInfo() const;
  // A held item's own descriptor (read-only, a folder too); not open, with LastErrorCode set,
  // when it cannot be had.
  FileDescriptor OpenHeld(bool forChange) const;
  std::vector<std::string> Names() const;
  // Whether the held item may be used as mode asks (access's R_OK, W_OK, X_OK).
  bool MayUseHeld(int mode) const;

  std::optional<std::filesystem::path> path_;
  // For a held item: the item as a folder of the held tree, the folder holding it its parent.
  std::shared_ptr<HeldFolder> held_;
  mutable int lastErrorCode_ = 0;
};

// The user's preferences folder: $XDG_CONFIG_HOME, else $HOME/.config (relative or empty values
// are ignored); created with the folders above it when missing. Nil when there is no home to
// put it in, or it is not a folder and cannot be made one.
FolderItem PreferencesFolder();
