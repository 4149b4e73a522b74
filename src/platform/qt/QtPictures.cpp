#include "platform/qt/QtPictures.h"

#include <QString>
#include <cstring>

namespace pelmora {

std::optional<Surface> QtPictureLoader::Load(const std::string& path) {
  QImage image;
  if (!image.load(QString::fromStdString(path)) || image.isNull()) return std::nullopt;
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

QImage AsImage(const Surface& surface) {
  // Format_RGB32 ignores the top byte, which the raster operations may leave at any value.
  return QImage(reinterpret_cast<const uchar*>(surface.pixels.data()), surface.width, surface.height,
                surface.width * 4, QImage::Format_RGB32);
}

}  // namespace pelmora
