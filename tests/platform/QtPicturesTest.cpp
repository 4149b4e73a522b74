// A picture file cut short is a broken picture, not one drawn with grey rows.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>

#include "platform/qt/QtPictures.h"
#include "support/TempFolder.h"

namespace pelmora {
namespace {

TEST(QtPictures, APictureCutShortDoesNotLoadAndAWholeOneDoes) {
  QImage image(120, 90, QImage::Format_RGB32);  // full of detail, so that its file is long
  for (int y = 0; y < 90; ++y)
    for (int x = 0; x < 120; ++x) image.setPixel(x, y, qRgb(x * 37 % 256, y * 91 % 256, x * y % 256));
  testing::TempFolder folder;
  const std::string path = folder.File("GameImages.JPG");
  QtPictureLoader loader;
  for (const auto& [format, progressive] : {std::pair{"jpeg", false}, {"jpeg", true}, {"png", false}}) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    ASSERT_TRUE(writer.write(image));
    const std::string whole = buffer.data().toStdString();
    for (const std::string& bytes : {whole, whole + "bytes after the end"}) {
      testing::WriteBytes(path, bytes);
      EXPECT_EQ(loader.Load(path).value_or(Surface()).width, 120) << format;
    }
    for (const std::size_t keep : {std::size_t{1000}, whole.size() - 1}) {
      testing::WriteBytes(path, whole.substr(0, keep));
      EXPECT_FALSE(loader.Load(path)) << format << (progressive ? " progressive" : "") << " cut to " << keep;
    }
  }
}

}  // namespace
}  // namespace pelmora
