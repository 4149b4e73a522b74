#pragma once
// The descent timer MapMoveDownTimer on the Qt event loop: the countdown's clock is the game's
// millisecond tick, and a single-shot timer wakes the process when it is due, so a paused game
// keeps the time the countdown had left. Each expiry calls the tick handler.

#include <QTimer>
#include <functional>

#include "game/Countdown.h"
#include "game/Ports.h"
#include "platform/Desktop.h"

namespace pelmora {

class QtDescentTimer final : public DescentTimer {
 public:
  QtDescentTimer(Tick& tick, std::function<void()> onTick);

  void StartCountdown(int intervalMs) override;
  void ChangeInterval(int intervalMs) override;
  void StopCountdown() override;
  void HoldCountdown() override;
  void ResumeCountdown() override;

  const Countdown& countdown() const { return countdown_; }

 private:
  void Wake();
  void Schedule();

  Tick& tick_;
  std::function<void()> onTick_;
  Countdown countdown_;
  QTimer timer_;
};

}  // namespace pelmora
