// The new-game command, the board fill and the score display with its levels.
#include <algorithm>
#include <string>

#include "game/Rules.h"

namespace pelmora {

GameRules::GameRules(Game& game, const UserSettings& settings, RulesPorts ports)
    : g_(game), settings_(settings), io_(ports) {}

void GameRules::PlaySoundCue(std::string_view name) {
  if (settings_.SoundON == kTrue) io_.cues.PlayCue(name);
}

bool GameRules::NewGame(NewGameHooks& hooks) {
  const bool running = g_.State != GameState::NoStar && g_.State != GameState::Over;
  if (running && !hooks.ConfirmRestart()) return false;

  g_.HandCount = 0;
  g_.HandKind = 0;
  g_.PlayerFrame = 0;
  g_.Move = MoveState::Move;
  g_.VanishEffects.fill(VanishEffect{});
  g_.Score = 0;
  g_.Level = 1;
  io_.score.ShowLevel(1);
  ShowScore();
  g_.DescentDue = kFalse;
  io_.timer.StartCountdown(DescentIntervalMs(1));
  g_.State = GameState::Star;
  hooks.StartMusic();
  FillMap();
  g_.SnowShow = kFalse;
  hooks.SetUpSnow();
  PlaySoundCue(cue::kGameStart);
  g_.CurColumn = 5;
  hooks.LoadPictureSet();
  hooks.RestartLoop();
  return true;
}

void GameRules::FillMap() {
  io_.random.Reseed();
  for (auto& row : g_.Map) row.fill(MapCell{});
  // A damaged settings file may hold any mode; beyond 1..4 the fill would reach the limit row
  // (mode 6) or leave the grid (mode 26), so the fill uses the nearest real mode.
  const int mode = std::clamp<int>(settings_.GameMode, 1, kModes);
  for (int r = 0; r <= 2 * mode; ++r)
    for (int c = 0; c < kColumns; ++c)
      g_.Map[r][c] = MapCell{static_cast<std::int16_t>(io_.random.Between1And(kKinds)), CellState::Stop};
}

int GameRules::DescentIntervalMs(int level) {
  // The 100 ms floor keeps levels above 200 playable instead of a zero or negative interval.
  return std::max(100, 20000 - (level - 1) * 100);
}

void GameRules::ShowScore() {
  const std::string text = "00000000" + std::to_string(std::max(g_.Score, 0));
  io_.score.ShowDigits(std::string_view(text).substr(text.size() - 8));
  const int newLevel = std::min(g_.Score / 100 + 1, 32767);
  if (newLevel == g_.Level) return;
  g_.Level = static_cast<std::int16_t>(newLevel);
  io_.timer.ChangeInterval(DescentIntervalMs(g_.Level));
  io_.score.ShowLevel(g_.Level);
}

}  // namespace pelmora
