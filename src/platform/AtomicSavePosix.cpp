// SaveFileAtomically on POSIX systems: open(O_EXCL), fsync and rename.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/AtomicSaveParts.h"
#include "platform/NativeFile.h"

namespace pelmora {

namespace fs = std::filesystem;
using namespace atomic_save;

namespace {

// What is known of the file to be replaced: whether it is there, and its permission bits.
struct Target {
  bool exists = false;
  mode_t mode = 0;
};

std::variant<Target, SaveError> CheckTarget(const fs::path& file) {
  struct stat st {};
  if (::lstat(file.c_str(), &st) != 0) {
    if (errno == ENOENT) return Target{};
    return SaveError{SaveProblem::CannotCreate, FolderOf(file).string()};
  }
  if (!S_ISREG(st.st_mode)) return SaveError{SaveProblem::NotAFile, file.string()};
  // access() alone would let the administrator replace a file its owner marked read-only.
  if ((st.st_mode & 0222) == 0 || ::access(file.c_str(), W_OK) != 0)
    return SaveError{SaveProblem::ReadOnly, file.string()};
  return Target{true, static_cast<mode_t>(st.st_mode & 07777)};
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

// A new temporary file beside `file`, or -1. O_EXCL and O_NOFOLLOW: the file is made here and
// now, never opened through a link or reused; a name that is taken is simply passed over.
int CreateTemp(const fs::path& file, fs::path& temp) {
  for (int i = 0; i < kTempNameTries; ++i) {
    temp = NewTempPath(file);
    const int fd = OpenFile(temp.string(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The temporary file, complete, with the target's permissions and on the disk.
bool WriteTemp(int fd, const Target& target, std::string_view bytes) {
  bool ok = WriteAll(fd, bytes);
  ok = ok && (!target.exists || ::fchmod(fd, target.mode) == 0);
  ok = ok && ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

// Makes the finished rename survive a power cut. A failure loses nothing that is not already on
// its way to the disk, so it is not reported.
void SyncFolderOf(const fs::path& file) {
  const int fd = OpenFile(FolderOf(file).string(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

SaveResult SaveFileAtomically(const std::string& path, std::string_view bytes) {
  const auto resolved = SaveTarget(path);
  if (const auto* error = std::get_if<SaveError>(&resolved)) return *error;
  const fs::path& file = std::get<fs::path>(resolved);
  const auto target = CheckTarget(file);
  if (const auto* error = std::get_if<SaveError>(&target)) return *error;

  fs::path temp;
  const int fd = CreateTemp(file, temp);
  if (fd < 0) return SaveError{SaveProblem::CannotCreate, FolderOf(file).string()};
  if (!WriteTemp(fd, std::get<Target>(target), bytes)) {
    ::unlink(temp.c_str());
    return SaveError{SaveProblem::CannotWrite, file.string()};
  }
  if (std::rename(temp.c_str(), file.c_str()) != 0) {
    ::unlink(temp.c_str());
    return SaveError{SaveProblem::CannotReplace, file.string()};
  }
  SyncFolderOf(file);
  return std::nullopt;
}

}  // namespace pelmora
