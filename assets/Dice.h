#pragma once
// A small repeatable random source for scattering stars and grass, for noise in sounds and
// for composing melodies: the same sequence on every run and every machine (unlike the
// distributions of <random>, whose output the standard leaves open).

#include <cstdint>

namespace pelmora::assets {

class Dice {
 public:
  explicit Dice(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
  // Uniform in [0, 1).
  double Unit() {
    // xorshift32: tiny, fast and fully specified.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return (state_ >> 8) * (1.0 / 16777216.0);
  }
  double Between(double lo, double hi) { return lo + (hi - lo) * Unit(); }
  // Uniform in 0..n-1.
  int Below(int n) { return static_cast<int>(Unit() * n); }

 private:
  std::uint32_t state_;
};

}  // namespace pelmora::assets
