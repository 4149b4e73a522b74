// The mode selector's zones and colours, the hover choice and the score digits.
#include <gtest/gtest.h>

#include "view/ControlPanel.h"
#include "view/ScorePicture.h"

namespace pelmora {
namespace {

TEST(ModeSlider, ZonesAreQuartersCutToWholeTwips) {
  EXPECT_EQ(ModeOfSliderY(-300), 1);
  EXPECT_EQ(ModeOfSliderY(337), 1);
  EXPECT_EQ(ModeOfSliderY(338), 2);
  EXPECT_EQ(ModeOfSliderY(675), 2);
  EXPECT_EQ(ModeOfSliderY(1012), 3);
  EXPECT_EQ(ModeOfSliderY(1013), 4);
  EXPECT_EQ(ModeOfSliderY(5000), 4);
  // In whole pixels of the slider.
  const std::pair<int, int> rows[] = {{22, 1}, {23, 2}, {45, 2}, {46, 3}, {67, 3}, {68, 4}};
  for (auto [row, mode] : rows) EXPECT_EQ(ModeOfSliderY(row * kTwipsPerPixel), mode) << row;
}

TEST(ModeLabels, OnlyTheChosenLabelIsColoured) {
  EXPECT_EQ(ModeLabelColours(1), (std::array<std::uint32_t, 4>{Rgb(128, 128, 255), 0, 0, 0}));
  EXPECT_EQ(ModeLabelColours(3), (std::array<std::uint32_t, 4>{0, 0, Rgb(255, 0, 0), 0}));
  EXPECT_EQ(ModeLabelColours(4), (std::array<std::uint32_t, 4>{0, 0, 0, Rgb(255, 128, 0)}));
  EXPECT_EQ(ModeLabelColours(2)[1], Rgb(0, 128, 0));
}

TEST(Hover, TheButtonUnderThePointerAloneIsLit) {
  EXPECT_EQ(HighlightedButtons(2), (std::array<bool, 3>{false, true, false}));
  EXPECT_EQ(HighlightedButtons(4), (std::array<bool, 3>{false, false, true}));
  EXPECT_EQ(HighlightedButtons(0), (std::array<bool, 3>{false, false, false}));
}

TEST(ScoreDigits, EachDigitComesFromItsTile) {
  Surface strip(150, 25);
  for (int d = 0; d < 10; ++d)
    for (int y = 0; y < 25; ++y)
      for (int x = 0; x < 15; ++x) strip.at(15 * d + x, y) = static_cast<std::uint32_t>(0x100 * d + x);
  Surface target(122, 27, Rgb(1, 2, 3));
  PaintScoreDigits(target, strip, "00000123");
  EXPECT_EQ(target.at(0, 0), 0x000u);
  EXPECT_EQ(target.at(15 * 5 + 3, 10), 0x103u);
  EXPECT_EQ(target.at(15 * 7 + 14, 24), 0x30Eu);
  EXPECT_EQ(target.at(120, 0), Rgb(1, 2, 3));  // beyond the eight tiles: untouched
  EXPECT_EQ(target.at(0, 25), Rgb(1, 2, 3));
}

}  // namespace
}  // namespace pelmora
