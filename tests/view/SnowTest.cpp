// The snow overlay: its settings, the scattering, one frame of drift and fall, and the drawing.
#include "view/Snow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "platform/Paths.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

namespace pelmora {
namespace {

namespace fs = std::filesystem;
using testing::FakeDialogs;
using testing::SequenceRandom;

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kGround = 0x102030;

// A picture from rows of characters: '.' black, 'W' white, 'R' red, 'B' blue, 'g' the light grey
// and 'd' the dark grey that JPEG leaves in masks, 'f' a faint colour JPEG leaves on black.
Surface Picture(std::initializer_list<const char*> rows) {
  const int h = static_cast<int>(rows.size());
  const int w = static_cast<int>(std::char_traits<char>::length(*rows.begin()));
  Surface s(w, h);
  int y = 0;
  for (const char* row : rows) {
    for (int x = 0; x < w; ++x) {
      switch (row[x]) {
        case 'W': s.at(x, y) = kWhite; break;
        case 'R': s.at(x, y) = kRed; break;
        case 'B': s.at(x, y) = kBlue; break;
        case 'g': s.at(x, y) = 0xE8E8E8; break;
        case 'd': s.at(x, y) = 0x181818; break;
        case 'f': s.at(x, y) = 0x080404; break;
        default: s.at(x, y) = kBlack; break;
      }
    }
    ++y;
  }
  return s;
}

// Two 3 x 2 flakes: a red bar over a gap, and a blue corner.
Surface Strip() {
  return Picture({"RRRB..",
                  ".R.BB."});
}
Surface StripMask() {
  return Picture({"...WWW",
                  "W.W..W"});
}

// Pictures by path; every asked path is recorded.
struct FakePictures : PictureLoader {
  std::map<std::string, Surface> files;
  std::vector<std::string> asked;
  std::optional<Surface> Load(const std::string& path) override {
    asked.push_back(path);
    auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
};

class SnowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = temp_.Path();
    fs::create_directories(root_ / "pics" / "winter");
    folder_ = root_.string() + "\\pics\\winter\\";
    pictures_.files[Native("Snow.JPG")] = Strip();
    pictures_.files[Native("SnowM.JPG")] = StripMask();
  }

  std::string Native(const char* name) const { return GamePath(root_.string(), std::string("\\pics\\winter\\") + name); }
  void WriteSnowIni(const std::string& text) const {
    std::ofstream(Native("Snow.ini"), std::ios::binary) << text;
  }
  static std::string Ini(int sum, int width, int height, int pics, int xm, int ym) {
    return "[Snow]\r\nSnowShow=True\r\nSnowSum=" + std::to_string(sum) + "\r\nSnowPicWith=" + std::to_string(width) +
           "\r\nSnowPicHeight=" + std::to_string(height) + "\r\nSnowPicsum=" + std::to_string(pics) +
           "\r\nXM=" + std::to_string(xm) + "\r\nYM=" + std::to_string(ym) + "\r\n";
  }
  void Load(SequenceRandom& random) { LoadSnow(snow_, show_, folder_, dialogs_, pictures_, random); }

