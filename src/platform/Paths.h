#pragma once
// Files of the game are named as the game folder followed directly by a relative name written
// with backslashes ("\images\", "\VornPGame.ini", picture-set folders such as "\pics\gems\").
// The names are joined as written and only then turned into a path of this system, so that
// settings files written on Windows keep working.

#include <string>
#include <string_view>

namespace pelmora {

// `joined` with every backslash turned into "/": the separator of POSIX systems, and one that
// Windows takes as well (as Qt writes its paths there), so that a path has one form everywhere.
std::string NativePath(std::string_view joined);

// NativePath(folder + relative).
inline std::string GamePath(std::string_view folder, std::string_view relative) {
  std::string joined(folder);
  joined += relative;
  return NativePath(joined);
}

}  // namespace pelmora
