#pragma once
// Drives the frame loop on the Qt event loop: a single-shot timer wakes the process when the
// next frame is due, so it sleeps between frames instead of polling the clock. Handlers of the
// window run between two frames, never inside one.

#include <QObject>
#include <QTimer>
#include <functional>

#include "game/Frame.h"
#include "platform/Desktop.h"
#include "shell/SessionPorts.h"

namespace pelmora {

class FrameDriver final : public QObject, public FrameLoop {
 public:
  // `mayRun` tells whether a frame may run now: no frame runs while a modal dialogue or the
  // pop-up menu is open, nor after shutdown has begun. `frame` runs one frame.
  FrameDriver(Tick& tick, std::function<bool()> mayRun, std::function<void()> frame);

  // (Re)starts the loop: its first frame runs as soon as the event loop is free. There is only
  // ever one loop; a restart replaces the old schedule.
  void Restart() override;
  void Stop() override;
  bool Running() const override { return clock_.running(); }

 private:
  void Check();
  void Schedule(std::uint32_t ms);

  // While held, the loop looks again once a frame period: a held frame runs at most one period
  // late, and an open dialogue costs ten wake-ups a second.
  static constexpr std::uint32_t kHeldRecheckMs = FrameClock::kPeriodMs;

  Tick& tick_;
  std::function<bool()> mayRun_;
  std::function<void()> frame_;
  FrameClock clock_;
  QTimer timer_;
  bool inFrame_ = false;
};

}  // namespace pelmora
