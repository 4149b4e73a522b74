#pragma once
// The descent timer MapMoveDownTimer on a Qt timer: each expiry calls the tick handler.

#include <QTimer>
#include <functional>

#include "game/Ports.h"

namespace pelmora {

class QtDescentTimer final : public DescentTimer {
 public:
  explicit QtDescentTimer(std::function<void()> tick);

  void StartCountdown(int intervalMs) override;
  void ChangeInterval(int intervalMs) override;
  void StopCountdown() override;

  const QTimer& timer() const { return timer_; }

 private:
  QTimer timer_;
};

}  // namespace pelmora
