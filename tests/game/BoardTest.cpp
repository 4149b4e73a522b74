#include <gtest/gtest.h>

#include "game/Board.h"
#include "support/Boards.h"

namespace pelmora {
namespace {

using testing::Board;

TEST(BoardQueries, EmptyColumnGivesZeroEverywhere) {
  const MapGrid map = Board({"1.........", "2........."});
  EXPECT_EQ(GrabKind(map, 1), 0);
  EXPECT_EQ(LowestRow(map, 1), 0);
  EXPECT_EQ(BottomRunLength(map, 1, 4), 0);
}

TEST(BoardQueries, OnlyPieceInRowZero) {
  const MapGrid map = Board({"4........."});
  EXPECT_EQ(LowestRow(map, 0), 0);  // indistinguishable from an empty column
  EXPECT_EQ(GrabKind(map, 0), 4);
  EXPECT_EQ(BottomRunLength(map, 0, 4), 1);
  EXPECT_EQ(BottomRunLength(map, 0, 5), 0);
}

TEST(BoardQueries, GrabKindLooksOnlyAtRestingPiecesOfRowsZeroToTen) {
  MapGrid map = Board({
      "3.........",  // 0
      "5.........",  // 1
      "b.........",  // 2  falling: passed over
  });
  EXPECT_EQ(GrabKind(map, 0), 5);
  map[11][1] = {7, CellState::Stop};  // the limit row is never grabbed
  map[12][1] = {7, CellState::Stop};
  EXPECT_EQ(GrabKind(map, 1), 0);
  EXPECT_EQ(LowestRow(map, 1), 12);  // but LowestRow scans all 51 rows
}

TEST(BoardQueries, BottomRunCountsUpwardUntilAnotherKind) {
  const MapGrid map = Board({
      "4.........",  // 0
      "4.........",  // 1
      "7.........",  // 2
      "4.........",  // 3
      "4.........",  // 4
      "4.........",  // 5
  });
  EXPECT_EQ(LowestRow(map, 0), 5);
  EXPECT_EQ(BottomRunLength(map, 0, 4), 3);
  EXPECT_EQ(BottomRunLength(map, 0, 7), 0);
  const MapGrid whole = Board({"6", "6", "6", "6"});
  EXPECT_EQ(BottomRunLength(whole, 0, 6), 4);  // counting stops after row 0
}

TEST(BoardQueries, BottomRunIgnoresStateButNotKind) {
  const MapGrid map = Board({"2", "B", "B"});  // two flying 2s under a resting 2
  EXPECT_EQ(BottomRunLength(map, 0, 2), 3);
}

}  // namespace
}  // namespace pelmora
