#include "framework/FolderItem.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <vector>

#include "framework/DosAttributes.h"
#include "framework/Exceptions.h"
#include "framework/FileCopy.h"
#include "framework/FinderInfo.h"
#include "framework/TextInputStream.h"
#include "framework/TextOutputStream.h"

namespace fs = std::filesystem;

namespace {

// The absolute, lexically normal form of path, without a trailing separator (except for the
// root), so that Name and Parent see the item itself.
fs::path ItemPath(const fs::path& path) {
  std::error_code ignored;
  fs::path absolute = fs::absolute(path, ignored);
  if (absolute.empty()) absolute = path;
  absolute = absolute.lexically_normal();
  if (!absolute.has_filename() && absolute != absolute.root_path()) absolute = absolute.parent_path();
  return absolute;
}

// A name that stands for one item inside a folder. "/" is how the Mac writes ":" in a name, so
// it becomes ":" here, as it does in the Mac's own POSIX paths.
std::optional<std::string> ChildName(const std::string& name) {
  if (name.empty() || name == "." || name == ".." || name.find('\0') != std::string::npos) {
    return std::nullopt;
  }
  std::string onDisk = name;
  std::replace(onDisk.begin(), onDisk.end(), '/', ':');
  return onDisk;
}

bool IsFolder(const fs::path& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// A folder itself, not a link to one.
bool IsFolderNotLink(const fs::path& path, struct stat& status) {
  return ::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Whether folder is the top of its volume: what holds it (found through "..", which never passes
// a link) lies on another device. The top of the file system is one too. Nothing when that
// cannot be told.
std::optional<bool> IsTopOfVolume(const fs::path& folder, const struct stat& status) {
  if (folder == folder.root_path()) return true;
  struct stat above {};
  if (::stat((folder / "..").c_str(), &above) != 0) return std::nullopt;
  return above.st_dev != status.st_dev;
}

// The names in a folder, sorted by their bytes.
std::vector<std::string> EntryNames(const fs::path& folder, int& error) {
  std::vector<std::string> names;
  std::error_code failure;
  for (fs::directory_iterator entry(folder, failure), end; !failure && entry != end;
       entry.increment(failure)) {
    names.push_back(entry->path().filename().string());
  }
  error = failure.value();
  if (failure) names.clear();
  std::sort(names.begin(), names.end());
  return names;
}

int ErrorOf(int result) { return result == 0 ? 0 : errno; }

}  // namespace

FolderItem::FolderItem(std::filesystem::path path) {
  if (!path.empty()) path_ = ItemPath(path);
}

const std::filesystem::path& FolderItem::Required() const {
  if (!path_) throw NilObjectException("nil FolderItem");
  return *path_;
}

const std::filesystem::path& FolderItem::Path() const { return Required(); }

FolderItem FolderItem::Child(const std::string& name) const {
  const fs::path& folder = Required();
  const std::optional<std::string> onDisk = ChildName(name);
  if (!onDisk) return FolderItem();
  return FolderItem(folder / *onDisk);
}

FolderItem FolderItem::Parent() const {
  const fs::path& path = Required();
  if (path == path.root_path()) return FolderItem();
  return FolderItem(path.parent_path());
}

bool FolderItem::Exists() const {
  struct stat status {};
  return ::lstat(Required().c_str(), &status) == 0;
}

bool FolderItem::Directory() const { return IsFolder(Required()); }

bool FolderItem::IsFolderReachedWithoutLinks() const {
  fs::path folder = Required();
  struct stat status {};
  if (!IsFolderNotLink(folder, status)) return false;
  for (;;) {
    const std::optional<bool> top = IsTopOfVolume(folder, status);
    if (!top) return false;
    if (*top) return true;
    folder = folder.parent_path();
    if (!IsFolderNotLink(folder, status)) return false;
  }
}

bool FolderItem::IsReadable() const { return ::access(Required().c_str(), R_OK) == 0; }

bool FolderItem::IsWriteable() const {
  const fs::path& path = Required();
  if (::access(path.c_str(), W_OK) == 0) return true;
  if (errno != ENOENT) return false;
  // A missing item can be written when its folder can take new items.
  const fs::path folder = path.parent_path();
  return IsFolder(folder) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool FolderItem::Visible() const {
  const fs::path& path = Required();
  if (Name().starts_with('.')) return false;
  if (FinderInfo::Read(path).Flags() & FinderInfo::kInvisibleFlag) return false;
  return !DosHidden(path);
}

void FolderItem::SetVisible(bool visible) const {
  const fs::path& path = Required();
  if (!Exists()) {
    lastErrorCode_ = errno;
    return;
  }
  FinderInfo info = FinderInfo::Read(path);
  const std::uint16_t flags = info.Flags();
  info.SetFlags(visible ? flags & ~FinderInfo::kInvisibleFlag : flags | FinderInfo::kInvisibleFlag);
  lastErrorCode_ = info.Flags() == flags ? 0 : info.Write(path);
  SetDosHidden(path, !visible);
}

std::string FolderItem::Name() const { return Required().filename().string(); }

std::string FolderItem::ShellPath() const { return Required().string(); }

bool FolderItem::CreateAsFolder() const {
  lastErrorCode_ = ErrorOf(::mkdir(Required().c_str(), 0777));
  return lastErrorCode_ == 0;
}

TextOutputStream FolderItem::CreateTextFile() const {
  TextOutputStream stream = TextOutputStream::Create(ShellPath());
  lastErrorCode_ = stream.IsNil() ? errno : 0;
  return stream;
}

TextInputStream FolderItem::OpenAsTextFile() const {
  TextInputStream stream = TextInputStream::Open(ShellPath());
  lastErrorCode_ = stream.IsNil() ? errno : 0;
  return stream;
}

std::string FolderItem::MacType() const { return FinderInfo::Read(Required()).FileType(); }

std::string FolderItem::MacCreator() const { return FinderInfo::Read(Required()).Creator(); }

void FolderItem::SetMacType(const std::string& code) const {
  ChangeFinderInfo([&code](FinderInfo& info) { info.SetFileType(code); });
}

void FolderItem::SetMacCreator(const std::string& code) const {
  ChangeFinderInfo([&code](FinderInfo& info) { info.SetCreator(code); });
}

void FolderItem::ChangeFinderInfo(const std::function<void(FinderInfo&)>& change) const {
  const fs::path& path = Required();
  if (!Exists()) {
    lastErrorCode_ = errno;
    return;
  }
  const FinderInfo before = FinderInfo::Read(path);
  FinderInfo after = before;
  change(after);
  lastErrorCode_ = after == before ? 0 : after.Write(path);
}

bool FolderItem::CopyFileTo(const FolderItem& destination) const {
  const fs::path& source = Required();
  const fs::path& to = destination.Required();
  struct stat status {};
  const fs::path target = IsFolderNotLink(to, status) ? to / source.filename() : to;
  lastErrorCode_ = CopyFileReplacing(source, target);
  return lastErrorCode_ == 0;
}

bool FolderItem::Delete() const {
  const fs::path& path = Required();
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) {
    lastErrorCode_ = errno;
    return false;
  }
  lastErrorCode_ = ErrorOf(S_ISDIR(status.st_mode) ? ::rmdir(path.c_str()) : ::unlink(path.c_str()));
  return lastErrorCode_ == 0;
}

bool FolderItem::MoveFileTo(const FolderItem& destination) const {
  const fs::path& source = Required();
  lastErrorCode_ = ErrorOf(std::rename(source.c_str(), destination.Required().c_str()));
  return lastErrorCode_ == 0;
}

FolderItem FolderItem::CreateTemporarySibling() const {
  std::string temporaryPath;
  FileDescriptor file = CreateTemporaryBeside(Required(), temporaryPath);
  lastErrorCode_ = file.IsOpen() ? file.Close() : errno;
  return lastErrorCode_ == 0 ? FolderItem(temporaryPath) : FolderItem();
}

int FolderItem::Count() const { return static_cast<int>(EntryNames(Required(), lastErrorCode_).size()); }

FolderItem FolderItem::Item(int index) const {
  const fs::path& folder = Required();
  const std::vector<std::string> names = EntryNames(folder, lastErrorCode_);
  if (index < 1 || static_cast<std::size_t>(index) > names.size()) return FolderItem();
  return FolderItem(folder / names[static_cast<std::size_t>(index) - 1]);
}
