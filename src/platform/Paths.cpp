#include "platform/Paths.h"

#include <algorithm>

namespace pelmora {

std::string NativePath(std::string_view joined) {
  std::string path(joined);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace pelmora
