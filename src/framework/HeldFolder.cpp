#include "framework/HeldFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <random>
#include <string_view>

#include "framework/FileCopy.h"

// What every folder of one tree shares: the mount its top lies on and, for a volume's root, the
// folder that volume was found mounted on.
struct HeldFolder::Volume {
  MountIdentity identity;
  std::optional<std::filesystem::path> mountFolder;
};

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

int ErrorOf(int result) { return result == 0 ? 0 : errno; }

// Opens the folder called name in folder; not open, with error set, when it cannot be.
FileDescriptor OpenFolderIn(int folder, const char* name, int& error) {
  FileDescriptor fd(::openat(folder, name, kFolderFlags));
  error = fd.IsOpen() ? 0 : errno;
  return fd;
}

// The identity of the mount the open folder lies on; nothing, with error set, when it cannot be
// looked at.
std::optional<struct statx> StatusOfOpen(int fd, int& error) {
  struct statx status {};
  error = StatusOf(fd, status);
  if (error != 0) return std::nullopt;
  return status;
}

// A name made as mkostemp makes one: the prefix of new files and six letters or digits.
std::string TemporaryName() {
  static constexpr std::string_view kLetters =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  static std::minstd_rand generator{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> letter(0, kLetters.size() - 1);
  std::string name(kTemporaryNamePrefix);
  for (std::size_t i = 0; i < kTemporaryNameUniqueLength; ++i) name += kLetters[letter(generator)];
  return name;
}

}  // namespace

HeldFolder::HeldFolder(std::shared_ptr<const Volume> volume, std::shared_ptr<HeldFolder> parent,
                       std::string name)
    : volume_(std::move(volume)), parent_(std::move(parent)), name_(std::move(name)) {}

std::shared_ptr<HeldFolder> HeldFolder::VolumeRoot(const std::filesystem::path& path, std::uint64_t mount,
                                                   int& error) {
  FileDescriptor fd = OpenFolderIn(AT_FDCWD, path.c_str(), error);
  if (!fd.IsOpen()) return nullptr;
  const std::optional<struct statx> status = StatusOfOpen(fd.get(), error);
  if (!status) return nullptr;
  const MountIdentity identity = MountIdentity::Of(*status);
  if (identity.Number() != mount) {
    error = ENODEV;
    return nullptr;
  }
  auto volume = std::make_shared<Volume>(Volume{identity, path});
  std::shared_ptr<HeldFolder> top(new HeldFolder(std::move(volume), nullptr, path.filename().string()));
  top->fd_ = std::move(fd);
  return top;
}

std::shared_ptr<HeldFolder> HeldFolder::WithoutLinks(const std::filesystem::path& path) {
  const std::filesystem::path absolute = path.lexically_normal();
  int error = absolute.is_absolute() ? 0 : EINVAL;
  FileDescriptor fd;
  if (error == 0) fd = OpenFolderIn(AT_FDCWD, "/", error);
  for (const std::filesystem::path& part : absolute.relative_path()) {
    if (!fd.IsOpen()) break;
    if (!part.empty()) fd = OpenFolderIn(fd.get(), part.c_str(), error);
  }
  std::optional<struct statx> status;
  if (fd.IsOpen()) status = StatusOfOpen(fd.get(), error);
  auto volume =
      std::make_shared<Volume>(Volume{status ? MountIdentity::Of(*status) : MountIdentity{}, std::nullopt});
  std::shared_ptr<HeldFolder> top(new HeldFolder(std::move(volume), nullptr, absolute.filename().string()));
  if (status) top->fd_ = std::move(fd);
  top->failure_ = status ? 0 : error;
  return top;
}

std::shared_ptr<HeldFolder> HeldFolder::Inside(std::shared_ptr<HeldFolder> parent, std::string name) {
  std::shared_ptr<const Volume> volume = parent->volume_;
  return std::shared_ptr<HeldFolder>(new HeldFolder(std::move(volume), std::move(parent), std::move(name)));
}

int HeldFolder::Descriptor(int& error) const {
  error = fd_.IsOpen() ? 0 : OpenFromParent();
  return error == 0 ? fd_.get() : -1;
}

int HeldFolder::OpenFromParent() const {
  if (!parent_) return failure_ != 0 ? failure_ : EBADF;  // a top that could not be opened
  int error = 0;
  const int parentFolder = parent_->Descriptor(error);
  if (parentFolder < 0) return error;
  FileDescriptor fd = OpenFolderIn(parentFolder, name_.c_str(), error);
  if (!fd.IsOpen()) return error;
  const std::optional<struct statx> status = StatusOfOpen(fd.get(), error);
  if (!status) return error;
  if (!IsOnTheVolume(*status)) return EXDEV;
  fd_ = std::move(fd);
  return 0;
}

int HeldFolder::Look(const std::string& name, struct statx& status) const {
  int error = 0;
  const int folder = Descriptor(error);
  if (folder < 0) return error;
  return StatusOf(folder, name.c_str(), status);
}

bool HeldFolder::IsOnTheVolume(const struct statx& status) const {
  return !IsMountRoot(status) && MountIdentity::Of(status).SameMountAs(volume_->identity);
}

int HeldFolder::VolumeStillMounted() const {
  if (!volume_->mountFolder) return 0;
  struct statx status {};
  if (StatusOf(AT_FDCWD, volume_->mountFolder->c_str(), status) != 0) return ENODEV;
  return MountIdentity::Of(status).SameMountAs(volume_->identity) ? 0 : ENODEV;
}

