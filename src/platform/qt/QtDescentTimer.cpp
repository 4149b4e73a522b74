#include "platform/qt/QtDescentTimer.h"

namespace pelmora {

QtDescentTimer::QtDescentTimer(std::function<void()> tick) {
  // Twenty seconds should be twenty seconds: a coarse timer may drift by 5 % of them.
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, std::move(tick));
}

void QtDescentTimer::StartCountdown(int intervalMs) { timer_.start(intervalMs); }

// Like the classic window timer, a new interval starts the countdown again.
void QtDescentTimer::ChangeInterval(int intervalMs) { timer_.setInterval(intervalMs); }

void QtDescentTimer::StopCountdown() { timer_.stop(); }

}  // namespace pelmora
