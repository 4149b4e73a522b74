#include "platform/Paths.h"

#include <algorithm>

namespace pelmora {

std::string NativePath(std::string_view joined) {
  std::string path(joined);
#ifndef _WIN32
  std::replace(path.begin(), path.end(), '\\', '/');
#endif
  return path;
}

}  // namespace pelmora
