// Picture files through Qt: a file cut short is a broken picture, not one drawn half grey.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include "platform/qt/QtPictures.h"
#include "support/TempFolder.h"

namespace pelmora {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

// A picture full of detail, so that its file is far longer than the cuts below.
std::string Encoded(const char* format, bool progressive) {
  QImage image(120, 90, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x * 37 % 256, y * 91 % 256, (x * y) % 256));
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  writer.setProgressiveScanWrite(progressive);
  EXPECT_TRUE(writer.write(image));
  return buffer.data().toStdString();
}

TEST(QtPictures, APictureCutShortDoesNotLoadAndAWholeOneDoes) {
  TempFolder folder;
  QtPictureLoader loader;
  const std::string path = folder.File("GameImages.JPG");
  for (const auto& [format, progressive] : {std::pair{"jpeg", false}, {"jpeg", true}, {"png", false}}) {
    const std::string whole = Encoded(format, progressive);
    ASSERT_GT(whole.size(), 1000u) << format;
    WriteBytes(path, whole);
    const auto loaded = loader.Load(path);
    ASSERT_TRUE(loaded) << format;
    EXPECT_EQ(loaded->width, 120);
    WriteBytes(path, whole + "trailing bytes after the end");
    EXPECT_TRUE(loader.Load(path)) << format;
    for (const std::size_t keep : {std::size_t{1000}, whole.size() - 1}) {
      WriteBytes(path, whole.substr(0, keep));
      EXPECT_FALSE(loader.Load(path)) << format << " progressive " << progressive << " cut to " << keep;
    }
  }
}

}  // namespace
}  // namespace pelmora
