#pragma once
// The game's real random source: a Mersenne Twister behind the rules' Random interface.

#include <cstdint>
#include <random>

#include "game/Random.h"

namespace pelmora {

// Mersenne Twister source. Seeded with a fixed value it is repeatable and Reseed() does nothing.
class MersenneRandom final : public Random {
 public:
  MersenneRandom();                                 // seeded from the clock, reseeds from the clock
  explicit MersenneRandom(std::uint32_t seed);      // repeatable
  double Unit() override;
  void Reseed() override;

 private:
  std::mt19937 engine_;
  bool fromClock_;
};

}  // namespace pelmora
