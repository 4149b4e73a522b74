// What decides the outcome: settling a landed throw, the vanish blink and the game-over check.
#include "game/Rules.h"

namespace pelmora {

void GameRules::SettleThrow() {
  // A throw still in flight when another column ended the game lands, but the score handed to the
  // leaderboard is final: nothing vanishes and nothing is scored after the game is over.
  if (g_.State == GameState::Over) return;
  const int c = g_.CurColumn;
  if (BottomRunLength(g_.Map, c, g_.HandKind) < 3) return;
  for (int r = LowestRow(g_.Map, c); r >= 0 && g_.Map[r][c].Kind == g_.HandKind; --r) {
    g_.Map[r][c] = MapCell{};
    ++g_.Score;
    ShowScore();  // may raise the level in the middle of a removal
    StartVanishEffect(r);
  }
}

void GameRules::StartVanishEffect(int row) {
  for (VanishEffect& e : g_.VanishEffects) {
    if (e.Active != 0) continue;
    e = VanishEffect{g_.CurColumn, static_cast<std::int16_t>(row), kTrue, g_.HandKind, kTrue, 0};
    return;
  }
  // Every slot busy: the piece vanishes without blinking.
}

void GameRules::StepVanish(FrameDrawing& draw) {
  for (VanishEffect& e : g_.VanishEffects) {
    if (e.Active == 0) continue;
    if (e.DrawPending != 0) {
      e.DrawPending = 0;
      ++e.BlinkCount;
      draw.DrawVanishingPiece(e.Column, e.Row, e.Kind);
      PlaySoundCue(cue::kVanish);
    } else {
      e.DrawPending = kTrue;
    }
    if (e.BlinkCount >= 3) e = VanishEffect{};
  }
}

void GameRules::CheckGameOver() {
  for (int c = 0; c < kColumns; ++c) {
    const MapCell& cell = g_.Map[kLimitRow][c];
    if (cell.State != CellState::Stop || cell.Kind == 0) continue;
    g_.State = GameState::Over;
    io_.timer.StopCountdown();
    PlaySoundCue(cue::kGameOver);
    io_.gameOver.EnterPXB(g_.Score);
    return;
  }
}

}  // namespace pelmora
