#include "framework/FolderItem.h"

#include <fcntl.h>
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
#include "framework/HeldFolder.h"
#include "framework/MountIdentity.h"
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

// Where a held item is: the held folder that holds it and its name there. Null for the top of the
// tree, which is reached through its own descriptor.
const HeldFolder* HoldingFolder(const HeldFolder& item) { return item.Parent().get(); }

}  // namespace

FolderItem::FolderItem(std::filesystem::path path) {
  if (!path.empty()) path_ = ItemPath(path);
}

FolderItem::FolderItem(std::filesystem::path path, std::shared_ptr<HeldFolder> held)
    : path_(std::move(path)), held_(std::move(held)) {}

FolderItem FolderItem::HeldVolumeRoot(const FolderItem& root, std::uint64_t mount) {
  int error = 0;
  std::shared_ptr<HeldFolder> top = HeldFolder::VolumeRoot(root.Required(), mount, error);
  if (!top) return FolderItem();
  return FolderItem(root.Required(), std::move(top));
}

FolderItem FolderItem::Held() const {
  const fs::path& path = Required();
  if (held_) return *this;
  if (path == path.root_path()) return FolderItem(path, HeldFolder::WithoutLinks(path));
  return FolderItem(path, HeldFolder::Inside(HeldFolder::WithoutLinks(path.parent_path()), Name()));
}

bool FolderItem::VolumeStillMounted() const {
  Required();
  return !held_ || held_->VolumeStillMounted() == 0;
}

int FolderItem::Status(struct statx& status) const {
  const fs::path& path = Required();
  if (!held_) return StatusOf(AT_FDCWD, path.c_str(), status);
  if (const HeldFolder* folder = HoldingFolder(*held_)) return folder->Look(held_->Name(), status);
  int error = 0;
  const int top = held_->Descriptor(error);
  return top < 0 ? error : StatusOf(top, status);
}

FileDescriptor FolderItem::OpenHeld(bool forChange) const {
  int error = 0;
  FileDescriptor fd;
  if (const HeldFolder* folder = HoldingFolder(*held_)) {
    fd = folder->OpenItem(held_->Name(), forChange, error);
  } else if (const int top = held_->Descriptor(error); top >= 0) {
    fd = FileDescriptor(::fcntl(top, F_DUPFD_CLOEXEC, 0));
    if (!fd.IsOpen()) error = errno;
  }
  lastErrorCode_ = error;
  return fd;
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
  if (held_) return FolderItem(folder / *onDisk, HeldFolder::Inside(held_, *onDisk));
  return FolderItem(folder / *onDisk);
}

FolderItem FolderItem::Parent() const {
  const fs::path& path = Required();
  if (path == path.root_path()) return FolderItem();
  if (held_ && held_->Parent()) return FolderItem(path.parent_path(), held_->Parent());
  return FolderItem(path.parent_path());
}

bool FolderItem::Exists() const {
  struct statx status {};
  lastErrorCode_ = Status(status);
  return lastErrorCode_ == 0;
}

bool FolderItem::Directory() const {
  if (!held_) return IsFolder(Required());
  struct statx status {};
  return Status(status) == 0 && S_ISDIR(status.stx_mode);
}

bool FolderItem::IsLink() const {
  struct statx status {};
  return Status(status) == 0 && S_ISLNK(status.stx_mode);
}

namespace {

// Whether the item called name in folder may be used as mode asks (access's R_OK, W_OK, ...); a
// link is not followed.
bool MayUse(int folder, const char* name, int mode) {
  return ::faccessat(folder, name, mode, AT_SYMLINK_NOFOLLOW) == 0;
}

}  // namespace

bool FolderItem::IsReadable() const {
  if (!held_) return ::access(Required().c_str(), R_OK) == 0;
  return MayUseHeld(R_OK);
}

