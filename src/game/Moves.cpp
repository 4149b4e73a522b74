// The player's moves: choosing a column, the press decision table, grab and throw.
#include <algorithm>

#include "game/Rules.h"

namespace pelmora {

void GameRules::SelectColumn(int column) {
  if (MovingFreely()) g_.CurColumn = static_cast<std::int16_t>(std::clamp(column, 0, kColumns - 1));
}

void GameRules::Press(MouseButton button) {
  if (!MovingFreely()) return;
  const std::int16_t grab = GrabKind(g_.Map, g_.CurColumn);

  if (button == MouseButton::Left && g_.HandKind != 0) {
    StartThrow();
  } else if (g_.HandKind == 0) {
    if (grab != 0) {
      StartGrab(grab);
    } else {
      g_.State = GameState::NoDown;
      PlaySoundCue(cue::kNoDown);
    }
  } else if (grab == g_.HandKind && !GrabWouldOverfillHand(grab)) {
    StartGrab(g_.HandKind);  // collecting: the run joins the hand
  } else {
    PlaySoundCue(cue::kNoDown);
  }
}

// A throw launches the hand from rows 11..10+HandCount, and the grid ends at row 50; a collecting
// grab that would take the hand past 40 pieces is refused like a grab of the wrong kind.
bool GameRules::GrabWouldOverfillHand(std::int16_t kind) const {
  int run = 0;
  for (int r = kLastFieldRow; r >= 0; --r) {
    const MapCell& cell = g_.Map[r][g_.CurColumn];
    if (cell.State != CellState::Stop || cell.Kind == 0) continue;
    if (cell.Kind != kind) break;
    ++run;
  }
  return g_.HandCount + run > kMaxHand;
}

void GameRules::StartGrab(std::int16_t kind) {
  g_.HandKind = kind;
  g_.Move = MoveState::Down;
  for (int r = kLastFieldRow; r >= 0; --r) {
    MapCell& cell = g_.Map[r][g_.CurColumn];
    if (cell.State != CellState::Stop || cell.Kind == 0) continue;
    if (cell.Kind != kind) break;
    cell.State = CellState::Down;
  }
}

void GameRules::StepGrab() {
  const int c = g_.CurColumn;
  // Bottom to top, so that a piece moved two rows down is not moved again in this frame. The
  // scan starts at row 12 to take in a falling piece that a descent pushed into row 11.
  for (int r = 12; r >= 0; --r) {
    MapCell& cell = g_.Map[r][c];
    if (cell.State != CellState::Down) continue;
    if (r < 9) {
      g_.Map[r + 2][c] = cell;
    } else {
      ++g_.HandCount;
      PlaySoundCue(cue::kDown);
    }
    cell = MapCell{};
  }
  for (int r = 0; r <= kLastFieldRow; ++r)
    if (g_.Map[r][c].State == CellState::Down) return;
  g_.Move = MoveState::Move;
}

void GameRules::StartThrow() {
  g_.Move = MoveState::Up;
  for (; g_.HandCount > 0; --g_.HandCount) {
    const int row = kLastFieldRow + g_.HandCount;
    if (row < kRows) g_.Map[row][g_.CurColumn] = MapCell{g_.HandKind, CellState::Up};
  }
}

void GameRules::StepThrow() {
  const int c = g_.CurColumn;
  bool flying = false;
  // Top to bottom: the leading piece moves first, so the thrown pieces stay together.
  for (int r = 0; r < kRows; ++r) {
    MapCell& cell = g_.Map[r][c];
    if (cell.State != CellState::Up) continue;
    if (r == 0 || g_.Map[r - 1][c].Kind != 0) {
      cell.State = CellState::Stop;
      PlaySoundCue(cue::kUp);
      continue;
    }
    const int to = (r >= 2 && g_.Map[r - 2][c].Kind == 0) ? r - 2 : r - 1;
    g_.Map[to][c] = cell;
    cell = MapCell{};
    flying = true;
  }
  if (flying) return;
  SettleThrow();
  g_.HandKind = 0;
  g_.Move = MoveState::Move;
}

}  // namespace pelmora
