#include "platform/SystemFolders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/NativeFile.h"

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
  return fs::is_directory(FsPath(path), ec);
}

bool SystemFolderFiles::Exists(const std::string& path) const {
  std::error_code ec;
  return fs::exists(fs::symlink_status(FsPath(path), ec));
}

#ifdef _WIN32

// The read-only attribute says nothing about a folder's permissions: only making a file tells.
bool SystemFolderFiles::CanWriteFolder(const std::string& path) const {
  const fs::path probe = FsPath(path) / L"pelmora-write-probe.tmp";
  const HANDLE h = ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(h);
  return true;
}

// Folders on Windows take their permissions from the folder they are made in.
static bool MakeFolder(const fs::path& folder) { return ::CreateDirectoryW(folder.c_str(), nullptr); }

std::optional<std::string> SystemEnvironment::Get(const std::string& name) const {
  const wchar_t* value = ::_wgetenv(FsPath(name).c_str());
  if (value == nullptr) return std::nullopt;
  const std::u8string utf8 = fs::path(value).u8string();
  return std::string(utf8.begin(), utf8.end());
}

#else

bool SystemFolderFiles::CanWriteFolder(const std::string& path) const {
  return ::access(path.c_str(), W_OK | X_OK) == 0;
}

static bool MakeFolder(const fs::path& folder) { return ::mkdir(folder.c_str(), 0700) == 0; }

std::optional<std::string> SystemEnvironment::Get(const std::string& name) const {
  if (const char* value = std::getenv(name.c_str())) return std::string(value);
  return std::nullopt;
}

#endif

bool SystemFolderFiles::MakeDirectories(const std::string& path) {
  fs::path partial;
  for (const fs::path& part : FsPath(path)) {
    partial /= part;
    MakeFolder(partial);  // existing steps simply fail; the result is checked below
  }
  return IsDirectory(path);
}

bool SystemFolderFiles::CopyFileBytes(const std::string& from, const std::string& to) {
  Descriptor in(OpenFile(from, O_RDONLY));
  if (in.get() < 0) return false;
  // O_EXCL: an existing file (or a link of that name) is never replaced.
  Descriptor out(OpenFile(to, O_WRONLY | O_CREAT | O_EXCL));
  if (out.get() < 0) return false;
  if (CopyAll(in.get(), out.get()) && out.Close()) return true;
  std::error_code ec;
  fs::remove(FsPath(to), ec);
  return false;
}

}  // namespace pelmora
