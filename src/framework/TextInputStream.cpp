#include "framework/TextInputStream.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "framework/Exceptions.h"
#include "framework/FileDescriptor.h"

struct TextInputStream::File {
  File(FileDescriptor descriptor, std::string filePath)
      : fd(std::move(descriptor)), path(std::move(filePath)) {}

  bool HasBuffered() const { return at < buffer.size(); }

  // Replaces the consumed buffer with the next piece of the file; false at the end.
  bool Fill() {
    buffer.resize(kBufferSize);
    const ssize_t read = ReadSome(fd.get(), buffer.data(), buffer.size());
    if (read < 0) {
      const int error = errno;
      buffer.clear();
      at = 0;
      throw IOException("could not read \"" + path + "\": " + std::strerror(error));
    }
    buffer.resize(static_cast<std::size_t>(read));
    at = 0;
    return read > 0;
  }

  bool Available() { return HasBuffered() || Fill(); }

  void RequireOpen() const {
    if (closed) throw IOException("could not read \"" + path + "\": the stream is closed");
  }

  FileDescriptor fd;
  std::string path;
  std::string buffer;
  std::size_t at = 0;
  bool closed = false;
};

namespace {

// Only a plain file is read: a folder is refused with EISDIR, and a pipe or a device (which may
// never end, or never answer) with EINVAL.
bool IsPlainFile(int fd) {
  struct stat status {};
  if (fstat(fd, &status) != 0) return false;
  if (S_ISREG(status.st_mode)) return true;
  errno = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
  return false;
}

}  // namespace

TextInputStream TextInputStream::Open(const std::string& path) {
  // Opening a pipe that has no writer would wait; it is refused once open.
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!fd.IsOpen()) return TextInputStream();
  return Open(std::move(fd), path);
}

TextInputStream TextInputStream::Open(FileDescriptor fd, const std::string& path) {
  if (!IsPlainFile(fd.get())) return TextInputStream();
  const int flags = ::fcntl(fd.get(), F_GETFL);
  if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) return TextInputStream();
  TextInputStream stream;
  stream.file_ = std::make_shared<File>(std::move(fd), path);
  return stream;
}

TextInputStream::File& TextInputStream::Opened() const {
  if (!file_) throw NilObjectException("nil TextInputStream");
  return *file_;
}

std::string TextInputStream::ReadAll() {
  File& file = Opened();
  file.RequireOpen();
  std::string text;
  while (file.Available()) {
    text.append(file.buffer, file.at);
    file.at = file.buffer.size();
  }
  return text;
}

std::string TextInputStream::Read(std::size_t count) {
  File& file = Opened();
  file.RequireOpen();
  std::string text;
  while (text.size() < count && file.Available()) {
    const std::size_t take = std::min(count - text.size(), file.buffer.size() - file.at);
    text.append(file.buffer, file.at, take);
    file.at += take;
  }
  return text;
}

std::string TextInputStream::ReadLine() {
  File& file = Opened();
  file.RequireOpen();
  std::string line;
  while (file.Available()) {
    const std::size_t end = file.buffer.find_first_of("\r\n", file.at);
    if (end == std::string::npos) {
      line.append(file.buffer, file.at);
      file.at = file.buffer.size();
      continue;
    }
    line.append(file.buffer, file.at, end - file.at);
    const char ending = file.buffer[end];
    file.at = end + 1;
    // A CR may be the last byte of one piece and its LF the first of the next.
    if (ending == '\r' && file.Available() && file.buffer[file.at] == '\n') ++file.at;
    return line;
  }
  return line;
}

bool TextInputStream::AtEndOfFile() const {
  File& file = Opened();
  return file.closed || !file.Available();
}

void TextInputStream::Close() {
  File& file = Opened();
  if (file.closed) return;
  file.closed = true;
  file.buffer.clear();
  file.at = 0;
  (void)file.fd.Close();
}
