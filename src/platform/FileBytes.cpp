#include "platform/FileBytes.h"

#include <sys/stat.h>

#include <cstdio>

#include "platform/NativeFile.h"

namespace pelmora {

std::optional<std::string> ReadFileBytes(const std::string& path) {
  std::FILE* f = OpenStdFile(path, "rb");
  if (f == nullptr) return std::nullopt;
  std::string bytes;
  // Sized once up front: growing by doubling would hold twice a big file for a moment.
  struct stat st {};
  if (::fstat(::fileno(f), &st) == 0 && S_ISREG(st.st_mode)) bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[1 << 16];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return std::nullopt;
  return bytes;
}

}  // namespace pelmora
