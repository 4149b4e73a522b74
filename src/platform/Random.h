#pragma once
// The game's random source. Every random choice of the rules is "a uniform integer 1..n";
// the generator is reseeded from the clock when a board is filled and at each descent.

#include <cstdint>
#include <random>

namespace pelmora {

class Random {
 public:
  virtual ~Random() = default;
  // A uniform value in [0, 1).
  virtual double Unit() = 0;
  // Reseed from the clock. Seeded test sources keep their sequence instead.
  virtual void Reseed() = 0;

  // A uniform integer in 1..n, formed as Int(Unit() * n) + 1; n < 1 gives 1.
  int Between1And(int n);
};

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
