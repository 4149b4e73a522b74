#include "platform/qt/QtPictures.h"

#include <QString>
#include <cstring>

#include "platform/qt/QtLanguage.h"

namespace pelmora {

std::optional<Surface> QtPictureLoader::Load(const std::string& path) {
  QImage image;
  if (!image.load(QString::fromStdString(LocalFile(path))) || image.isNull()) return std::nullopt;
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

void CopyOpaque(const QImage& from, const QRect& area, QImage& to) {
  const QRect r = area & from.rect() & to.rect();
  for (int y = r.top(); y <= r.bottom(); ++y) {
    const auto* in = reinterpret_cast<const std::uint32_t*>(from.constScanLine(y)) + r.left();
    auto* out = reinterpret_cast<std::uint32_t*>(to.scanLine(y)) + r.left();
    for (int x = 0; x < r.width(); ++x) out[x] = in[x] | 0xFF000000u;
  }
}

QImage OpaqueImage(const Surface& surface, int scale) {
  QImage image(surface.width, surface.height, QImage::Format_RGB32);
  CopyOpaque(AsImage(surface), image.rect(), image);
  image.setDevicePixelRatio(scale);
  return image;
}

namespace {

template <typename Picture>
Picture LoadFor(const QString& path, int scale) {
  Picture picture;
  if (scale >= 2 && picture.load(QString::fromStdString(LocalFile(ScaledName(path.toStdString(), 2))))) {
    picture.setDevicePixelRatio(2);
    return picture;
  }
  picture.load(LocalFile(path));
  return picture;
}

}  // namespace

QPixmap LoadPixmap(const QString& path, int scale) { return LoadFor<QPixmap>(path, scale); }

QImage LoadImage(const QString& path, int scale) { return LoadFor<QImage>(path, scale); }

}  // namespace pelmora
