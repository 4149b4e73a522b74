// The player's moves: which presses act, and the grab and throw frame by frame.
#include "game/RulesFixture.h"

namespace pelmora::testing {
namespace {

using ::testing::ElementsAre;

class GrabThrow : public RulesTest {};

TEST_F(GrabThrow, PressesAndMovesDoNothingOutsideIdlePlay) {
  const MapGrid map = Board({"1111111111"});
  struct Case { MoveState move; GameState state; };
  for (Case c : {Case{MoveState::None, GameState::NoStar}, Case{MoveState::Down, GameState::Star},
                 Case{MoveState::Up, GameState::Star}, Case{MoveState::Move, GameState::NoDown},
                 Case{MoveState::Move, GameState::Over}}) {
    Play(map, 2);
    game.Move = c.move;
    game.State = c.state;
    rules.SelectColumn(7);
    PressAt(MouseButton::Left, 7);
    PressAt(MouseButton::Right, 7);
    EXPECT_EQ(game.CurColumn, 2) << ToString(c.move) << "/" << ToString(c.state);
    EXPECT_EQ(game.Map, map);
    EXPECT_EQ(game.Move, c.move);
    EXPECT_EQ(game.State, c.state);
  }
  EXPECT_TRUE(cues.played.empty());
}

TEST_F(GrabThrow, ChoosingAColumnMovesThePlayerWithinTheField) {
  rules.SelectColumn(7);
  EXPECT_EQ(game.CurColumn, 7);
  rules.SelectColumn(-3);
  EXPECT_EQ(game.CurColumn, 0);
}

TEST_F(GrabThrow, PressesUnderAnEmptyColumn) {
  // Any button with an empty hand is a refused grab; the right button with a hand only sounds.
  struct Case { MouseButton button; int hand; GameState after; };
  for (Case c : {Case{MouseButton::Left, 0, GameState::NoDown}, Case{MouseButton::Right, 0, GameState::NoDown},
                 Case{MouseButton::Middle, 0, GameState::NoDown}, Case{MouseButton::Right, 2, GameState::Star}}) {
    Play(Board({"1.11111111"}), 0);
    game.State = GameState::Star;
    game.HandKind = static_cast<std::int16_t>(c.hand == 0 ? 0 : 5);
    game.HandCount = static_cast<std::int16_t>(c.hand);
    cues.played.clear();
    PressAt(c.button, 1);
    EXPECT_EQ(game.CurColumn, 1);
    EXPECT_EQ(game.State, c.after) << static_cast<int>(c.button) << " hand " << c.hand;
    EXPECT_EQ(game.Move, MoveState::Move);
    EXPECT_EQ(game.HandCount, c.hand);
    EXPECT_THAT(cues.played, ElementsAre(cue::kNoDown));
  }
}

TEST_F(GrabThrow, RightPressWithAHandOfAnotherKindOnlySounds) {
  Play(Board({"5555555555", "3........."}), 0);
  game.HandKind = 5;
  game.HandCount = 2;
  PressAt(MouseButton::Right, 0);
  EXPECT_EQ(game.State, GameState::Star);
  EXPECT_EQ(game.Move, MoveState::Move);
  EXPECT_EQ(game.HandCount, 2);
  EXPECT_THAT(cues.played, ElementsAre(cue::kNoDown));
}

TEST_F(GrabThrow, LeftPressWithAHandThrowsEvenWhereTheKindDiffers) {
  Play(Board({"3"}), 0);
  game.HandKind = 5;
  game.HandCount = 2;
  PressAt(MouseButton::Left, 0);
  EXPECT_EQ(game.Move, MoveState::Up);
  EXPECT_EQ(game.HandCount, 0);
  EXPECT_EQ(game.Map[11][0], (MapCell{5, CellState::Up}));
  EXPECT_EQ(game.Map[12][0], (MapCell{5, CellState::Up}));
  EXPECT_EQ(game.Map[13][0].Kind, 0);
}

TEST_F(GrabThrow, MiddleButtonGrabsLikeTheRight) {
  Play(Board({"2", "6"}), 0);
  PressAt(MouseButton::Middle, 0);
  EXPECT_EQ(game.Move, MoveState::Down);
  EXPECT_EQ(game.HandKind, 6);
}

TEST_F(GrabThrow, GrabMarksOnlyTheBottomRunOfItsKind) {
  Play(Board({"1", "3", "1", "3", "3", "3"}), 0);
  PressAt(MouseButton::Left, 0);
  EXPECT_EQ(game.HandKind, 3);
  EXPECT_EQ(game.HandCount, 0);
  EXPECT_THAT(Shown(5), ElementsAre("1.........", "3.........", "1.........", "c.........",
                                   "c.........", "c........."));
}

TEST_F(GrabThrow, PieceInRowTenArrivesInTheFirstFrame) {
  MapGrid map{};
  for (int r = 0; r <= 9; ++r) map[r][4] = {1, CellState::Stop};
  map[10][4] = {2, CellState::Stop};
  Play(map, 4);
  PressAt(MouseButton::Left, 4);
  Frame();
  EXPECT_EQ(game.HandCount, 1);
  EXPECT_EQ(game.Move, MoveState::Move);
  EXPECT_EQ(game.Map[10][4].Kind, 0);
  EXPECT_EQ(cues.Count(cue::kDown), 1);
}

TEST_F(GrabThrow, RunInRowsFourToSixFallsTwoRowsPerFrame) {
  Play(Board({"1", "1", "1", "1", "3", "3", "3"}), 0);
  PressAt(MouseButton::Left, 0);
  Frame();
  EXPECT_THAT(Shown(10), ElementsAre("1.........", "1.........", "1.........", "1.........",
                                    "..........", "..........", "c.........", "c.........",
                                    "c.........", "..........", ".........."));
  Frame();
  EXPECT_THAT(Shown(10), ElementsAre("1.........", "1.........", "1.........", "1.........",
                                    "..........", "..........", "..........", "..........",
                                    "c.........", "c.........", "c........."));
  EXPECT_EQ(game.HandCount, 0);
  Frame();
  EXPECT_EQ(game.HandCount, 2);
  EXPECT_EQ(game.Map[10][0], (MapCell{3, CellState::Down}));
  EXPECT_EQ(game.Move, MoveState::Down);
  Frame();
  EXPECT_EQ(game.HandCount, 3);
  EXPECT_EQ(game.Move, MoveState::Move);
  EXPECT_EQ(cues.Count(cue::kDown), 3);
  EXPECT_EQ(LowestRow(game.Map, 0), 3);
}

TEST_F(GrabThrow, RightButtonCollectsThenLeftThrowsTheWholeHand) {
  Play(Board({"1.", "2.", "5.", "5.", "5."}), 0);
  game.HandKind = 5;
  game.HandCount = 2;
  PressAt(MouseButton::Right, 0);
  Frames(5);
  EXPECT_EQ(game.HandCount, 5);
  EXPECT_EQ(game.HandKind, 5);
  EXPECT_EQ(game.Move, MoveState::Move);

  PressAt(MouseButton::Left, 1);
  EXPECT_EQ(game.HandCount, 0);
  for (int r = 11; r <= 15; ++r) EXPECT_EQ(game.Map[r][1], (MapCell{5, CellState::Up})) << r;
}

TEST_F(GrabThrow, ThrowIntoAnEmptyColumnClimbsToTheTop) {
  Play(Board({}), 3);
  game.HandKind = 2;
  game.HandCount = 2;
  rules.StartThrow();
  // Rows 11, 12 -> 9, 10 -> 7, 8 -> 5, 6 -> 3, 4 -> 1, 2 -> 0, 1 (one free row left) -> rest.
  const int leadRows[] = {9, 7, 5, 3, 1, 0};
  for (int lead : leadRows) {
    Frame();
    EXPECT_EQ(game.Map[lead][3], (MapCell{2, CellState::Up})) << lead;
    EXPECT_EQ(game.Map[lead + 1][3], (MapCell{2, CellState::Up})) << lead;
  }
  Frame();
  EXPECT_THAT(Shown(2), ElementsAre("...2......", "...2......", ".........."));
  EXPECT_EQ(game.Move, MoveState::Move);
  EXPECT_EQ(game.HandKind, 0);
  EXPECT_EQ(cues.Count(cue::kUp), 2);  // both stop, and sound, in the same frame
}

TEST_F(GrabThrow, ThreeThrownUnderRowSevenLandInRowsEightToTen) {
  Play(Board({"1", "1", "1", "1", "1", "1", "1", "2"}), 0);
  game.HandKind = 4;
  game.HandCount = 3;
  rules.StartThrow();
  while (game.Move == MoveState::Up) Frame();
  // Three of a kind always go: the blinks show where they had landed.
  std::vector<int> rows;
  for (const auto& e : game.VanishEffects)
    if (e.Active) rows.push_back(e.Row);
  EXPECT_THAT(rows, ElementsAre(10, 9, 8));
  EXPECT_EQ(LowestRow(game.Map, 0), 7);
}

TEST_F(GrabThrow, TwoThrownUnderAnotherKindStayWhereTheyLand) {
  Play(Board({"1", "1", "1", "1", "1", "1", "1", "7"}), 0);
  game.HandKind = 4;
  game.HandCount = 2;
  rules.StartThrow();
  while (game.Move == MoveState::Up) Frame();
  EXPECT_EQ(game.Map[8][0], (MapCell{4, CellState::Stop}));
  EXPECT_EQ(game.Map[9][0], (MapCell{4, CellState::Stop}));
  EXPECT_EQ(game.Map[10][0].Kind, 0);
  EXPECT_EQ(game.Score, 0);
}

TEST_F(GrabThrow, ThrowIntoAFullColumnStopsInTheLimitRowAndLoses) {
  MapGrid map{};
  for (int r = 0; r <= 10; ++r) map[r][6] = {1, CellState::Stop};
  Play(map, 6);
  game.HandKind = 3;
  game.HandCount = 1;
  rules.StartThrow();
  Frame();
  EXPECT_EQ(game.Map[11][6], (MapCell{3, CellState::Stop}));
  EXPECT_EQ(game.State, GameState::Over);
  EXPECT_THAT(gameOver.scores, ElementsAre(0));
}

TEST_F(GrabThrow, CollectingBeyondFortyPiecesIsRefused) {
  Play(Board({"7", "7", "7", "7", "7"}), 0);  // a run of 5
  game.HandKind = 7;
  game.HandCount = 36;
  PressAt(MouseButton::Right, 0);
  EXPECT_EQ(game.Move, MoveState::Move);
  EXPECT_EQ(game.HandCount, 36);
  EXPECT_THAT(cues.played, ElementsAre(cue::kNoDown));

  game.HandCount = 35;  // 35 + 5 = 40 still fits the launch rows 11..50
  PressAt(MouseButton::Right, 0);
  Frames(6);
  EXPECT_EQ(game.HandCount, 40);
  PressAt(MouseButton::Left, 3);
  EXPECT_EQ(game.Map[50][3], (MapCell{7, CellState::Up}));
  EXPECT_EQ(game.Map[11][3], (MapCell{7, CellState::Up}));
}

}  // namespace
}  // namespace pelmora::testing
