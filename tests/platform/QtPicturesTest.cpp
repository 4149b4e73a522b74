// A picture file cut short is a broken picture, not one drawn with grey rows.
#include <gtest/gtest.h>

#include "platform/qt/QtPictures.h"
#include "support/TempFolder.h"

namespace pelmora {
namespace {

TEST(QtPictures, APictureCutShortDoesNotLoadAndAWholeOneDoes) {
  testing::TempFolder folder;
  QtPictureLoader loader;
  for (const char* name : {"pics/gems/GameImages.JPG", "ui/Pause.png"}) {
    const std::string whole = testing::ReadBytes(std::string(PELMORA_GAME_DIR "/") + name);
    ASSERT_GT(whole.size(), 1000u) << name;
    const std::string path = folder.File("picture");
    for (const std::string& bytes : {whole, whole + "bytes after the end"}) {
      testing::WriteBytes(path, bytes);
      EXPECT_TRUE(loader.Load(path)) << name;
    }
    for (const std::size_t keep : {std::size_t{1000}, whole.size() - 1}) {
      testing::WriteBytes(path, whole.substr(0, keep));
      EXPECT_FALSE(loader.Load(path)) << name << " cut to " << keep;
    }
  }
}

}  // namespace
}  // namespace pelmora
