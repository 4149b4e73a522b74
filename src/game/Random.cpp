#include "game/Random.h"

namespace pelmora {

int Random::Between1And(int n) {
  if (n < 1) return 1;
  const int k = static_cast<int>(Unit() * n) + 1;
  return k > n ? n : k;  // guards against a Unit() of exactly 1 from a careless fake
}

}  // namespace pelmora
