#include "platform/qt/QtPictures.h"

#include <QFileInfo>
#include <QString>
#include <cstring>

#include "platform/FileBytes.h"
#include "platform/qt/QtLanguage.h"

namespace pelmora {

std::optional<Surface> QtPictureLoader::Load(const std::string& path) {
  const std::string file = LocalFile(path);  // in English, the picture's twin when it has one
  const std::optional<std::string> bytes = ReadFileBytes(file);
  if (!bytes || !IsWholePicture(*bytes)) return std::nullopt;
  // The format from the name first, as a load from the file would take it.
  const QByteArray format = QFileInfo(QString::fromStdString(file)).suffix().toLatin1();
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

void CopyOpaque(const QImage& from, const QRect& area, QImage& to) {
  const QRect r = area & from.rect() & to.rect();
  for (int y = r.top(); y <= r.bottom(); ++y) {
    // Two pictures: saying so lets the compiler vectorise.
    const std::uint32_t* __restrict in = reinterpret_cast<const std::uint32_t*>(from.constScanLine(y)) + r.left();
    std::uint32_t* __restrict out = reinterpret_cast<std::uint32_t*>(to.scanLine(y)) + r.left();
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
