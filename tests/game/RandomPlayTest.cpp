// Many games on a seeded generator, checking after every frame what must always hold: indices in
// range, every point a removed piece, the level following the score (with its caption and its
// descent interval), the hand within the launch rows, and a still board whenever the player is
// idle. A random player covers the refusals and the odd inputs; a greedy one scores well enough to
// climb the levels, so that the level-up paths run under the same checks. Both players also start
// games from scores of levels 150 to 250, where the descent reaches its 100 ms floor.
#include <cmath>
#include <random>

#include "game/RulesFixture.h"
#include "view/Layout.h"

namespace pelmora::testing {
namespace {

struct NoHooks : NewGameHooks {
  bool ConfirmRestart() override { return true; }
  void StartMusic() override {}
  void SetUpSnow() override {}
  void LoadPictureSet() override {}
  void RestartLoop() override {}
};

// The descent's pace as the rules give it: 20000 ms at level 1, 100 ms less each level, and never
// below 100 ms.
int IntervalMsOfLevel(int level) { return level >= 200 ? 100 : 20000 - (level - 1) * 100; }

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

// How many pieces of `kind` a grab under `column` takes: the resting run at its bottom.
int GrabRun(const MapGrid& map, int column, std::int16_t kind) {
  if (GrabKind(map, column) != kind) return 0;
  return BottomRunLength(map, column, kind);
}

// The column holding the fewest pieces: where a throw that cannot score does the least harm.
int EmptiestColumn(const MapGrid& map) {
  int best = 0;
  for (int c = 1; c < kColumns; ++c)
    if (LowestRow(map, c) < LowestRow(map, best)) best = c;
  return best;
}

struct Press {
  int column;
  MouseButton button;
};

// A player who looks for points: with a hand, throw it where it makes three (any column, once the
// hand holds three), else collect more of its kind, else park it under the emptiest column;
// without one, grab the run whose kind lies most at the bottoms of the columns.
Press GreedyPress(const Game& g) {
  const MapGrid& map = g.Map;
  if (g.HandKind != 0) {
    for (int c = 0; c < kColumns; ++c)
      if (GrabRun(map, c, g.HandKind) + g.HandCount >= 3) return {c, MouseButton::Left};
    if (g.HandCount >= 3) return {EmptiestColumn(map), MouseButton::Left};
    for (int c = 0; c < kColumns; ++c)
      if (GrabRun(map, c, g.HandKind) > 0 && GrabRun(map, c, g.HandKind) + g.HandCount <= kMaxHand)
        return {c, MouseButton::Right};
    return {EmptiestColumn(map), MouseButton::Left};
  }
  int bestColumn = 0;
  int bestTotal = -1;
  for (int c = 0; c < kColumns; ++c) {
    const std::int16_t kind = GrabKind(map, c);
    if (kind == 0) continue;
    int total = 0;
    for (int d = 0; d < kColumns; ++d) total += GrabRun(map, d, kind);
    if (total > bestTotal) {
      bestTotal = total;
      bestColumn = c;
    }
  }
  return {bestColumn, MouseButton::Left};
}

class Play {
 public:
  // `highStart`: every game starts from a score of level 150..250 (14900..24999 points).
  explicit Play(bool highStart = false) : highStart_(highStart) { settings.SoundON = kTrue; }

  // One frame of play: the player's input, the descent when due, then the frame, checked.
  template <typename Player>
  void Frame(int frame, Player&& player, bool descentDue) {
    if (game.State == GameState::NoStar || game.State == GameState::Over) {
      settings.GameMode = static_cast<std::int16_t>(1 + rng() % 4);
      ASSERT_TRUE(rules.NewGame(hooks));
      ++games;
      if (highStart_) {
        game.Score = static_cast<int>(14900 + rng() % 10100);
        rules.ShowScore();
      }
    }
    player();
    if (descentDue) rules.DescentTick();

    // Conservation: pieces in play plus points only change by the descent's new row and by a
    // row-11 piece that a descent overwrites.
    int expected = PiecesInPlay(game) + game.Score;
    if (game.DescentDue == kTrue) {
      expected += kColumns;
      for (int c = 0; c < kColumns; ++c) expected -= game.Map[10][c].Kind != 0 && game.Map[11][c].Kind != 0;
    }
    const int levelBefore = game.Level;
    RunFrame(rules, drawing);
    // A removal that runs past a hundred raises the level on its way, not at its end.
    if (game.Level > levelBefore && game.Score % 100 != 0) ++levelUpsMidRemoval;
    ASSERT_EQ(PiecesInPlay(game) + game.Score, expected) << "frame " << frame;
    ExpectSane(game, frame);
    // The level's face and pace follow the score, even when a removal crosses a hundred.
    ASSERT_EQ(score.caption, "第" + std::to_string(game.Level) + "关") << frame;
    ASSERT_EQ(timer.interval, IntervalMsOfLevel(game.Level)) << frame;
    if (timer.interval == 100) ++framesAtFloor;
    maxScore = std::max(maxScore, game.Score);
    maxLevel = std::max<int>(maxLevel, game.Level);
  }

  bool Chance(int percent) { return static_cast<int>(rng() % 100) < percent; }

