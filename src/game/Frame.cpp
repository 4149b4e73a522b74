#include "game/Frame.h"

namespace pelmora {

namespace {

void AimGuideStep(GameRules& rules, FrameDrawing& draw) {
  Game& g = rules.game();
  const int target = rules.AimTargetRow();
  if (target >= kLimitRow) return;  // column full down to row 10: no arrow, phase frozen
  g.ArrowPhase = g.ArrowPhase == 1 ? 2 : 1;
  draw.DrawAimGuide(target, g.ArrowPhase, g.HandKind != 0);
}

void PlayerStep(Game& g, FrameDrawing& draw) {
  draw.DrawPlayer();
  // The refusal animation runs from wherever the shared counter stands to its frame 3.
  if (g.State == GameState::NoDown && g.PlayerFrame == 3) g.State = GameState::Star;
  g.PlayerFrame = g.PlayerFrame >= 3 ? 0 : static_cast<std::int16_t>(g.PlayerFrame + 1);
}

}  // namespace

void RunFrame(GameRules& rules, FrameDrawing& draw) {
  Game& g = rules.game();
  draw.ClearField();
  if (g.DescentDue == kTrue) rules.DescendMap();
  if (g.Move == MoveState::Down) rules.StepGrab();
  if (g.Move == MoveState::Up) rules.StepThrow();
  if (g.SnowShow == kTrue) draw.DrawSnow();
  draw.DrawPieces();
  rules.StepVanish(draw);
  AimGuideStep(rules, draw);
  if (g.State != GameState::Over) rules.CheckGameOver();
  PlayerStep(g, draw);
  draw.EndFrame();
}

bool FrameClock::Due(std::uint32_t now) {
  if (!running_) return false;
  if (first_ || now - last_ > kPeriodMs) {
    first_ = false;
    last_ = now;
    return true;
  }
  return false;
}

std::uint32_t FrameClock::MsUntilDue(std::uint32_t now) const {
  if (first_) return 0;
  const std::uint32_t elapsed = now - last_;
  return elapsed > kPeriodMs ? 0 : kPeriodMs + 1 - elapsed;
}

}  // namespace pelmora
