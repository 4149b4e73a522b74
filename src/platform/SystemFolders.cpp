#include "platform/SystemFolders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace pelmora {

namespace {

namespace fs = std::filesystem;

// Closes a descriptor at the end of a scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, reporting whether the last writes reached the file.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const char* bytes, ssize_t count) {
  while (count > 0) {
    const ssize_t written = ::write(fd, bytes, static_cast<size_t>(count));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    count -= written;
  }
  return true;
}

bool CopyAll(int from, int to) {
  char buffer[16384];
  for (;;) {
    const ssize_t got = ::read(from, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    if (!WriteAll(to, buffer, got)) return false;
  }
}

}  // namespace

bool SystemFolderFiles::IsDirectory(const std::string& path) const {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

bool SystemFolderFiles::Exists(const std::string& path) const {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

bool SystemFolderFiles::CanWriteFolder(const std::string& path) const {
  return ::access(path.c_str(), W_OK | X_OK) == 0;
}

bool SystemFolderFiles::MakeDirectories(const std::string& path) {
  fs::path partial;
  for (const fs::path& part : fs::path(path)) {
    partial /= part;
    ::mkdir(partial.c_str(), 0700);  // existing steps simply fail; the result is checked below
  }
  return IsDirectory(path);
}

bool SystemFolderFiles::CopyFileBytes(const std::string& from, const std::string& to) {
  Descriptor in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) return false;
  // O_EXCL: an existing file (or a link of that name) is never replaced.
  Descriptor out(::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (out.get() < 0) return false;
  if (CopyAll(in.get(), out.get()) && out.Close()) return true;
  ::unlink(to.c_str());
  return false;
}

std::optional<std::string> SystemEnvironment::Get(const std::string& name) const {
  if (const char* value = std::getenv(name.c_str())) return std::string(value);
  return std::nullopt;
}

}  // namespace pelmora
