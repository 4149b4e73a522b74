// Many games of random play on a seeded generator, checking after every frame what must always
// hold: indices in range, every point a removed piece, the level following the score, the hand
// within the launch rows, and a still board whenever the player is idle.
#include <cmath>
#include <random>

#include "game/RulesFixture.h"

namespace pelmora::testing {
namespace {

struct NoHooks : NewGameHooks {
  bool ConfirmRestart() override { return true; }
  void StartMusic() override {}
  void SetUpSnow() override {}
  void LoadPictureSet() override {}
  void RestartLoop() override {}
};

int PiecesInPlay(const Game& g) {
  int n = g.HandCount;
  for (const auto& row : g.Map)
    for (const auto& cell : row) n += cell.Kind != 0;
  return n;
}

void ExpectSane(const Game& g, int frame) {
  ASSERT_GE(g.CurColumn, 0) << frame;
  ASSERT_LE(g.CurColumn, 9) << frame;
  ASSERT_GE(g.HandKind, 0) << frame;
  ASSERT_LE(g.HandKind, 8) << frame;
  ASSERT_GE(g.HandCount, 0) << frame;
  ASSERT_LE(g.HandCount, kMaxHand) << frame;
  ASSERT_GE(g.PlayerFrame, 0) << frame;
  ASSERT_LE(g.PlayerFrame, 3) << frame;
  ASSERT_EQ(g.Level, g.Score / 100 + 1) << frame;
  for (const auto& row : g.Map)
    for (const auto& cell : row) {
      ASSERT_GE(cell.Kind, 0) << frame;
      ASSERT_LE(cell.Kind, 8) << frame;
      if (g.Move == MoveState::Move) {
        ASSERT_EQ(cell.State, CellState::Stop) << frame;
      }
    }
  for (const auto& e : g.VanishEffects) {
    if (!e.Active) continue;
    ASSERT_GE(e.Column, 0);
    ASSERT_LE(e.Column, 9);
    ASSERT_GE(e.Kind, 1);
    ASSERT_LE(e.Kind, 8);
    ASSERT_LE(e.BlinkCount, 2);
  }
}

TEST(RandomPlay, ManyThousandFramesKeepTheRules) {
  Game game;
  UserSettings settings;
  settings.SoundON = kTrue;
  FakeCues cues;
  FakeTimer timer;
  FakeScoreView score;
  FakeGameOver gameOver;
  MersenneRandom random(20261207);
  GameRules rules(game, settings, RulesPorts{cues, timer, score, gameOver, random});
  RecordingDrawing drawing;
  NoHooks hooks;
  std::mt19937 player(7);
  auto chance = [&](int percent) { return static_cast<int>(player() % 100) < percent; };
  // A pointer anywhere from 20 px left of the field to 24 px right of it, as a column: now and
  // then one beyond the field, which the rules must keep within 0..9.
  auto anyColumn = [&] { return static_cast<int>(std::floor((static_cast<int>(player() % 420) - 28) / 36.0)); };
  // Half of the time the player aims at a column whose bottom matches the hand, so that runs
  // form and the scoring paths are exercised as well as the refusals.
  auto aimedColumn = [&] {
    std::vector<int> matching;
    for (int c = 0; c < kColumns; ++c)
      if (game.HandKind != 0 && GrabKind(game.Map, c) == game.HandKind) matching.push_back(c);
    if (matching.empty() || chance(50)) return anyColumn();
    return matching[player() % matching.size()];
  };

  int games = 0;
  int maxScore = 0;
  for (int frame = 0; frame < 60000; ++frame) {
    if (game.State == GameState::NoStar || game.State == GameState::Over) {
      settings.GameMode = static_cast<std::int16_t>(1 + player() % 4);
      ASSERT_TRUE(rules.NewGame(hooks));
      ++games;
    }
    if (chance(30)) rules.SelectColumn(anyColumn());
    if (chance(25)) {
      const MouseButton b = chance(60) ? MouseButton::Left : chance(80) ? MouseButton::Right : MouseButton::Middle;
      rules.SelectColumn(aimedColumn());
      rules.Press(b);
    }
    if (chance(3)) rules.DescentTick();

    // Conservation: pieces in play plus points only change by the descent's new row and by a
    // row-11 piece that a descent overwrites.
    int expected = PiecesInPlay(game) + game.Score;
    if (game.DescentDue == kTrue) {
      expected += kColumns;
      for (int c = 0; c < kColumns; ++c) expected -= game.Map[10][c].Kind != 0 && game.Map[11][c].Kind != 0;
    }
    RunFrame(rules, drawing);
    ASSERT_EQ(PiecesInPlay(game) + game.Score, expected) << "frame " << frame;
    ExpectSane(game, frame);
    if (::testing::Test::HasFatalFailure()) return;
    maxScore = std::max(maxScore, game.Score);
  }
  // The run must really have played: several games, points scored, games lost.
  EXPECT_GT(games, 5);
  EXPECT_GT(maxScore, 30);
  EXPECT_GE(static_cast<int>(gameOver.scores.size()), games - 1);
}

}  // namespace
}  // namespace pelmora::testing
