#include "platform/FileLock.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace pelmora {

#ifdef _WIN32

namespace {

std::wstring Wide(const std::string& utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

HANDLE OpenLockFile(const std::wstring& path) {
  constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, kShare, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  // A lock file marked read-only still locks when opened for reading only.
  if (h == INVALID_HANDLE_VALUE)
    h = CreateFileW(path.c_str(), GENERIC_READ, kShare, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  return h;
}

}  // namespace

FileLock::FileLock(const std::string& lockPath) {
  HANDLE h = OpenLockFile(Wide(lockPath));
  if (h == INVALID_HANDLE_VALUE) return;
  OVERLAPPED at{};
  if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &at)) {
    CloseHandle(h);
    return;
  }
  handle_ = h;
}

FileLock::~FileLock() {
  if (!handle_) return;
  OVERLAPPED at{};
  UnlockFileEx(handle_, 0, 1, 0, &at);
  CloseHandle(handle_);
}

bool FileLock::Held() const { return handle_ != nullptr; }

#else

FileLock::FileLock(const std::string& lockPath) {
  int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
  // A lock file the player may not write still locks when opened for reading only.
  if (fd < 0 && errno == EACCES) fd = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return;
  // flock, not fcntl: an fcntl lock belongs to the process, so a second store in the same
  // process would take it again at once.
  int locked;
  do {
    locked = ::flock(fd, LOCK_EX);
  } while (locked != 0 && errno == EINTR);
  if (locked != 0) {
    ::close(fd);
    return;
  }
  fd_ = fd;
}

FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);  // closing the only descriptor releases the lock
}

bool FileLock::Held() const { return fd_ >= 0; }

#endif

}  // namespace pelmora
