#include "shell/qt/QtDescentTimer.h"

#include <algorithm>

namespace pelmora {

QtDescentTimer::QtDescentTimer(Tick& tick, std::function<void()> onTick) : tick_(tick), onTick_(std::move(onTick)) {
  // Twenty seconds should be twenty seconds: a coarse timer may be late by 5 % of them.
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setSingleShot(true);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Wake(); });
}

void QtDescentTimer::StartCountdown(int intervalMs) {
  countdown_.Start(tick_.Now(), intervalMs);
  Schedule();
}

void QtDescentTimer::ChangeInterval(int intervalMs) {
  countdown_.ChangeInterval(tick_.Now(), intervalMs);
  Schedule();
}

void QtDescentTimer::StopCountdown() {
  countdown_.Stop();
  timer_.stop();
}

void QtDescentTimer::HoldCountdown() {
  countdown_.Hold(tick_.Now());
  timer_.stop();
}

void QtDescentTimer::ResumeCountdown() {
  countdown_.Resume(tick_.Now());
  Schedule();
}

void QtDescentTimer::Wake() {
  if (countdown_.Expired(tick_.Now())) onTick_();
  Schedule();
}

void QtDescentTimer::Schedule() {
  if (!countdown_.Running() || countdown_.Held()) {
    timer_.stop();
    return;
  }
  // One millisecond at least: a timer woken a little early looks again, never in a busy loop.
  timer_.start(static_cast<int>(std::max<std::uint32_t>(countdown_.MsLeft(tick_.Now()), 1)));
}

}  // namespace pelmora
