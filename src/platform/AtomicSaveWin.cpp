// SaveFileAtomically on Windows: CreateFileW(CREATE_NEW), FlushFileBuffers and MoveFileExW,
// which, unlike rename(), replaces an existing file.
#include <windows.h>

#include <algorithm>

#include "platform/AtomicSaveParts.h"
#include "platform/NativeFile.h"

namespace pelmora {

namespace fs = std::filesystem;
using namespace atomic_save;

namespace {

// Nothing when the file may be replaced (or made).
SaveResult CheckTarget(const fs::path& file) {
  const DWORD attributes = ::GetFileAttributesW(file.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    if (::GetLastError() == ERROR_FILE_NOT_FOUND) return std::nullopt;
    return SaveError{SaveProblem::CannotCreate, Utf8Path(FolderOf(file))};
  }
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return SaveError{SaveProblem::NotAFile, Utf8Path(file)};
  if (attributes & FILE_ATTRIBUTE_READONLY) return SaveError{SaveProblem::ReadOnly, Utf8Path(file)};
  return std::nullopt;
}

// A new temporary file beside `file`; a name that is taken is simply passed over.
HANDLE CreateTemp(const fs::path& file, fs::path& temp) {
  for (int i = 0; i < kTempNameTries; ++i) {
    temp = NewTempPath(file);
    const HANDLE h = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return h;
  }
  return INVALID_HANDLE_VALUE;
}

// The temporary file, complete and on the disk.
bool WriteTemp(HANDLE h, std::string_view bytes) {
  bool ok = true;
  while (ok && !bytes.empty()) {
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    ok = ::WriteFile(h, bytes.data(), piece, &written, nullptr) && written > 0;
    bytes.remove_prefix(written);
  }
  ok = ok && ::FlushFileBuffers(h);
  return ::CloseHandle(h) && ok;
}

}  // namespace

namespace {

// MoveFileExW fails while another process has the old file open without sharing its deletion:
// a virus scanner or an indexer glancing at it, or a process that has just ended and whose
// handles the system has not closed yet. Such a hold lasts moments, so the replace is tried again
// for up to half a second before the save counts as failed.
bool ReplaceWithRetries(const fs::path& temp, const fs::path& file) {
  for (int attempt = 0;; ++attempt) {
    if (::MoveFileExW(temp.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    const DWORD error = ::GetLastError();
    if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) || attempt == 20) return false;
    ::Sleep(25);
  }
}

}  // namespace

SaveResult SaveFileAtomically(const std::string& path, std::string_view bytes) {
  const auto resolved = SaveTarget(path);
  if (const auto* error = std::get_if<SaveError>(&resolved)) return *error;
  const fs::path& file = std::get<fs::path>(resolved);
  if (SaveResult refused = CheckTarget(file)) return refused;

  fs::path temp;
  const HANDLE h = CreateTemp(file, temp);
  if (h == INVALID_HANDLE_VALUE) return SaveError{SaveProblem::CannotCreate, Utf8Path(FolderOf(file))};
  if (!WriteTemp(h, bytes)) {
    ::DeleteFileW(temp.c_str());
    return SaveError{SaveProblem::CannotWrite, Utf8Path(file)};
  }
  if (!ReplaceWithRetries(temp, file)) {
    ::DeleteFileW(temp.c_str());
    return SaveError{SaveProblem::CannotReplace, Utf8Path(file)};
  }
  return std::nullopt;
}

}  // namespace pelmora
