// Loading the fixed pictures and picture sets: order, failures, and what stays loaded.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "view/SpriteStore.h"

namespace pelmora {
namespace {

// Serves a small grey picture for any path not listed as missing, and records the order.
struct FakeLoader : PictureLoader {
  std::set<std::string> missing;
  std::vector<std::string> asked;
  std::uint32_t colour = Rgb(0x70, 0x70, 0x70);
  std::optional<Surface> Load(const std::string& path) override {
    asked.push_back(path);
    if (missing.count(path)) return std::nullopt;
    return Surface(4, 4, colour);
  }
};

TEST(FixedPictures, LoadInTheirOrderFromTheImagesFolder) {
  SpriteStore store;
  FakeLoader loader;
  EXPECT_EQ(LoadFixedPictures(store, "/g\\images\\", loader), std::nullopt);
  ASSERT_EQ(loader.asked.size(), 23u);
  EXPECT_EQ(loader.asked.front(), "/g/images/GameMap.JPG");
  EXPECT_EQ(loader.asked[1], "/g/images/GameMapM.JPG");
  EXPECT_EQ(loader.asked[2], "/g/images/RDown.JPG");
  EXPECT_EQ(loader.asked[14], "/g/images/Number1.JPG");
  EXPECT_EQ(loader.asked.back(), "/g/images/LineM.JPG");
}

TEST(FixedPictures, TheFirstMissingFileIsNamed) {
  SpriteStore store;
  FakeLoader loader;
  loader.missing = {"/g/images/JTUp1.JPG", "/g/images/LineM.JPG"};
  EXPECT_EQ(LoadFixedPictures(store, "/g\\images\\", loader), std::optional<std::string>("JTUp1.JPG"));
}

TEST(FixedPictures, SpriteMasksAreCleanedButTheFieldMaskKeepsItsShade) {
  SpriteStore store;
  FakeLoader loader;  // every picture a mid grey, just below the white threshold
  LoadFixedPictures(store, "/g\\images\\", loader);
  EXPECT_EQ(store.RStarM.at(0, 0), kBlack);
  EXPECT_EQ(store.JTUp[0].at(1, 1), kBlack);
  EXPECT_EQ(store.RStar.at(0, 0), Rgb(0x70, 0x70, 0x70));  // under a black mask: kept
  EXPECT_EQ(store.GameMapM.at(0, 0), Rgb(0x70, 0x70, 0x70));
}

TEST(PictureSets, AllThreePicturesOrNone) {
  SpriteStore store;
  FakeLoader loader;
  ASSERT_EQ(LoadPictureSet(store, "/g\\pics\\gems\\", loader), std::nullopt);
  EXPECT_THAT(loader.asked, ::testing::ElementsAre("/g/pics/gems/GameMap.JPG", "/g/pics/gems/GameImages.JPG",
                                                   "/g/pics/gems/GameImagesM.JPG"));
  loader.colour = Rgb(0xF0, 0xF0, 0xF0);
  loader.missing = {"/g/pics/snow/GameImagesM.JPG"};
  EXPECT_EQ(LoadPictureSet(store, "/g\\pics\\snow\\", loader), std::optional<std::string>("GameImagesM.JPG"));
  EXPECT_EQ(store.GameMap.at(0, 0), Rgb(0x70, 0x70, 0x70));  // the earlier set stays whole
  EXPECT_EQ(store.GameImages.at(0, 0), Rgb(0x70, 0x70, 0x70));
}

TEST(PictureSets, ASetNeverReadsTheFieldMask) {
  SpriteStore store;
  FakeLoader loader;
  LoadPictureSet(store, "/g\\pics\\gems\\", loader);
  for (const auto& path : loader.asked) EXPECT_EQ(path.find("GameMapM"), std::string::npos);
}

// A set a player made has no "@2x" pictures: at scale 2 each is its 1x picture magnified
// smoothly, the mask cleaned to pure black and white and the sheet black under its white.
TEST(PictureSets, WithoutTwiceSizedPicturesASetIsMagnifiedSmoothly) {
  // Left half dark, right half light: a hard edge between x 1 and x 2.
  struct EdgeLoader : PictureLoader {
    std::vector<std::string> asked;
    std::optional<Surface> Load(const std::string& path) override {
      asked.push_back(path);
      if (path.find("@2x") != std::string::npos) return std::nullopt;
      Surface s(4, 4, Rgb(0x20, 0x20, 0x20));
      for (int y = 0; y < 4; ++y) s.at(2, y) = s.at(3, y) = Rgb(0xE0, 0xE0, 0xE0);
      return s;
    }
  } loader;
  SpriteStore store;
  store.scale = 2;
  ASSERT_EQ(LoadPictureSet(store, "/g\\pics\\mine\\", loader), std::nullopt);
  EXPECT_EQ(loader.asked.front(), "/g/pics/mine/GameMap@2x.JPG");
  for (const Surface* s : {&store.GameMap, &store.GameImages, &store.GameImagesM}) {
    EXPECT_EQ(s->width, 8);
    EXPECT_EQ(s->height, 8);
  }
  // Across the edge the background passes through blends, where a pixel repeat would jump.
  EXPECT_EQ(store.GameMap.at(2, 0), Rgb(0x20, 0x20, 0x20));
  EXPECT_EQ(store.GameMap.at(3, 0), Rgb(0x50, 0x50, 0x50));
  EXPECT_EQ(store.GameMap.at(4, 0), Rgb(0xB0, 0xB0, 0xB0));
  EXPECT_EQ(store.GameMap.at(5, 0), Rgb(0xE0, 0xE0, 0xE0));
  for (int x = 0; x < 8; ++x) {
    const std::uint32_t mask = store.GameImagesM.at(x, 5);
    EXPECT_TRUE(mask == kBlack || mask == kWhite) << x;
    if (mask == kWhite) {
      EXPECT_EQ(store.GameImages.at(x, 5), kBlack) << x;
    }
  }
  EXPECT_EQ(store.GameImagesM.at(5, 5), kWhite);
  EXPECT_EQ(store.GameImagesM.at(2, 5), kBlack);
}

}  // namespace
}  // namespace pelmora
