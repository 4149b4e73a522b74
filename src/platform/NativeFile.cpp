#include "platform/NativeFile.h"

#include <fcntl.h>

#include <string_view>

namespace pelmora {

std::filesystem::path FsPath(const std::string& path) {
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string Utf8Path(const std::filesystem::path& path) {
  const std::u8string utf8 = path.generic_u8string();
  return std::string(utf8.begin(), utf8.end());
}

#ifdef _WIN32

int OpenFile(const std::string& path, int flags) {
  return ::_wopen(FsPath(path).c_str(), flags | O_BINARY | O_NOINHERIT, 0666);
}

std::FILE* OpenStdFile(const std::string& path, const char* mode) {
  const std::string_view narrow(mode);
  return ::_wfopen(FsPath(path).c_str(), std::wstring(narrow.begin(), narrow.end()).c_str());
}

#else

int OpenFile(const std::string& path, int flags) { return ::open(path.c_str(), flags | O_CLOEXEC, 0666); }

std::FILE* OpenStdFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

#endif

}  // namespace pelmora
