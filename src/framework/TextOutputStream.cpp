#include "framework/TextOutputStream.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "framework/Exceptions.h"
#include "framework/FileDescriptor.h"
#include "framework/FinderInfo.h"

struct TextOutputStream::File {
  File(FileDescriptor descriptor, std::string filePath)
      : fd(std::move(descriptor)), path(std::move(filePath)) {}
  ~File() {
    if (closed) return;
    if (!failed) (void)WriteBuffer();
    (void)fd.Close();
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  // Writes the collected texts out; 0 or the errno of the failure. After a failure the stream
  // keeps no data, as the file no longer holds what was written to it.
  int WriteBuffer() {
    const int error = WriteAll(fd.get(), buffer.data(), buffer.size());
    buffer.clear();
    if (error != 0) failed = true;
    return error;
  }

  [[noreturn]] void Raise(int error) const {
    throw IOException("could not write \"" + path + "\": " + std::strerror(error));
  }

  FileDescriptor fd;
  std::string path;
  std::string buffer;
  bool failed = false;
  bool closed = false;
};

namespace {

// What a text file may be written into: a plain file, or a device such as /dev/null. A pipe or a
// socket is not a file, and writing to one could wait for ever.
bool IsWritableKind(int fd) {
  struct stat status {};
  if (::fstat(fd, &status) != 0) return false;
  if (S_ISREG(status.st_mode) || S_ISCHR(status.st_mode)) return true;
  errno = EINVAL;
  return false;
}

// Opened without following a link in the last part of the path (a link there gives ELOOP), and
// without waiting for a pipe to get a reader (ENXIO); writes then wait as usual.
FileDescriptor OpenForWriting(const std::string& path) {
  FileDescriptor fd(
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666));
  if (!fd.IsOpen() || !IsWritableKind(fd.get())) return FileDescriptor();
  const int flags = ::fcntl(fd.get(), F_GETFL);
  if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) return FileDescriptor();
  return fd;
}

}  // namespace

TextOutputStream TextOutputStream::Create(const std::string& path) {
  FileDescriptor fd = OpenForWriting(path);
  if (!fd.IsOpen()) return TextOutputStream();
  return OnDescriptor(std::move(fd), path);
}

TextOutputStream TextOutputStream::OnDescriptor(FileDescriptor fd, const std::string& path) {
  TextOutputStream stream;
  stream.file_ = std::make_shared<File>(std::move(fd), path);
  return stream;
}

int TextOutputStream::SetMacCreator(std::string_view code) {
  File& file = Open();
  const FinderInfo before = FinderInfo::Read(file.fd.get());
  FinderInfo after = before;
  after.SetCreator(code);
  return after == before ? 0 : after.Write(file.fd.get());
}

TextOutputStream::File& TextOutputStream::Open() {
  if (!file_) throw NilObjectException("nil TextOutputStream");
  if (file_->closed) throw IOException("could not write \"" + file_->path + "\": the stream is closed");
  return *file_;
}

void TextOutputStream::Write(std::string_view text) {
  File& file = Open();
  file.buffer.append(text);
  if (file.buffer.size() < kBufferSize) return;
  if (const int error = file.WriteBuffer()) file.Raise(error);
}

void TextOutputStream::WriteLine(std::string_view text) {
  Write(text);
  Write(EndOfLine);
}

void TextOutputStream::Close() {
  if (!file_) throw NilObjectException("nil TextOutputStream");
  File& file = *file_;
  if (file.closed) return;
  file.closed = true;
  const bool failedBefore = file.failed;
  const int writeError = failedBefore ? 0 : file.WriteBuffer();
  const int closeError = file.fd.Close();
  if (writeError != 0) file.Raise(writeError);
  if (closeError != 0) file.Raise(closeError);
  if (failedBefore) throw IOException("could not write \"" + file.path + "\": an earlier write failed");
}
