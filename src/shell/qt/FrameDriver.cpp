#include "shell/qt/FrameDriver.h"

#include <algorithm>

namespace pelmora {

FrameDriver::FrameDriver(Tick& tick, std::function<bool()> mayRun, std::function<void()> frame)
    : tick_(tick), mayRun_(std::move(mayRun)), frame_(std::move(frame)) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &FrameDriver::Check);
}

void FrameDriver::Restart() {
  clock_.Restart();
  Schedule(0);
}

void FrameDriver::Stop() {
  clock_.Stop();
  timer_.stop();
}

void FrameDriver::Schedule(std::uint32_t ms) { timer_.start(static_cast<int>(std::min<std::uint32_t>(ms, 1000))); }

void FrameDriver::Check() {
  if (!clock_.running()) return;
  // A frame step that opens a dialogue (the game-over hand-off) spins a nested event loop; the
  // frame must not be entered again from there, and no frame runs while a dialogue is open.
  if (inFrame_ || !mayRun_()) {
    Schedule(std::max(clock_.MsUntilDue(tick_.Now()), kHeldRecheckMs));
    return;
  }
  if (clock_.Due(tick_.Now())) {
    inFrame_ = true;
    frame_();
    inFrame_ = false;
  }
  if (clock_.running()) Schedule(std::max<std::uint32_t>(clock_.MsUntilDue(tick_.Now()), 1));
}

}  // namespace pelmora
