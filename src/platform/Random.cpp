#include "platform/Random.h"

#include <chrono>

namespace pelmora {

namespace {
std::uint32_t ClockSeed() {
  return static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count() ^
                                    std::chrono::system_clock::now().time_since_epoch().count());
}
}  // namespace

MersenneRandom::MersenneRandom() : engine_(ClockSeed()), fromClock_(true) {}
MersenneRandom::MersenneRandom(std::uint32_t seed) : engine_(seed), fromClock_(false) {}

double MersenneRandom::Unit() {
  // 32 random bits scaled into [0, 1): exact, and never 1.
  return static_cast<double>(engine_()) / 4294967296.0;
}

void MersenneRandom::Reseed() {
  if (fromClock_) engine_.seed(ClockSeed());
}

}  // namespace pelmora
