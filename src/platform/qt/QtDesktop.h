#pragma once
// The desktop services through Qt: the millisecond tick and opening files and addresses.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <functional>

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

// Opens a path with the user's viewer for its type and anything with a scheme as an address.
// When the desktop has no program for it, the game shows a file in a window of its own and an
// address in a box the player can copy it from.
class QtShellOpener final : public ShellOpener {
  Q_DECLARE_TR_FUNCTIONS(QtShellOpener)

 public:
  // Hands `url` to the desktop and calls `done` with whether a program took it, at once or
  // later, from the event loop.
  using Launch = std::function<void(const QUrl& url, std::function<void(bool)> done)>;
  static void LaunchWithDesktop(const QUrl& url, std::function<void(bool)> done);

  explicit QtShellOpener(Launch launch = LaunchWithDesktop) : launch_(std::move(launch)) {}
  void SetOwner(QWidget* owner) { owner_ = owner; }
  void Open(const std::string& pathOrUrl) override;

 private:
  void ShowInstead(const QUrl& url);

  Launch launch_;
  QPointer<QWidget> owner_;
};

}  // namespace pelmora