  testing::TempFolder temp_;
  fs::path root_;
  std::string folder_;
  Snow snow_;
  std::int16_t show_ = -1;
  FakeDialogs dialogs_;
  FakePictures pictures_;
};

double At(int k, int n) { return SequenceRandom::For(k, n); }

// ---- setting up ----------------------------------------------------------------------------

TEST_F(SnowTest, WithoutSnowIniThereIsNoSnowAndNoMessage) {
  snow_.SnowSum = 2;
  snow_.SnowFlakes.assign(3, SnowFlake{7, 8, 1});
  SequenceRandom random;
  Load(random);
  EXPECT_EQ(show_, 0);
  EXPECT_TRUE(dialogs_.messages.empty());
  EXPECT_TRUE(pictures_.asked.empty());
  EXPECT_EQ(snow_.SnowFlakes.size(), 3u);
  EXPECT_EQ(random.next, 0u);
}

TEST_F(SnowTest, SnowShowZeroReadsNothingElse) {
  WriteSnowIni("[Snow]\r\nSnowShow=0\r\n");
  snow_.SnowSum = 1;
  snow_.SnowFlakes.assign(2, SnowFlake{7, 8, 1});
  SequenceRandom random;
  Load(random);
  EXPECT_EQ(show_, 0);
  EXPECT_TRUE(dialogs_.messages.empty());
  EXPECT_TRUE(pictures_.asked.empty());
  EXPECT_EQ(snow_.SnowFlakes[1].X, 7);
  EXPECT_EQ(snow_.SnowFlakes[1].Y, 8);
}

TEST_F(SnowTest, SnowShowIsReadAsABoolean) {
  for (const char* value : {"True", "true", "5", "-1"}) {
    WriteSnowIni("[Snow]\r\nSnowShow=" + std::string(value) + "\r\nSnowSum=0\r\nSnowPicWith=3\r\n"
                 "SnowPicHeight=2\r\nSnowPicsum=2\r\nXM=1\r\nYM=5\r\n");
    show_ = 0;
    SequenceRandom random;
    Load(random);
    EXPECT_EQ(show_, -1) << value;
  }
  WriteSnowIni("[Snow]\r\nSnowShow=lots\r\n");
  SequenceRandom random;
  Load(random);
  EXPECT_EQ(show_, 0);
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(SnowTest, LoadingReadsTheSettingsAndScattersTheFlakes) {
  WriteSnowIni(Ini(2, 3, 2, 2, 1, 5));
  SequenceRandom random({At(1, 376), At(1, 480), At(2, 2), At(376, 376), At(480, 480), At(1, 2)});
  Load(random);
  EXPECT_EQ(show_, -1);
  EXPECT_THAT(pictures_.asked, ::testing::ElementsAre(Native("Snow.JPG"), Native("SnowM.JPG")));
  EXPECT_EQ(snow_.SnowSum, 2);
  EXPECT_EQ(snow_.SnowPicWith, 3);
  EXPECT_EQ(snow_.SnowPicHeight, 2);
  EXPECT_EQ(snow_.SnowPicsum, 2);
  EXPECT_EQ(snow_.XM, 1);
  EXPECT_EQ(snow_.YM, 5);
  ASSERT_EQ(snow_.SnowFlakes.size(), 3u);  // flake 0 is never used
  EXPECT_EQ(snow_.SnowFlakes[1].X, 1);
  EXPECT_EQ(snow_.SnowFlakes[1].Y, 0);
  EXPECT_EQ(snow_.SnowFlakes[1].Pic, 2);
  EXPECT_EQ(snow_.SnowFlakes[2].X, 376);
  EXPECT_EQ(snow_.SnowFlakes[2].Y, 479);
  EXPECT_EQ(snow_.SnowFlakes[2].Pic, 1);
  EXPECT_EQ(random.next, 6u);
}

TEST_F(SnowTest, AMissingFlakePictureLeavesTheSnowOff) {
  WriteSnowIni(Ini(3, 3, 2, 2, 1, 5));
  pictures_.files.erase(Native("SnowM.JPG"));
  SequenceRandom random;
  Load(random);
  EXPECT_EQ(show_, 0);
  EXPECT_TRUE(snow_.SnowFlakes.empty());
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(SnowTest, AMissingKeyIsToldOnceAndLeavesTheSnowOff) {
  WriteSnowIni("[Snow]\r\nSnowShow=True\r\nSnowSum=3\r\nSnowPicWith=3\r\nSnowPicHeight=2\r\n");
  SequenceRandom random;
  Load(random);
  EXPECT_EQ(show_, 0);
  ASSERT_EQ(dialogs_.messages.size(), 1u);  // SnowPicsum; XM and YM are not asked for
  EXPECT_EQ(dialogs_.messages[0].text, "在文件中没有找到所要查找的字段");
  EXPECT_TRUE(snow_.SnowFlakes.empty());
}

TEST_F(SnowTest, ANonNumericValueLeavesTheSnowOffWithoutAnotherMessage) {
  WriteSnowIni("[Snow]\r\nSnowShow=True\r\nSnowSum=many\r\nSnowPicWith=3\r\nSnowPicHeight=2\r\n"
               "SnowPicsum=2\r\nXM=1\r\nYM=5\r\n");
  SequenceRandom random;
  Load(random);
  EXPECT_EQ(show_, 0);
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(SnowTest, TheStripIsCleanedLikeEveryOtherSprite) {
  WriteSnowIni(Ini(1, 3, 2, 2, 0, 5));
  pictures_.files[Native("Snow.JPG")] = Picture({"RffB"});
  pictures_.files[Native("SnowM.JPG")] = Picture({"dgW."});
  SequenceRandom random;
  Load(random);
  ASSERT_EQ(show_, -1);
  EXPECT_EQ(snow_.PicSnowM.pixels, Picture({".WW."}).pixels);
  EXPECT_EQ(snow_.PicSnow.pixels, Picture({"R..B"}).pixels);
}

// ---- one frame -----------------------------------------------------------------------------

TEST_F(SnowTest, NoFlakesDrawNothing) {
  WriteSnowIni(Ini(0, 3, 2, 2, 1, 5));
  SequenceRandom random;
  Load(random);
  ASSERT_EQ(show_, -1);
  Surface field(392, 496, kGround);
  const Surface before = field;
  for (int frame = 0; frame < 5; ++frame) DrawSnow(snow_, random, field);
  EXPECT_EQ(field.pixels, before.pixels);
  EXPECT_EQ(random.next, 0u);
}

TEST_F(SnowTest, AFlakeFallingFiveAFrameRestartsAfter96Frames) {
  WriteSnowIni(Ini(1, 3, 2, 2, 0, 5));
  std::vector<double> draws = {At(100, 376), At(1, 480), At(1, 2)};
  for (int frame = 0; frame < 96; ++frame) draws.push_back(At(frame % 10 + 1, 10));
  draws.push_back(At(250, 376));
  draws.push_back(At(2, 2));
  SequenceRandom random(draws);
  Load(random);
  Surface field(392, 496, kGround);
  for (int frame = 1; frame <= 95; ++frame) {
    DrawSnow(snow_, random, field);
    ASSERT_EQ(snow_.SnowFlakes[1].Y, 5 * frame);
  }
  EXPECT_EQ(snow_.SnowFlakes[1].X, 100);
  EXPECT_EQ(snow_.SnowFlakes[1].Pic, 1);
  DrawSnow(snow_, random, field);
  EXPECT_EQ(snow_.SnowFlakes[1].Y, 0);
  EXPECT_EQ(snow_.SnowFlakes[1].X, 250);
  EXPECT_EQ(snow_.SnowFlakes[1].Pic, 2);
  EXPECT_EQ(random.next, draws.size());
}

TEST_F(SnowTest, WithoutSidewaysStepFlakesFallStraight) {
  WriteSnowIni(Ini(3, 3, 2, 2, 0, 7));
  SequenceRandom random({At(1, 10), At(4, 10), At(5, 10), At(10, 10), At(200, 376)});
  Load(random);
  Surface field(392, 496, kGround);
  for (int frame = 0; frame < 150; ++frame) {
    const std::vector<SnowFlake> before = snow_.SnowFlakes;
    DrawSnow(snow_, random, field);
    for (std::size_t i = 1; i <= 3; ++i) {
      if (snow_.SnowFlakes[i].Y == 0) continue;  // restarted at the top with a new X
      ASSERT_EQ(snow_.SnowFlakes[i].Y, before[i].Y + 7);
      ASSERT_EQ(snow_.SnowFlakes[i].X, before[i].X);
    }
  }
}

TEST_F(SnowTest, FourDrawsInTenDriftLeftAndSixRight) {
  WriteSnowIni(Ini(1, 3, 2, 2, 2, 1));
  std::vector<double> draws = {At(100, 376), At(1, 480), At(1, 2)};
  for (int r = 1; r <= 10; ++r) draws.push_back(At(r, 10));
  SequenceRandom random(draws);
  Load(random);
  Surface field(392, 496, kGround);
  std::vector<int> xs;
  for (int r = 1; r <= 10; ++r) {
    DrawSnow(snow_, random, field);
    xs.push_back(snow_.SnowFlakes[1].X);
  }
  EXPECT_THAT(xs, ::testing::ElementsAre(98, 96, 94, 92, 94, 96, 98, 100, 102, 104));
  EXPECT_EQ(snow_.SnowFlakes[1].Y, 10);
}

TEST_F(SnowTest, AFlakeIsDrawnThroughItsMaskFromItsPlaceInTheStrip) {
  WriteSnowIni(Ini(2, 3, 2, 2, 0, 1));
  // After the first fall flake 1 shows picture 2 with its top left at (10, 20), flake 2 picture 1
  // at (376, 100).
  SequenceRandom random({At(10, 376), At(20, 480), At(2, 2), At(376, 376), At(100, 480), At(1, 2), At(7, 10)});
  Load(random);
  Surface field(392, 496, kGround);
  DrawSnow(snow_, random, field);
  ASSERT_EQ(snow_.SnowFlakes[1].Y, 20);

  const auto pixel = [&](int x, int y) { return field.at(x, y); };
  // Picture 2 is "B.." over "BB." with the mask "WWW" over "..W": only its blue shows...
  EXPECT_EQ(pixel(10, 20), kGround);
  EXPECT_EQ(pixel(11, 20), kGround);
  EXPECT_EQ(pixel(12, 20), kGround);
  EXPECT_EQ(pixel(10, 21), kBlue);
  EXPECT_EQ(pixel(11, 21), kBlue);
  EXPECT_EQ(pixel(12, 21), kGround);
  // Picture 1 is "RRR" over ".R." with the mask "..." over "W.W".
  EXPECT_EQ(pixel(376, 100), kRed);
  EXPECT_EQ(pixel(377, 100), kRed);
  EXPECT_EQ(pixel(378, 100), kRed);
  EXPECT_EQ(pixel(376, 101), kGround);
  EXPECT_EQ(pixel(377, 101), kRed);
  EXPECT_EQ(pixel(378, 101), kGround);

  // Nothing else changed.
  int changed = 0;
  for (std::uint32_t p : field.pixels) changed += p != kGround;
  EXPECT_EQ(changed, 2 + 4);
}

TEST_F(SnowTest, MaskedBlackCoversTheGround) {
  WriteSnowIni(Ini(1, 3, 2, 2, 0, 1));
  pictures_.files[Native("Snow.JPG")] = Picture({"R.."});
  pictures_.files[Native("SnowM.JPG")] = Picture({"..W"});
  SequenceRandom random({At(50, 376), At(60, 480), At(1, 2), At(5, 10)});
  Load(random);
  ASSERT_EQ(snow_.SnowPicHeight, 2);  // taller than the strip: the strip's own edge clips
  Surface field(392, 496, kGround);
  DrawSnow(snow_, random, field);
  EXPECT_EQ(field.at(50, 60), kRed);
  EXPECT_EQ(field.at(51, 60), kBlack);  // black on the mask is the flake's own black
  EXPECT_EQ(field.at(52, 60), kGround);
  EXPECT_EQ(field.at(50, 61), kGround);
}

// ---- hostile settings ----------------------------------------------------------------------

// Runs `frames` frames and checks what must always hold: every flake is on its way down the
// field or just restarted, moved sideways by exactly XM either way (no wrap, no clamp), and its
// picture lies in the strip.
void ExpectBoundedFall(Snow& snow, Random& random, int frames) {
  Surface field(392, 496, kGround);
  std::vector<int> restarts(static_cast<std::size_t>(snow.SnowSum) + 1, 0);
  for (int frame = 0; frame < frames; ++frame) {
    const std::vector<SnowFlake> before = snow.SnowFlakes;
    DrawSnow(snow, random, field);
    for (int i = 1; i <= snow.SnowSum; ++i) {
      const SnowFlake& was = before[static_cast<std::size_t>(i)];
      const SnowFlake& f = snow.SnowFlakes[static_cast<std::size_t>(i)];
      ASSERT_GE(f.Y, 0);
      ASSERT_LT(f.Y, 480);
      ASSERT_GE(f.Pic, 1);
      ASSERT_LE(f.Pic, snow.SnowPicsum);
      ASSERT_LT((f.Pic - 1) * snow.SnowPicWith, snow.PicSnow.width);
      if (f.Y == 0) {
        ASSERT_GE(f.X, 1);
        ASSERT_LE(f.X, 376);
        ++restarts[static_cast<std::size_t>(i)];
      } else {
        ASSERT_EQ(f.Y, was.Y + snow.YM);
        ASSERT_EQ(std::abs(f.X - was.X), std::abs(int{snow.XM}));
      }
    }
  }
  for (int i = 1; i <= snow.SnowSum; ++i) EXPECT_GT(restarts[static_cast<std::size_t>(i)], 0) << "flake " << i;
}

TEST_F(SnowTest, AFallOfZeroOrLessStillBringsEveryFlakeBack) {
  for (int ym : {0, -3}) {
    WriteSnowIni(Ini(4, 3, 2, 2, 1, ym));
    MersenneRandom random(7);
    LoadSnow(snow_, show_, folder_, dialogs_, pictures_, random);
    ASSERT_EQ(show_, -1);
    EXPECT_EQ(snow_.YM, 1) << ym;
    ExpectBoundedFall(snow_, random, 500);
  }
}

// One flake set at (x, 0), then every drift draw the same.
SequenceRandom OneFlakeDriftingAlways(int x, int r) {
  std::vector<double> draws = {At(x, 376), At(1, 480), At(1, 2)};
  draws.resize(draws.size() + 2000, At(r, 10));
  return SequenceRandom(draws);
}

TEST_F(SnowTest, AHugeSidewaysStepCannotOverflowDuringAFall) {
  // The longest fall there is (one pixel a frame from the top), drifting one way all along.
  WriteSnowIni(Ini(1, 3, 2, 2, 30000, 1));
  SequenceRandom right = OneFlakeDriftingAlways(376, 10);
  Load(right);
  ASSERT_EQ(show_, -1);
  EXPECT_GT(snow_.XM, 0);
  ExpectBoundedFall(snow_, right, 960);

  WriteSnowIni(Ini(1, 3, 2, 2, -30000, 1));
  SequenceRandom left = OneFlakeDriftingAlways(1, 1);
  Load(left);
  EXPECT_LT(snow_.XM, 0);
  ExpectBoundedFall(snow_, left, 960);

  // With a quick fall a larger step is harmless and kept.
  WriteSnowIni(Ini(4, 3, 2, 2, 30000, 480));
  MersenneRandom random(11);
  LoadSnow(snow_, show_, folder_, dialogs_, pictures_, random);
  EXPECT_EQ(snow_.XM, 30000);
  ExpectBoundedFall(snow_, random, 5);
}

TEST_F(SnowTest, TooManyFlakesAreCut) {
  WriteSnowIni(Ini(32767, 3, 2, 2, 1, 5));
  MersenneRandom random(3);
  LoadSnow(snow_, show_, folder_, dialogs_, pictures_, random);
  EXPECT_EQ(snow_.SnowSum, kMaxSnowFlakes);
  EXPECT_EQ(snow_.SnowFlakes.size(), static_cast<std::size_t>(kMaxSnowFlakes) + 1);
  ExpectBoundedFall(snow_, random, 100);

  WriteSnowIni(Ini(-5, 3, 2, 2, 1, 5));
  LoadSnow(snow_, show_, folder_, dialogs_, pictures_, random);
  EXPECT_EQ(show_, -1);
  EXPECT_EQ(snow_.SnowSum, 0);
  EXPECT_EQ(snow_.SnowFlakes.size(), 1u);
}

TEST_F(SnowTest, FlakePicturesStayWithinTheStrip) {
  for (int pics : {0, -4, 9}) {
    WriteSnowIni(Ini(20, 3, 2, pics, 1, 5));
    MersenneRandom random(5);
    LoadSnow(snow_, show_, folder_, dialogs_, pictures_, random);
    ASSERT_EQ(show_, -1);
    EXPECT_EQ(snow_.SnowPicsum, pics == 9 ? 2 : 1) << pics;
    ExpectBoundedFall(snow_, random, 200);
  }
}

TEST_F(SnowTest, FlakeSizesAndAnOversizedStripAreCutToTheStore) {
  pictures_.files[Native("Snow.JPG")] = Surface(200, 40, kRed);
  pictures_.files[Native("SnowM.JPG")] = Surface(180, 50, kBlack);
  WriteSnowIni(Ini(3, 500, 100, 1, 1, 5));
  MersenneRandom random(9);
  LoadSnow(snow_, show_, folder_, dialogs_, pictures_, random);
  ASSERT_EQ(show_, -1);
  EXPECT_EQ(snow_.PicSnow.width, kSnowStoreWidth);
  EXPECT_EQ(snow_.PicSnow.height, kSnowStoreHeight);
  EXPECT_EQ(snow_.PicSnowM.width, kSnowStoreWidth);
  EXPECT_EQ(snow_.PicSnowM.height, kSnowStoreHeight);
  EXPECT_EQ(snow_.SnowPicWith, kSnowStoreWidth);
  EXPECT_EQ(snow_.SnowPicHeight, kSnowStoreHeight);

  WriteSnowIni(Ini(3, 0, -2, 2, 1, 5));
  LoadSnow(snow_, show_, folder_, dialogs_, pictures_, random);
  EXPECT_EQ(snow_.SnowPicWith, 1);
  EXPECT_EQ(snow_.SnowPicHeight, 1);
  ExpectBoundedFall(snow_, random, 100);
}

TEST_F(SnowTest, AStripSmallerThanItsMaskIsMatchedToIt) {
  pictures_.files[Native("Snow.JPG")] = Picture({"RR"});
  pictures_.files[Native("SnowM.JPG")] = Picture({"..W", "..W"});
  WriteSnowIni(Ini(1, 3, 2, 1, 0, 5));
  SequenceRandom random;
  Load(random);
  ASSERT_EQ(show_, -1);
  EXPECT_EQ(snow_.PicSnow.width, 2);
  EXPECT_EQ(snow_.PicSnow.height, 1);
  EXPECT_EQ(snow_.PicSnowM.width, 2);
  EXPECT_EQ(snow_.PicSnowM.height, 1);
}

}  // namespace
}  // namespace pelmora
