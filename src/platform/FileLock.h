#pragma once
// An exclusive lock between copies of the game that share a file. Two copies run from one folder
// (two sessions, two users) must not both read a file, change it and write it back at once: the
// later writer would drop what the earlier one added. The lock lives in a lock file beside the
// shared file, so that any two copies that reach the file also reach its lock, whatever else
// (their runtime folders, their users) differs.
//
// The lock belongs to the open lock file, not to the process: two locks taken in one process on
// the same file exclude each other too. The system releases it when the holder ends, also when
// it crashes, so a lock file left behind never blocks anyone; it is never removed (removing it
// would let two holders lock two different files of one name).

#include <string>

namespace pelmora {

class FileLock {
 public:
  // Waits until the lock on `lockPath` is held, creating the file (empty) when it is missing. A
  // lock file that can be neither created nor opened (a folder the player cannot write, with no
  // lock file in it yet) leaves the lock not held: nobody can write beside it either then.
  explicit FileLock(const std::string& lockPath);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool Held() const;

 private:
#ifdef _WIN32
  void* handle_ = nullptr;  // a HANDLE
#else
  int fd_ = -1;
#endif
};

}  // namespace pelmora
