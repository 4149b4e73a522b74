#pragma once
// The game's random source, as the rules see it. Every random choice of the rules is "a uniform
// integer 1..n"; the generator is reseeded from the clock when a board is filled and at each
// descent. platform/Random.h has the real generator; tests use repeatable fakes.

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

}  // namespace pelmora
