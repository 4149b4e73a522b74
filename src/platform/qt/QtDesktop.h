#pragma once
// The desktop services through Qt: the millisecond tick and opening files and addresses.

#include <QElapsedTimer>

#include "platform/Desktop.h"

namespace pelmora {

class QtTick final : public Tick {
 public:
  QtTick() { clock_.start(); }
  // Milliseconds since start-up, wrapping at 2^32 like the platform tick it stands for.
  std::uint32_t Now() override { return static_cast<std::uint32_t>(clock_.elapsed()); }

 private:
  QElapsedTimer clock_;
};

class QtShellOpener final : public ShellOpener {
 public:
  // A path opens with the user's viewer for its type, anything with a scheme as an address.
  void Open(const std::string& pathOrUrl) override;
};

}  // namespace pelmora
