// The pointer's column: the one piece of the field's geometry that is arithmetic, not a number.
#include <gtest/gtest.h>

#include <limits>

#include "view/Layout.h"

namespace pelmora::layout {
namespace {

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
  EXPECT_EQ(PointerColumn(kCell * 32767.0 + kFieldOrigin), 9);  // still representable: clamped to 9
  EXPECT_EQ(PointerColumn(kCell * 32768.0 + kFieldOrigin), 0);  // overflows the 16-bit result
  EXPECT_EQ(PointerColumn(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(PointerColumn(std::numeric_limits<double>::infinity()), 0);
}

}  // namespace
}  // namespace pelmora::layout
