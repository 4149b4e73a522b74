#include "game/Countdown.h"

#include <algorithm>

namespace pelmora {

void Countdown::Start(std::uint32_t now, int intervalMs) {
  interval_ = static_cast<std::uint32_t>(std::max(intervalMs, 1));
  start_ = now;
  wait_ = interval_;
  running_ = true;
  held_ = false;
}

void Countdown::ChangeInterval(std::uint32_t now, int intervalMs) {
  if (!running_) {
    interval_ = static_cast<std::uint32_t>(std::max(intervalMs, 1));
    return;
  }
  const bool held = held_;
  Start(now, intervalMs);
  if (held) Hold(now);
}

void Countdown::Stop() {
  running_ = false;
  held_ = false;
}

void Countdown::Hold(std::uint32_t now) {
  if (!running_ || held_) return;
  left_ = MsLeft(now);
  held_ = true;
}

void Countdown::Resume(std::uint32_t now) {
  if (!running_ || !held_) return;
  start_ = now;
  wait_ = left_;
  held_ = false;
}

bool Countdown::Expired(std::uint32_t now) {
  if (!running_ || held_ || now - start_ < wait_) return false;
  start_ = now;
  wait_ = interval_;
  return true;
}

std::uint32_t Countdown::MsLeft(std::uint32_t now) const {
  if (held_) return left_;
  const std::uint32_t elapsed = now - start_;
  return elapsed >= wait_ ? 0 : wait_ - elapsed;
}

}  // namespace pelmora
