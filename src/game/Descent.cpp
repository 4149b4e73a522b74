// The board descent and the aim target, the two rules that look at a whole column from below.
#include "game/Rules.h"

namespace pelmora {

void GameRules::DescendMap() {
  io_.random.Reseed();
  // Bottom up, so every piece of rows 0..10 ends one row lower; an empty cell is not copied, so a
  // resting piece in row 11 stays unless row 10 of its column holds a piece.
  for (int r = kLastFieldRow; r >= 0; --r) {
    for (int c = 0; c < kColumns; ++c) {
      if (g_.Map[r][c].Kind == 0) continue;
      g_.Map[r + 1][c] = g_.Map[r][c];
      g_.Map[r][c] = MapCell{};
    }
  }
  for (int c = 0; c < kColumns; ++c)
    g_.Map[0][c] = MapCell{static_cast<std::int16_t>(io_.random.Between1And(kKinds)), CellState::Stop};
  for (VanishEffect& e : g_.VanishEffects)
    if (e.Active == kTrue) ++e.Row;  // the blink follows the board down; its row only places a drawing
  g_.DescentDue = kFalse;
}

int GameRules::AimTargetRow() const {
  int row = kLimitRow;
  while (row >= 0 && g_.Map[row][g_.CurColumn].Kind == 0) --row;
  return row + 1;
}

}  // namespace pelmora
