#pragma once

#include <filesystem>
#include <optional>
#include <string>

class TextOutputStream;
class TextInputStream;

// A file or folder by path, as the framework's file item: it may name something that does not
// exist yet. A nil item names nothing; every operation on it raises NilObjectException.
//
// Mac type, creator and Finder flags live in the 32-byte Finder info block kept in the extended
// attribute "user.com.apple.FinderInfo". Where the file system keeps no extended attributes,
// setting them is skipped silently and reading them gives empty codes.
class FolderItem {
 public:
  FolderItem() = default;  // nil
  explicit FolderItem(std::filesystem::path path);

  bool IsNil() const { return !path_.has_value(); }

  FolderItem Child(const std::string& name) const;
  FolderItem Parent() const;  // nil for the root

  bool Exists() const;
  bool Directory() const;
  bool IsReadable() const;
  bool IsWriteable() const;

  // Invisible when the name starts with ".", when the Finder flags carry the invisible bit, or,
  // on FAT volumes, when the DOS hidden attribute is set.
  bool Visible() const;
  void SetVisible(bool visible) const;  // writes the Finder invisible bit

  std::string Name() const;
  std::string ShellPath() const;  // the POSIX path
  const std::filesystem::path& Path() const;

  // Creates the folder; false when it could not (LastErrorCode tells why).
  bool CreateAsFolder() const;
  // Creates or truncates the file; a nil stream when it could not be created.
  TextOutputStream CreateTextFile() const;
  // Opens the file for reading; a nil stream when it could not be opened.
  TextInputStream OpenAsTextFile() const;

  // Four-character codes as UTF-8 text ("vølk"), stored in MacRoman.
  std::string MacType() const;
  std::string MacCreator() const;
  void SetMacType(const std::string& code) const;
  void SetMacCreator(const std::string& code) const;

  // Copies this file into the destination folder (same name), or to the destination path when
  // it is not a folder. False when it failed.
  bool CopyFileTo(const FolderItem& destination) const;
  // Deletes the file or the empty folder. False when it failed.
  bool Delete() const;
  // Renames this file onto the destination, replacing it. False when it failed.
  bool MoveFileTo(const FolderItem& destination) const;

  // Items of a folder, 1 to Count, sorted by name; links are not resolved.
  int Count() const;
  FolderItem Item(int index) const;

  // errno of the last failed operation on this item, 0 after a success.
  int LastErrorCode() const { return lastErrorCode_; }

 private:
  const std::filesystem::path& Required() const;

  std::optional<std::filesystem::path> path_;
  mutable int lastErrorCode_ = 0;
};

// The user's preferences folder: $XDG_CONFIG_HOME, else ~/.config; created when missing. Nil
// when there is no home to put it in or it cannot be made a folder.
FolderItem PreferencesFolder();
