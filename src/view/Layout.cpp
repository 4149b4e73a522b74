#include "view/Layout.h"

#include <cmath>

#include "game/Board.h"

namespace pelmora::layout {

std::int16_t PointerColumn(double x) {
  const double column = std::floor((x - kFieldOrigin) / kCell);
  if (!std::isfinite(column) || column < -32768.0 || column > 32767.0) return 0;
  if (column < 0) return 0;
  if (column > kColumns - 1) return kColumns - 1;
  return static_cast<std::int16_t>(column);
}

}  // namespace pelmora::layout
