#include "framework/FileCopy.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "framework/FileDescriptor.h"
#include "framework/HeldFolder.h"

namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

int CopyContents(int from, int to) {
  std::array<char, kChunkSize> chunk;
  for (;;) {
    const ssize_t read = ReadSome(from, chunk.data(), chunk.size());
    if (read < 0) return errno;
    if (read == 0) return 0;
    if (const int error = WriteAll(to, chunk.data(), static_cast<std::size_t>(read))) return error;
  }
}

std::vector<std::string> AttributeNames(int fd) {
  const ssize_t size = flistxattr(fd, nullptr, 0);
  if (size <= 0) return {};
  std::string list(static_cast<std::size_t>(size), '\0');
  const ssize_t listed = flistxattr(fd, list.data(), list.size());
  if (listed <= 0) return {};
  list.resize(static_cast<std::size_t>(listed));
  std::vector<std::string> names;
  for (std::size_t at = 0; at < list.size();) {
    const std::size_t end = list.find('\0', at);
    names.push_back(list.substr(at, end - at));
    at = end == std::string::npos ? list.size() : end + 1;
  }
  return names;
}

// Copies the user extended attributes; where the target keeps none, they are left behind.
void CopyUserAttributes(int from, int to) {
  for (const std::string& name : AttributeNames(from)) {
    if (!std::string_view(name).starts_with("user.")) continue;
    const ssize_t size = fgetxattr(from, name.c_str(), nullptr, 0);
    if (size < 0) continue;
    std::vector<char> value(static_cast<std::size_t>(size));
    const ssize_t read = fgetxattr(from, name.c_str(), value.data(), value.size());
    if (read < 0) continue;
    (void)fsetxattr(to, name.c_str(), value.data(), static_cast<std::size_t>(read), 0);
  }
}

std::filesystem::path FolderOf(const std::filesystem::path& target) {
  const std::filesystem::path folder = target.parent_path();
  return folder.empty() ? std::filesystem::path(".") : folder;
}

// Whether name is one CreateTemporaryBeside gives its files.
bool IsTemporaryBesideName(std::string_view name) {
  if (!name.starts_with(kTemporaryNamePrefix)) return false;
  name.remove_prefix(kTemporaryNamePrefix.size());
  if (name.size() != kTemporaryNameUniqueLength) return false;
  for (const char c : name) {
    const bool letterOrDigit = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (!letterOrDigit) return false;
  }
  return true;
}

int WriteCopy(int from, const struct stat& source, FileDescriptor& copy) {
  if (const int error = CopyContents(from, copy.get())) return error;
  (void)fchmod(copy.get(), source.st_mode & 0777);
  CopyUserAttributes(from, copy.get());
  return copy.Close();
}

// The plain file at source, open for reading, and its status; not open, with error set, when it
// is none.
FileDescriptor OpenSource(const std::filesystem::path& source, struct stat& status, int& error) {
  FileDescriptor from(open(source.c_str(), O_RDONLY | O_CLOEXEC));
  error = !from.IsOpen() || fstat(from.get(), &status) != 0 ? errno : 0;
  if (error == 0 && S_ISDIR(status.st_mode)) error = EISDIR;
  if (error == 0 && !S_ISREG(status.st_mode)) error = EINVAL;
  return error == 0 ? std::move(from) : FileDescriptor();
}

}  // namespace

FileDescriptor CreateTemporaryBeside(const std::filesystem::path& target, std::string& temporaryPath) {
  // mkostemp replaces the X with letters and digits.
  std::string name(kTemporaryNamePrefix);
  name.append(kTemporaryNameUniqueLength, 'X');
  temporaryPath = (FolderOf(target) / name).string();
  return FileDescriptor(mkostemp(temporaryPath.data(), O_CLOEXEC));
}

int CopyFileReplacing(const std::filesystem::path& source, const HeldFolder& folder,
                      const std::string& name) {
  struct stat sourceStatus {};
  int error = 0;
  FileDescriptor from = OpenSource(source, sourceStatus, error);
  if (!from.IsOpen()) return error;
  std::string temporaryName;
  FileDescriptor copy = folder.CreateTemporaryFile(temporaryName, error);
  if (!copy.IsOpen()) return error;
  error = WriteCopy(from.get(), sourceStatus, copy);
  if (error == 0) error = folder.Rename(temporaryName, folder, name);
  if (error != 0) (void)folder.Remove(temporaryName);
  return error;
}

int CopyFileReplacing(const std::filesystem::path& source, const std::filesystem::path& target) {
  struct stat sourceStatus {};
  int openError = 0;
  FileDescriptor from = OpenSource(source, sourceStatus, openError);
  if (!from.IsOpen()) return openError;

  std::string temporaryPath;
  FileDescriptor copy = CreateTemporaryBeside(target, temporaryPath);
  if (!copy.IsOpen()) return errno;
  int error = WriteCopy(from.get(), sourceStatus, copy);
  if (error == 0 && std::rename(temporaryPath.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) ::unlink(temporaryPath.c_str());
  return error;
}

void DeleteTemporariesLeftIn(const std::filesystem::path& folder) {
  DIR* listing = ::opendir(folder.c_str());
  if (listing == nullptr) return;
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(listing)) {
    if (IsTemporaryBesideName(entry->d_name)) names.emplace_back(entry->d_name);
  }
  // Each is looked up in the folder already open. unlinkat without AT_REMOVEDIR never deletes a
  // folder and deletes a link, not its target, so nothing swapped in after the look is followed.
  const int folderFd = ::dirfd(listing);
  for (const std::string& name : names) {
    struct stat status {};
    if (::fstatat(folderFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (!S_ISREG(status.st_mode)) continue;
    (void)::unlinkat(folderFd, name.c_str(), 0);
  }
  ::closedir(listing);
}
