#include <gtest/gtest.h>

#include <limits>

#include "game/Board.h"
#include "support/Boards.h"

namespace pelmora {
namespace {

using testing::Board;

TEST(PointerColumn, RoundsDownAndClampsToTheTenColumns) {
  EXPECT_EQ(PointerColumn(7.9), 0);  // Int(-0.003) = -1, raised to 0
  EXPECT_EQ(PointerColumn(8), 0);
  EXPECT_EQ(PointerColumn(43.99), 0);
  EXPECT_EQ(PointerColumn(44), 1);
  EXPECT_EQ(PointerColumn(367), 9);
  EXPECT_EQ(PointerColumn(400), 9);
  EXPECT_EQ(PointerColumn(-5000), 0);
}

TEST(PointerColumn, ArithmeticBeyondSixteenBitsGivesColumnZero) {
  EXPECT_EQ(PointerColumn(36.0 * 32767 + 8), 9);   // still representable: clamped to 9
  EXPECT_EQ(PointerColumn(36.0 * 32768 + 8), 0);   // overflows the 16-bit result
  EXPECT_EQ(PointerColumn(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(PointerColumn(std::numeric_limits<double>::infinity()), 0);
}

}  // namespace
}  // namespace pelmora
