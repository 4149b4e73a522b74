#include "platform/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>

namespace pelmora {

namespace {

// What is known of the file to be replaced: whether it is there, and its permission bits.
struct Target {
  bool exists = false;
  mode_t mode = 0;
};

// Nothing when the target must not be replaced (see the header).
std::optional<Target> CheckTarget(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) return Target{};
    return std::nullopt;
  }
  if (!S_ISREG(st.st_mode)) return std::nullopt;
  // access() alone would let the administrator replace a file its owner marked read-only.
  if ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0) return std::nullopt;
  return Target{true, st.st_mode & 07777};
}

bool WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (!(n < 0 && errno == EINTR)) {
      return false;
    }
  }
  return true;
}

// The temporary file, complete, with the target's permissions and on the disk.
bool WriteTemp(const std::string& tempPath, const Target& target, std::string_view bytes) {
  // O_EXCL: the file is made here and now, never opened through a link or reused.
  const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes);
  ok = ok && (!target.exists || ::fchmod(fd, target.mode) == 0);
  ok = ok && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (!ok) ::unlink(tempPath.c_str());
  return ok;
}

// Makes the finished rename survive a power cut. A failure loses nothing that is not already on
// its way to the disk, so it is not reported.
void SyncFolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool ReplaceFile(const std::string& path, const std::string& tempPath, std::string_view bytes) {
  RemoveStaleTempFile(tempPath);
  const std::optional<Target> target = CheckTarget(path);
  if (!target || !WriteTemp(tempPath, *target, bytes)) return false;
  if (std::rename(tempPath.c_str(), path.c_str()) != 0) {
    ::unlink(tempPath.c_str());
    return false;
  }
  SyncFolderOf(path);
  return true;
}

void RemoveStaleTempFile(const std::string& tempPath) {
  struct stat st {};
  if (::lstat(tempPath.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) ::unlink(tempPath.c_str());
}

}  // namespace pelmora