bool FolderItem::IsWriteable() const {
  const fs::path& path = Required();
  if (held_) {
    if (Exists()) return MayUseHeld(W_OK);
    // A missing item can be written when its folder can take new items.
    const FolderItem folder = Parent();
    return lastErrorCode_ == ENOENT && folder.IsHeld() && folder.MayUseHeld(W_OK | X_OK);
  }
  if (::access(path.c_str(), W_OK) == 0) return true;
  if (errno != ENOENT) return false;
  // A missing item can be written when its folder can take new items.
  const fs::path folder = path.parent_path();
  return IsFolder(folder) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool FolderItem::MayUseHeld(int mode) const {
  int error = 0;
  if (const HeldFolder* folder = HoldingFolder(*held_)) {
    const int descriptor = folder->Descriptor(error);
    return descriptor >= 0 && MayUse(descriptor, held_->Name().c_str(), mode);
  }
  const int top = held_->Descriptor(error);
  return top >= 0 && MayUse(top, ".", mode);
}

FinderInfo FolderItem::ReadFinderInfo() const {
  if (!held_) return FinderInfo::Read(Required());
  const FileDescriptor item = OpenHeld(false);
  return item.IsOpen() ? FinderInfo::Read(item.get()) : FinderInfo();
}

bool FolderItem::Visible() const {
  const fs::path& path = Required();
  if (Name().starts_with('.')) return false;
  if (!held_) {
    if (FinderInfo::Read(path).Flags() & FinderInfo::kInvisibleFlag) return false;
    return !DosHidden(path);
  }
  const FileDescriptor item = OpenHeld(false);
  if (!item.IsOpen()) return true;
  if (FinderInfo::Read(item.get()).Flags() & FinderInfo::kInvisibleFlag) return false;
  return !DosHidden(item.get());
}

void FolderItem::SetVisible(bool visible) const {
  const auto change = [visible](FinderInfo& info) {
    const std::uint16_t flags = info.Flags();
    info.SetFlags(visible ? flags & ~FinderInfo::kInvisibleFlag : flags | FinderInfo::kInvisibleFlag);
  };
  ChangeFinderInfo(change);
  if (lastErrorCode_ == ENOENT) return;
  if (!held_) {
    SetDosHidden(Required(), !visible);
  } else if (const FileDescriptor item = OpenHeld(true); item.IsOpen()) {
    SetDosHidden(item.get(), !visible);
  }
}

std::string FolderItem::Name() const { return Required().filename().string(); }

std::string FolderItem::ShellPath() const { return Required().string(); }

bool FolderItem::CreateAsFolder() const {
  const fs::path& path = Required();
  if (!held_) {
    lastErrorCode_ = ErrorOf(::mkdir(path.c_str(), 0777));
  } else if (const HeldFolder* folder = HoldingFolder(*held_)) {
    lastErrorCode_ = folder->MakeFolder(held_->Name());
  } else {
    lastErrorCode_ = EEXIST;  // the top of the tree is there already
  }
  return lastErrorCode_ == 0;
}

TextOutputStream FolderItem::CreateTextFile() const {
  if (!held_) {
    TextOutputStream stream = TextOutputStream::Create(ShellPath());
    lastErrorCode_ = stream.IsNil() ? errno : 0;
    return stream;
  }
  const HeldFolder* folder = HoldingFolder(*held_);
  if (folder == nullptr) {
    lastErrorCode_ = EISDIR;
    return TextOutputStream();
  }
  FileDescriptor file = folder->CreateFile(held_->Name(), lastErrorCode_);
  if (!file.IsOpen()) return TextOutputStream();
  return TextOutputStream::OnDescriptor(std::move(file), ShellPath());
}

TextInputStream FolderItem::OpenAsTextFile() const {
  if (!held_) {
    TextInputStream stream = TextInputStream::Open(ShellPath());
    lastErrorCode_ = stream.IsNil() ? errno : 0;
    return stream;
  }
  FileDescriptor file = OpenHeld(false);
  if (!file.IsOpen()) return TextInputStream();
  TextInputStream stream = TextInputStream::Open(std::move(file), ShellPath());
  lastErrorCode_ = stream.IsNil() ? errno : 0;
  return stream;
}

std::string FolderItem::MacType() const { return ReadFinderInfo().FileType(); }

std::string FolderItem::MacCreator() const { return ReadFinderInfo().Creator(); }

void FolderItem::SetMacType(const std::string& code) const {
  ChangeFinderInfo([&code](FinderInfo& info) { info.SetFileType(code); });
}

void FolderItem::SetMacCreator(const std::string& code) const {
  ChangeFinderInfo([&code](FinderInfo& info) { info.SetCreator(code); });
}

void FolderItem::ChangeFinderInfo(const std::function<void(FinderInfo&)>& change) const {
  const fs::path& path = Required();
  if (held_) {
    const FileDescriptor item = OpenHeld(true);
    if (!item.IsOpen()) return;
    const FinderInfo before = FinderInfo::Read(item.get());
    FinderInfo after = before;
    change(after);
    lastErrorCode_ = after == before ? 0 : after.Write(item.get());
    return;
  }
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
  if (destination.held_) {
    // Into the folder when the destination is one, else onto the destination's name.
    const bool intoFolder = destination.Directory();
    const HeldFolder* folder = intoFolder ? destination.held_.get() : HoldingFolder(*destination.held_);
    const std::string name = intoFolder ? source.filename().string() : destination.held_->Name();
    lastErrorCode_ = folder == nullptr ? EISDIR : CopyFileReplacing(source, *folder, name);
    return lastErrorCode_ == 0;
  }
  struct stat status {};
  const fs::path target = IsFolderNotLink(to, status) ? to / source.filename() : to;
  lastErrorCode_ = CopyFileReplacing(source, target);
  return lastErrorCode_ == 0;
}

bool FolderItem::Delete() const {
  const fs::path& path = Required();
  if (held_) {
    const HeldFolder* folder = HoldingFolder(*held_);
    lastErrorCode_ = folder == nullptr ? EBUSY : folder->Remove(held_->Name());
    return lastErrorCode_ == 0;
  }
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
  const fs::path& to = destination.Required();
  if (held_ || destination.held_) {
    const HeldFolder* from = held_ ? HoldingFolder(*held_) : nullptr;
    const HeldFolder* into = destination.held_ ? HoldingFolder(*destination.held_) : nullptr;
    // Both must be below held folders: a path and a descriptor are not mixed.
    lastErrorCode_ =
        from == nullptr || into == nullptr ? EXDEV : from->Rename(Name(), *into, destination.Name());
    return lastErrorCode_ == 0;
  }
  lastErrorCode_ = ErrorOf(std::rename(source.c_str(), to.c_str()));
  return lastErrorCode_ == 0;
}

FolderItem FolderItem::CreateTemporarySibling() const {
  if (held_) {
    const HeldFolder* folder = HoldingFolder(*held_);
    if (folder == nullptr) {
      lastErrorCode_ = EINVAL;
      return FolderItem();
    }
    std::string name;
    FileDescriptor file = folder->CreateTemporaryFile(name, lastErrorCode_);
    if (file.IsOpen()) lastErrorCode_ = file.Close();
    return lastErrorCode_ == 0 ? Parent().Child(name) : FolderItem();
  }
  std::string temporaryPath;
  FileDescriptor file = CreateTemporaryBeside(Required(), temporaryPath);
  lastErrorCode_ = file.IsOpen() ? file.Close() : errno;
  return lastErrorCode_ == 0 ? FolderItem(temporaryPath) : FolderItem();
}

std::vector<std::string> FolderItem::Names() const {
  if (!held_) return EntryNames(Required(), lastErrorCode_);
  return held_->Names(lastErrorCode_);
}

int FolderItem::Count() const { return static_cast<int>(Names().size()); }

FolderItem FolderItem::Item(int index) const {
  const std::vector<std::string> names = Names();
  if (index < 1 || static_cast<std::size_t>(index) > names.size()) return FolderItem();
  return Child(names[static_cast<std::size_t>(index) - 1]);
}

std::vector<FolderItem> FolderItem::Items() const {
  std::vector<FolderItem> items;
  for (const std::string& name : Names()) items.push_back(Child(name));
  return items;
}

FileDescriptor FolderItem::OpenFolder() const {
  const fs::path& path = Required();
  if (!held_) {
    FileDescriptor folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    lastErrorCode_ = folder.IsOpen() ? 0 : errno;
    return folder;
  }
  // The folder's own descriptor, not the folder found again by its name.
  const int folder = held_->Descriptor(lastErrorCode_);
  if (folder < 0) return FileDescriptor();
  FileDescriptor copy(::fcntl(folder, F_DUPFD_CLOEXEC, 0));
  lastErrorCode_ = copy.IsOpen() ? 0 : errno;
  return copy;
}
