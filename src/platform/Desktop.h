#pragma once
// What the game asks of the desktop besides windows.

#include <cstdint>
#include <string>

namespace pelmora {

// A millisecond tick that wraps at 2^32, like the platform's tick count.
class Tick {
 public:
  virtual ~Tick() = default;
  virtual std::uint32_t Now() = 0;
};

// Opens a file or a web address with the user's default program.
class ShellOpener {
 public:
  virtual ~ShellOpener() = default;
  virtual void Open(const std::string& pathOrUrl) = 0;
};

}  // namespace pelmora
