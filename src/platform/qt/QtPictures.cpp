#include "platform/qt/QtPictures.h"

#include <QFileInfo>
#include <QString>
#include <cstring>

#include "platform/FileBytes.h"

namespace pelmora {

std::optional<Surface> QtPictureLoader::Load(const std::string& path) {
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes || !IsWholePicture(*bytes)) return std::nullopt;
  // The format from the name first, as a load from the file would take it.
  const QByteArray format = QFileInfo(QString::fromStdString(path)).suffix().toLatin1();
  QImage image;
  const auto data = reinterpret_cast<const uchar*>(bytes->data());
  const int size = static_cast<int>(bytes->size());
  if (!image.loadFromData(data, size, format.constData()) && !image.loadFromData(data, size)) return std::nullopt;
  return ToSurface(image);
}

Surface ToSurface(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  Surface s(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) s.at(x, y) = line[x] & 0xFFFFFF;
  }
  return s;
}

QImage AsImage(const Surface& surface, int scale) {
  // Format_RGB32 ignores the top byte, which the raster operations may leave at any value.
  QImage image(reinterpret_cast<const uchar*>(surface.pixels.data()), surface.width, surface.height,
               surface.width * 4, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  return image;
}

namespace {

template <typename Picture>
Picture LoadFor(const QString& path, int scale) {
  Picture picture;
  if (scale >= 2 && picture.load(QString::fromStdString(ScaledName(path.toStdString(), 2)))) {
    picture.setDevicePixelRatio(2);
    return picture;
  }
  picture.load(path);
  return picture;
}

}  // namespace

QPixmap LoadPixmap(const QString& path, int scale) { return LoadFor<QPixmap>(path, scale); }

QImage LoadImage(const QString& path, int scale) { return LoadFor<QImage>(path, scale); }

}  // namespace pelmora
