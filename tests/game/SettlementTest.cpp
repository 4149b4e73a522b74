// Settling a landed throw, the blink of removed pieces, scoring, levels and game over.
#include "game/RulesFixture.h"

namespace pelmora::testing {
namespace {

using ::testing::ElementsAre;

class Settlement : public RulesTest {
 protected:
  // Throws a hand of `count` pieces of `kind` into the current column and lets it land.
  void ThrowAndLand(int kind, int count) {
    game.HandKind = static_cast<std::int16_t>(kind);
    game.HandCount = static_cast<std::int16_t>(count);
    rules.StartThrow();
    for (int guard = 0; game.Move == MoveState::Up && guard < 40; ++guard) Frame();
    ASSERT_EQ(game.Move, MoveState::Move);
  }
  int ActiveEffects() const {
    int n = 0;
    for (const auto& e : game.VanishEffects) n += e.Active != 0;
    return n;
  }
};

TEST_F(Settlement, TwoThrownCompleteARunOfThreeWithTheBottomPiece) {
  Play(Board({"1", "2", "4"}), 0);
  ThrowAndLand(4, 2);
  EXPECT_THAT(Shown(4), ElementsAre("1.........", "2.........", "..........", "..........", ".........."));
  EXPECT_EQ(game.Score, 3);
  EXPECT_EQ(ActiveEffects(), 3);
  EXPECT_EQ(game.HandKind, 0);
  EXPECT_EQ(score.digits, "00000003");
}

TEST_F(Settlement, ThreeThrownIntoAnEmptyColumnVanishAtOnce) {
  Play(Board({}), 5);
  ThrowAndLand(6, 3);
  EXPECT_EQ(LowestRow(game.Map, 5), 0);
  EXPECT_EQ(game.Map[0][5].Kind, 0);
  EXPECT_EQ(game.Score, 3);
  // Removed from the bottom up: rows 2, 1, 0 in slots 0, 1, 2.
  EXPECT_EQ(game.VanishEffects[0], (VanishEffect{5, 2, 0, 6, kTrue, 1}));
  EXPECT_EQ(game.VanishEffects[2], (VanishEffect{5, 0, 0, 6, kTrue, 1}));
}

TEST_F(Settlement, AColumnOfOnlyTheThrownKindEmptiesCompletely) {
  Play(Board({"8", "8", "8", "8"}), 0);
  ThrowAndLand(8, 1);
  EXPECT_EQ(game.Map[0][0].Kind, 0);
  EXPECT_EQ(game.Score, 5);
}

TEST_F(Settlement, NoChainReactionAfterARemoval) {
  Play(Board({"3", "3", "3", "5"}), 0);
  ThrowAndLand(5, 2);
  // The three 3s now at the bottom stay: only the thrown kind is looked at, once.
  EXPECT_THAT(Shown(3), ElementsAre("3.........", "3.........", "3.........", ".........."));
  EXPECT_EQ(game.Score, 3);
}

TEST_F(Settlement, LevelRisesInTheMiddleOfARemoval) {
  Play(Board({"2", "2"}), 0);
  game.Score = 98;
  ThrowAndLand(2, 2);
  EXPECT_EQ(game.Score, 102);
  EXPECT_EQ(game.Level, 2);
  EXPECT_EQ(timer.interval, 19900);
  EXPECT_THAT(score.captions, ElementsAre("第2关"));  // once, when 100 was reached
  EXPECT_EQ(score.digits, "00000102");
}

TEST_F(Settlement, ShowScoreLevelsAndTheirPace) {
  struct Case { int score; int level; int interval; };
  for (Case c : {Case{99, 1, 0}, Case{100, 2, 19900}, Case{101, 2, 19900}, Case{999, 10, 19100},
                 Case{19999, 200, 100}, Case{20000, 201, 100}, Case{1234567, 12346, 100}}) {
    game.Score = c.score;
    rules.ShowScore();
    EXPECT_EQ(game.Level, c.level) << c.score;
    if (c.interval) {
      EXPECT_EQ(timer.interval, c.interval) << c.score;
    }
  }
  game.Score = 123456789;
  rules.ShowScore();
  EXPECT_EQ(score.digits, "23456789");  // the last eight digits
}

TEST_F(Settlement, ARemovedPieceBlinksThreeTimesOverFiveFrames) {
  Play(Board({}), 2);
  game.HandKind = 7;
  game.HandCount = 3;
  rules.StartThrow();
  while (game.Move == MoveState::Up) Frame();  // the landing frame draws the first blink
  auto blinks = [&] {
    int n = 0;
    for (const auto& call : drawing.calls) n += call.rfind("blink", 0) == 0;
    return n;
  };
  EXPECT_EQ(blinks(), 3);
  EXPECT_EQ(cues.Count(cue::kVanish), 3);
  const int perFrame[] = {0, 3, 0, 3, 0};
  for (int expected : perFrame) {
    Frame();
    EXPECT_EQ(blinks(), expected);
  }
  EXPECT_EQ(cues.Count(cue::kVanish), 9);
  EXPECT_EQ(ActiveEffects(), 0);
  for (const auto& e : game.VanishEffects) EXPECT_EQ(e, VanishEffect{});
}

TEST_F(Settlement, BlinksAreDrawnAfterThePiecesAndBeforeTheAim) {
  Play(Board({}), 2);
  game.HandKind = 7;
  game.HandCount = 3;
  rules.StartThrow();
  while (game.Move == MoveState::Up) Frame();
  EXPECT_THAT(drawing.calls, ElementsAre("clear", "pieces", "blink 2,2 kind 7", "blink 2,1 kind 7",
                                         "blink 2,0 kind 7", "aim row 0 phase 2 down", "player"));
}

TEST_F(Settlement, ALaterRemovalTakesOtherSlots) {
  // Thrown pieces one step from landing under row 7, in columns 0 and 9.
  Play(Board({"5........5", "5........5", "5........5", "5........5", "5........5", "5........5",
              "5........5", "5........5", "A.........", "A.........", "A........."}),
       0);
  game.HandKind = 1;
  game.Move = MoveState::Up;
  Frame();
  EXPECT_EQ(game.Score, 3);
  Frames(2);
  for (int r = 8; r <= 10; ++r) game.Map[r][9] = {2, CellState::Up};
  game.CurColumn = 9;
  game.HandKind = 2;
  game.Move = MoveState::Up;
  Frame();
  EXPECT_EQ(game.Score, 6);
  EXPECT_EQ(ActiveEffects(), 6);
  EXPECT_EQ(game.VanishEffects[0].Column, 0);
  EXPECT_EQ(game.VanishEffects[3].Column, 9);
  EXPECT_EQ(game.VanishEffects[0].BlinkCount, 2);  // drawn on its first and third frame
  Frames(1);
  EXPECT_EQ(ActiveEffects(), 3);                   // the older ones are done
  Frames(4);
  EXPECT_EQ(ActiveEffects(), 0);
}

TEST_F(Settlement, WithEverySlotBusyPiecesVanishWithoutBlinking) {
  for (int i = 0; i < kVanishSlots; ++i)
    game.VanishEffects[i] = VanishEffect{static_cast<std::int16_t>(i % kColumns), 5, 0, 1, kTrue, 1};
  const auto busy = game.VanishEffects;
  Play(Board({"4", "4"}), 0);
  game.HandKind = 4;
  game.HandCount = 1;
  rules.StartThrow();
  while (game.Move == MoveState::Up) rules.StepThrow();
  EXPECT_EQ(game.Score, 3);
  EXPECT_EQ(game.Map[0][0].Kind, 0);
  EXPECT_EQ(game.VanishEffects, busy);  // no blink started, none disturbed
}

TEST_F(Settlement, DescentOntoARowTenPieceLosesTheGameOnce) {
  Play(Board({"1..1", "...1", "...1", "...1", "...1", "...1", "...1", "...1", "...1", "...1", "...1"}), 0);
  game.Score = 42;
  timer.StartCountdown(20000);
  game.DescentDue = kTrue;
  Frame();
  EXPECT_EQ(game.State, GameState::Over);
  EXPECT_FALSE(timer.enabled);
  EXPECT_EQ(cues.Count(cue::kGameOver), 1);
  EXPECT_THAT(gameOver.scores, ElementsAre(42));
  Frames(8);  // the loop keeps drawing; the check is not run again
  EXPECT_THAT(gameOver.scores, ElementsAre(42));
  EXPECT_EQ(drawing.calls.back(), "player");
}

TEST_F(Settlement, MovesUnderWayWhenTheGameEndsCompleteButScoreNothing) {
  // Column 3 reaches row 10, and the descent of the first frame ends the game. Meanwhile column 0
  // holds a throw in flight of three 2s, which would vanish on landing, or a grab of three 2s.
  // Both complete; the throw lands under the new top row and stays.
  const MapGrid losing = Board({"...1", "...1", "...1", "...1", "...1", "...1", "...1", "...1", "...1", "...1",
                                "...1"});
  for (bool throwing : {true, false}) {
    MapGrid map = losing;
    if (!throwing)
      for (int r = 0; r < 3; ++r) map[r][0] = {2, CellState::Stop};
    Play(map, 0);
    game.State = GameState::Star;
    game.Move = MoveState::Move;
    game.Score = 7;
    gameOver.scores.clear();
    game.HandKind = throwing ? 2 : 0;
    game.HandCount = throwing ? 3 : 0;
    throwing ? rules.StartThrow() : PressAt(MouseButton::Left, 0);
    game.DescentDue = kTrue;
    Frame();
    ASSERT_EQ(game.State, GameState::Over);
    for (int guard = 0; game.Move != MoveState::Move && guard < 40; ++guard) Frame();
    EXPECT_EQ(game.Move, MoveState::Move) << throwing;
    EXPECT_EQ(game.HandCount, throwing ? 0 : 3);
    const int landed = game.Map[1][0].Kind == 2 && game.Map[2][0].Kind == 2 && game.Map[3][0].Kind == 2;
    EXPECT_EQ(landed, throwing);
    EXPECT_EQ(game.Score, 7);
    EXPECT_THAT(gameOver.scores, ElementsAre(7));
  }
}

TEST_F(Settlement, GameOverHandsOnAScoreOfZeroToo) {
  Play(Board({}), 0);
  game.Map[11][9] = {5, CellState::Stop};
  Frame();
  EXPECT_THAT(gameOver.scores, ElementsAre(0));
}

TEST_F(Settlement, MovingPiecesInTheLimitRowDoNotLose) {
  Play(Board({}), 0);
  game.Map[11][0] = {5, CellState::Up};
  rules.CheckGameOver();
  game.Map[11][0] = {5, CellState::Down};
  rules.CheckGameOver();
  EXPECT_EQ(game.State, GameState::Star);
  EXPECT_TRUE(gameOver.scores.empty());
}

TEST_F(Settlement, CuesPlayOnlyWhenSoundIsExactlyOn) {
  for (std::int16_t sound : {std::int16_t{0}, std::int16_t{1}, std::int16_t{-2}}) {
    settings.SoundON = sound;
    Play(Board({}), 0);
    game.Move = MoveState::Move;
    game.State = GameState::Star;
    PressAt(MouseButton::Left, 0);  // refused: nodown
    game.State = GameState::Star;
    ThrowAndLand(3, 3);                          // up, xiao
    game.Map[11][0] = {1, CellState::Stop};
    rules.CheckGameOver();                       // gameover
  }
  EXPECT_TRUE(cues.played.empty());
}

}  // namespace
}  // namespace pelmora::testing