  Game game;
  UserSettings settings;
  FakeCues cues;
  FakeTimer timer;
  FakeScoreView score;
  FakeGameOver gameOver;
  MersenneRandom random{20261207};
  GameRules rules{game, settings, RulesPorts{cues, timer, score, gameOver, random}};
  RecordingDrawing drawing;
  NoHooks hooks;
  std::mt19937 rng{7};
  int games = 0;
  int maxScore = 0;
  int maxLevel = 0;
  int levelUpsMidRemoval = 0;
  int framesAtFloor = 0;  // frames played with the descent at its 100 ms floor

 private:
  bool highStart_;
};

// A player pressing anything anywhere, for `frames` frames with a descent now and then.
void PlayAtRandom(Play& play, int frames) {
  Game& game = play.game;
  // A pointer anywhere from 20 px left of the field to 24 px right of it, as a column: now and
  // then one beyond the field, which the rules must keep within 0..9.
  auto anyColumn = [&] { return static_cast<int>(std::floor((static_cast<int>(play.rng() % 420) - 28) / static_cast<double>(layout::kCell))); };
  // Half of the time the player aims at a column whose bottom matches the hand, so that runs
  // form and the scoring paths are exercised as well as the refusals.
  auto aimedColumn = [&] {
    std::vector<int> matching;
    for (int c = 0; c < kColumns; ++c)
      if (game.HandKind != 0 && GrabKind(game.Map, c) == game.HandKind) matching.push_back(c);
    if (matching.empty() || play.Chance(50)) return anyColumn();
    return matching[play.rng() % matching.size()];
  };
  auto player = [&] {
    if (play.Chance(30)) play.rules.SelectColumn(anyColumn());
    if (play.Chance(25)) {
      const MouseButton b = play.Chance(60)   ? MouseButton::Left
                            : play.Chance(80) ? MouseButton::Right
                                              : MouseButton::Middle;
      play.rules.SelectColumn(aimedColumn());
      play.rules.Press(b);
    }
  };
  for (int frame = 0; frame < frames; ++frame) {
    play.Frame(frame, player, play.Chance(3));
    if (::testing::Test::HasFatalFailure()) return;
  }
}

// The greedy player for `frames` frames against the real timer at twice the real pace; returns
// the level each finished game reached.
std::vector<int> PlayGreedily(Play& play, int frames) {
  // One press every few frames, now and then a careless one, so that games also end. The
  // descent comes at twice the real pace (a frame counts 200 ms against the timer's interval),
  // which the greedy player outruns for a few hundred points before the board wins.
  auto player = [&] {
    if (!play.Chance(40)) return;
    const Press p = play.Chance(8) ? Press{static_cast<int>(play.rng() % kColumns), MouseButton::Left}
                                   : GreedyPress(play.game);
    play.rules.SelectColumn(p.column);
    play.rules.Press(p.button);
  };
  int waitedMs = 0;
  int interval = 0;
  std::vector<int> levels;
  for (int frame = 0; frame < frames; ++frame) {
    // A new interval starts the countdown over, as the real timer does.
    if (play.timer.interval != interval || play.timer.starts != 0) {
      interval = play.timer.interval;
      play.timer.starts = 0;
      waitedMs = 0;
    }
    waitedMs += 200;
    const bool due = play.timer.enabled && waitedMs >= interval;
    if (due) waitedMs = 0;
    const GameState before = play.game.State;
    play.Frame(frame, player, due);
    if (::testing::Test::HasFatalFailure()) break;
    if (before != GameState::Over && play.game.State == GameState::Over) levels.push_back(play.game.Level);
  }
  std::string reached;
  for (const int level : levels) reached += std::to_string(level) + " ";
  ::testing::Test::RecordProperty("levels_reached", reached);
  return levels;
}

TEST(RandomPlay, ManyThousandFramesKeepTheRules) {
  Play play;
  PlayAtRandom(play, 60000);
  // The run must really have played: several games, points scored, games lost.
  EXPECT_GT(play.games, 5);
  EXPECT_GT(play.maxScore, 30);
  EXPECT_GE(static_cast<int>(play.gameOver.scores.size()), play.games - 1);
}

TEST(RandomPlay, GreedyPlayClimbsTheLevelsKeepingTheRules) {
  Play play;
  const std::vector<int> levels = PlayGreedily(play, 60000);
  EXPECT_GE(play.maxLevel, 3) << "over " << play.games << " games";
  EXPECT_GT(play.levelUpsMidRemoval, 0);
  EXPECT_GE(levels.size(), 3u) << "games must also end";
}

TEST(RandomPlay, GamesFromHighScoresKeepTheRulesAtTheDescentFloor) {
  Play random(true);
  PlayAtRandom(random, 10000);
  EXPECT_GT(random.games, 5);
  EXPECT_GT(random.maxLevel, 200);
  EXPECT_GT(random.framesAtFloor, 0);

  Play greedy(true);
  const std::vector<int> levels = PlayGreedily(greedy, 10000);
  EXPECT_GT(greedy.maxLevel, 200);
  EXPECT_GT(greedy.framesAtFloor, 0);
  EXPECT_GT(greedy.levelUpsMidRemoval, 0);
  EXPECT_GE(levels.size(), 3u) << "games must also end";
}

}  // namespace
}  // namespace pelmora::testing