int HeldFolder::MakeFolder(const std::string& name) const {
  int error = 0;
  const int folder = Descriptor(error);
  if (folder < 0) return error;
  if (const int gone = VolumeStillMounted()) return gone;
  return ErrorOf(::mkdirat(folder, name.c_str(), 0777));
}

FileDescriptor HeldFolder::CreateFile(const std::string& name, int& error) const {
  const int folder = Descriptor(error);
  if (folder < 0) return FileDescriptor();
  error = VolumeStillMounted();
  if (error != 0) return FileDescriptor();
  // A file made afresh in this folder is a plain file on its mount: nothing else to look at.
  constexpr int kWriting = O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  FileDescriptor fd(::openat(folder, name.c_str(), kWriting | O_CREAT | O_EXCL, 0666));
  if (fd.IsOpen()) return fd;
  if (errno != EEXIST) {
    error = errno;
    return FileDescriptor();
  }
  // Something has the name already: only a plain file of this mount is opened, and it is emptied
  // only once what was opened has been found to be one.
  struct statx status {};
  error = Look(name, status);
  if (error == 0) error = PlainFileOnTheVolume(status);
  if (error != 0) return FileDescriptor();
  struct statx opened {};
  fd = OpenLookedAt(name, kWriting, &HeldFolder::PlainFileOnTheVolume, opened, error);
  if (fd.IsOpen() && opened.stx_size > 0) error = ErrorOf(::ftruncate(fd.get(), 0));
  return error == 0 ? std::move(fd) : FileDescriptor();
}

FileDescriptor HeldFolder::OpenLookedAt(const std::string& name, int flags, Check check, struct statx& opened,
                                        int& error) const {
  const int folder = Descriptor(error);
  if (folder < 0) return FileDescriptor();
  FileDescriptor fd(::openat(folder, name.c_str(), flags));
  if (!fd.IsOpen()) {
    error = errno;
    return FileDescriptor();
  }
  // What was looked at may have been swapped for something else before it was opened.
  error = StatusOf(fd.get(), opened);
  if (error == 0) error = (this->*check)(opened);
  return error == 0 ? std::move(fd) : FileDescriptor();
}

int HeldFolder::PlainFileOnTheVolume(const struct statx& status) const {
  if (S_ISLNK(status.stx_mode)) return ELOOP;
  if (S_ISDIR(status.stx_mode)) return EISDIR;
  if (!S_ISREG(status.stx_mode)) return EINVAL;
  return IsOnTheVolume(status) ? 0 : EXDEV;
}

FileDescriptor HeldFolder::CreateTemporaryFile(std::string& name, int& error) const {
  const int folder = Descriptor(error);
  if (folder < 0) return FileDescriptor();
  error = VolumeStillMounted();
  if (error != 0) return FileDescriptor();
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = TemporaryName();
    FileDescriptor fd(
        ::openat(folder, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (fd.IsOpen()) return fd;
    error = errno;
    if (error != EEXIST) return FileDescriptor();
  }
  return FileDescriptor();
}

FileDescriptor HeldFolder::OpenItem(const std::string& name, bool forChange, int& error) const {
  struct statx status {};
  error = Look(name, status);
  if (error == 0) error = FileOrFolderOnTheVolume(status);
  if (error == 0 && forChange) error = VolumeStillMounted();
  if (error != 0) return FileDescriptor();
  struct statx opened {};
  return OpenLookedAt(name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                      &HeldFolder::FileOrFolderOnTheVolume, opened, error);
}

int HeldFolder::FileOrFolderOnTheVolume(const struct statx& status) const {
  // Only files and folders are opened: opening a device may do something of its own.
  if (S_ISLNK(status.stx_mode)) return ELOOP;
  if (!S_ISREG(status.stx_mode) && !S_ISDIR(status.stx_mode)) return EINVAL;
  return IsOnTheVolume(status) ? 0 : EXDEV;
}

int HeldFolder::Remove(const std::string& name) const {
  struct statx status {};
  if (const int error = Look(name, status)) return error;
  if (!IsOnTheVolume(status)) return EXDEV;
  if (const int gone = VolumeStillMounted()) return gone;
  const int flags = S_ISDIR(status.stx_mode) ? AT_REMOVEDIR : 0;
  return ErrorOf(::unlinkat(fd_.get(), name.c_str(), flags));
}

int HeldFolder::Rename(const std::string& from, const HeldFolder& folder, const std::string& to) const {
  int error = 0;
  const int source = Descriptor(error);
  if (source < 0) return error;
  const int target = folder.Descriptor(error);
  if (target < 0) return error;
  if (const int gone = VolumeStillMounted()) return gone;
  return ErrorOf(::renameat(source, from.c_str(), target, to.c_str()));
}

std::vector<std::string> HeldFolder::Names(int& error) const {
  std::vector<std::string> names;
  const int folder = Descriptor(error);
  if (folder < 0) return names;
  // A descriptor of its own, as reading moves its position and closedir closes it.
  DIR* listing = nullptr;
  if (FileDescriptor own(::openat(folder, ".", kFolderFlags)); own.IsOpen()) {
    listing = ::fdopendir(own.get());
    if (listing != nullptr) (void)own.Release();
  }
  if (listing == nullptr) {
    error = errno;
    return names;
  }
  errno = 0;
  while (const dirent* entry = ::readdir(listing)) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
    errno = 0;
  }
  error = errno;
  ::closedir(listing);
  if (error != 0) names.clear();
  std::sort(names.begin(), names.end());
  return names;
}
