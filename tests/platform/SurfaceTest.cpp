// The raster operations: exact pixel results and clipping on every side.
#include <gtest/gtest.h>

#include "platform/Pictures.h"
#include "platform/Surface.h"

namespace pelmora {
namespace {

Surface Filled(int w, int h, std::uint32_t v) { return Surface(w, h, v); }

TEST(BitBlt, TheThreeOperationsCombineBitwise) {
  Surface dest = Filled(2, 1, 0x00F0F0F0);
  const Surface src = Filled(2, 1, 0x00FF0F00);
  BitBlt(dest, 0, 0, 1, 1, src, 0, 0, RasterOp::SrcAnd);
  EXPECT_EQ(dest.at(0, 0), 0x00F00000u);
  BitBlt(dest, 0, 0, 1, 1, src, 0, 0, RasterOp::SrcPaint);
  EXPECT_EQ(dest.at(0, 0), 0x00FF0F00u);
  BitBlt(dest, 1, 0, 1, 1, Filled(1, 1, 0x123456), 0, 0, RasterOp::SrcCopy);
  EXPECT_EQ(dest.at(1, 0), 0x123456u);
}

TEST(BitBlt, MaskedDrawLeavesTheBackgroundWhereTheMaskIsWhite) {
  Surface dest = Filled(3, 1, Rgb(10, 20, 30));
  Surface sprite(3, 1, kBlack);
  Surface mask(3, 1, kWhite);
  sprite.at(1, 0) = Rgb(200, 100, 50);
  mask.at(1, 0) = kBlack;
  MaskedDraw(dest, 0, 0, 3, 1, sprite, mask, 0, 0);
  EXPECT_EQ(dest.at(0, 0), Rgb(10, 20, 30));
  EXPECT_EQ(dest.at(1, 0), Rgb(200, 100, 50));
  EXPECT_EQ(dest.at(2, 0), Rgb(10, 20, 30));
}

// A 4x4 source whose pixel value names its position: 0xYX.
Surface Numbered() {
  Surface s(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) s.at(x, y) = static_cast<std::uint32_t>(0x10 * y + x);
  return s;
}

TEST(BitBlt, ClipsAtTheLeftAndTopOfTheDestination) {
  Surface dest(4, 4, 0xFF);
  BitBlt(dest, -2, -1, 4, 4, Numbered(), 0, 0, RasterOp::SrcCopy);
  EXPECT_EQ(dest.at(0, 0), 0x12u);  // source (2, 1)
  EXPECT_EQ(dest.at(1, 2), 0x33u);
  EXPECT_EQ(dest.at(2, 0), 0xFFu);  // nothing beyond the source's width
  EXPECT_EQ(dest.at(0, 3), 0xFFu);
}

TEST(BitBlt, ClipsAtTheRightAndBottomOfBoth) {
  Surface dest(4, 4, 0xFF);
  BitBlt(dest, 3, 3, 4, 4, Numbered(), 0, 0, RasterOp::SrcCopy);
  EXPECT_EQ(dest.at(3, 3), 0x00u);
  EXPECT_EQ(dest.at(2, 3), 0xFFu);
  Surface dest2(4, 4, 0xFF);
  BitBlt(dest2, 0, 0, 4, 4, Numbered(), 2, 3, RasterOp::SrcCopy);  // runs off the source
  EXPECT_EQ(dest2.at(0, 0), 0x32u);
  EXPECT_EQ(dest2.at(1, 0), 0x33u);
  EXPECT_EQ(dest2.at(2, 0), 0xFFu);
  EXPECT_EQ(dest2.at(0, 1), 0xFFu);
}

TEST(BitBlt, NegativeSourceOriginShiftsTheDestination) {
  Surface dest(4, 4, 0xFF);
  BitBlt(dest, 0, 0, 3, 1, Numbered(), -1, 0, RasterOp::SrcCopy);
  EXPECT_EQ(dest.at(0, 0), 0xFFu);
  EXPECT_EQ(dest.at(1, 0), 0x00u);
  EXPECT_EQ(dest.at(2, 0), 0x01u);
}

TEST(BitBlt, WhollyOutsideOrEmptyDrawsNothing) {
  Surface dest(4, 4, 0xFF);
  const Surface before = dest;
  BitBlt(dest, 4, 0, 2, 2, Numbered(), 0, 0, RasterOp::SrcCopy);
  BitBlt(dest, -2, 0, 2, 2, Numbered(), 0, 0, RasterOp::SrcCopy);
  BitBlt(dest, 0, -9, 2, 2, Numbered(), 0, 0, RasterOp::SrcCopy);
  BitBlt(dest, 0, 0, 0, 2, Numbered(), 0, 0, RasterOp::SrcCopy);
  BitBlt(dest, 0, 0, -3, 2, Numbered(), 0, 0, RasterOp::SrcCopy);
  BitBlt(dest, 0, 0, 2, 2, Surface(), 0, 0, RasterOp::SrcCopy);
  EXPECT_EQ(dest.pixels, before.pixels);
}

TEST(MaskCleaning, MaskBecomesPureBlackAndWhiteAndTheSheetBlackUnderWhite) {
  Surface mask(4, 1);
  mask.pixels = {Rgb(250, 252, 249), Rgb(6, 3, 9), Rgb(140, 128, 130), Rgb(120, 126, 110)};
  Surface sheet(4, 1);
  sheet.pixels = {Rgb(5, 3, 2), Rgb(200, 10, 10), Rgb(8, 8, 8), Rgb(90, 90, 90)};
  CleanMask(mask);
  BlackenUnderWhite(sheet, mask);
  EXPECT_EQ(mask.pixels, (std::vector<std::uint32_t>{kWhite, kBlack, kWhite, kBlack}));
  EXPECT_EQ(sheet.pixels, (std::vector<std::uint32_t>{kBlack, Rgb(200, 10, 10), kBlack, Rgb(90, 90, 90)}));
}

}  // namespace
}  // namespace pelmora
