// The board descent, alone and falling into a grab or a throw.
#include "game/RulesFixture.h"

namespace pelmora::testing {
namespace {

using ::testing::ElementsAre;

class Descent : public RulesTest {
 protected:
  Descent() { random.values = {0.0, 0.999999}; }  // new top rows alternate kinds 1 and 8
};

TEST_F(Descent, EveryPieceMovesOneRowAndANewRowFillsTheTop) {
  Play(Board({"2345", "2345", "2345", "2345", "2345"}), 0);
  rules.DescendMap();
  EXPECT_THAT(Shown(6), ElementsAre("1818181818", "2345......", "2345......", "2345......", "2345......",
                                   "2345......", ".........."));
  EXPECT_EQ(game.DescentDue, kFalse);
  EXPECT_EQ(random.reseeds, 1);
}

TEST_F(Descent, TheLimitRowKeepsItsPieceUnlessRowTenHasOne) {
  MapGrid map = Board({"3.3"});
  map[11][0] = {6, CellState::Stop};  // row 10 above it is empty: stays
  map[10][2] = {7, CellState::Stop};
  map[11][2] = {6, CellState::Stop};  // replaced by the piece from row 10
  map[12][4] = {5, CellState::Stop};  // rows 12..50 are never touched
  Play(map, 0);
  rules.DescendMap();
  EXPECT_EQ(game.Map[1][0].Kind, 3);
  EXPECT_EQ(game.Map[11][0].Kind, 6);
  EXPECT_EQ(game.Map[11][2].Kind, 7);
  EXPECT_EQ(game.Map[10][2].Kind, 0);
  EXPECT_EQ(game.Map[12][4].Kind, 5);
  EXPECT_EQ(game.Map[13][4].Kind, 0);
}

TEST_F(Descent, SeveralTicksBeforeAFrameGiveOneStep) {
  Play(Board({"1"}), 0);
  rules.DescentTick();
  rules.DescentTick();
  rules.DescentTick();
  Frame();
  EXPECT_EQ(LowestRow(game.Map, 0), 1);
  Frame();
  EXPECT_EQ(LowestRow(game.Map, 0), 1);
}

TEST_F(Descent, NewTopKindsStayInOneToEight) {
  random.values = {0.0, 0.5, 0.9999999999};
  Play(Board({}), 0);
  for (int i = 0; i < 3; ++i) rules.DescendMap();
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < kColumns; ++c) {
      EXPECT_GE(game.Map[r][c].Kind, 1);
      EXPECT_LE(game.Map[r][c].Kind, 8);
    }
}

TEST_F(Descent, BlinkingPiecesFollowTheBoard) {
  game.VanishEffects[0] = VanishEffect{2, 4, 0, 3, kTrue, 1};
  game.VanishEffects[1] = VanishEffect{2, 4, 0, 3, 1, 1};  // not -1: not moved
  game.VanishEffects[2] = VanishEffect{3, 50, 0, 7, kTrue, 1};  // below the board: no bound
  for (int i = 0; i < 2; ++i) rules.DescendMap();
  EXPECT_EQ(game.VanishEffects[0].Row, 6);
  EXPECT_EQ(game.VanishEffects[1].Row, 4);
  EXPECT_EQ(game.VanishEffects[2].Row, 52);
}

TEST_F(Descent, DuringAGrabFallingPiecesMoveOneRowThenTwo) {
  Play(Board({"1", "1", "1", "2", "2"}), 0);
  PressAt(MouseButton::Left, 0);
  rules.DescentTick();
  Frame();
  // Descent: 2s to rows 4,5; then the grab step: to rows 6,7.
  EXPECT_THAT(Shown(8), ElementsAre("1818181818", "1.........", "1.........", "1.........", "..........",
                                   "..........", "b.........", "b.........", ".........."));
}

TEST_F(Descent, TheDescentComesBeforeTheGrabStepOfItsFrame) {
  // Pushed from row 8 to row 9 first, the falling piece reaches the hand in this very frame.
  Play(Board({"1", "1", "1", "1", "1", "1", "1", "1", "a"}), 0);
  game.HandKind = 1;
  game.Move = MoveState::Down;
  rules.DescentTick();
  Frame();
  EXPECT_EQ(game.HandCount, 1);
  EXPECT_EQ(game.Move, MoveState::Move);
}

TEST_F(Descent, AFallingPiecePushedIntoTheLimitRowGoesIntoTheHand) {
  MapGrid map = Board({"1"});
  for (int r = 1; r <= 8; ++r) map[r][0] = {1, CellState::Stop};
  map[9][0] = {4, CellState::Down};
  map[10][0] = {4, CellState::Down};
  Play(map, 0);
  game.HandKind = 4;
  game.Move = MoveState::Down;
  rules.DescentTick();
  Frame();
  EXPECT_EQ(game.HandCount, 2);
  EXPECT_EQ(game.Map[11][0].Kind, 0);
  EXPECT_EQ(game.State, GameState::Star);  // not a resting piece: no game over
  EXPECT_EQ(game.Move, MoveState::Move);
}

TEST_F(Descent, DuringAThrowFlyingPiecesKeepFlying) {
  Play(Board({"5"}), 0);
  game.HandKind = 3;
  game.HandCount = 2;
  rules.StartThrow();
  Frame();  // rows 9, 10
  rules.DescentTick();
  Frame();  // descent: 10, 11; then climbing: 8, 9 (row 1 has the 5 now)
  EXPECT_EQ(game.Map[8][0], (MapCell{3, CellState::Up}));
  EXPECT_EQ(game.Map[9][0], (MapCell{3, CellState::Up}));
  while (game.Move == MoveState::Up) Frame();
  EXPECT_THAT(Shown(4), ElementsAre("1818181818", "5.........", "3.........", "3.........", ".........."));
}

}  // namespace
}  // namespace pelmora::testing
