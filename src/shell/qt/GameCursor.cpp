#include "shell/qt/GameCursor.h"

#include <QPixmap>
#include <cmath>

#include "platform/qt/QtPictures.h"
#include "view/Layout.h"

namespace pelmora {

CursorPicture GameCursorPicture(const QString& uiFolder, qreal ratio) {
  const QImage source = LoadImage(uiFolder + "Cursor.png", layout::DeviceScale(ratio));
  if (source.isNull()) return {};
  const int side = static_cast<int>(std::lround(layout::kCursorSize * ratio));
  QImage image = source.size() == QSize(side, side)
                     ? source
                     : source.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  image.setDevicePixelRatio(ratio);
  // The device pixel that holds the middle of the logical tip pixel.
  const auto device = [ratio](int logical) { return static_cast<int>(std::floor((logical + 0.5) * ratio)); };
  return {image, QPoint(device(layout::kCursorHotX), device(layout::kCursorHotY))};
}

QCursor GameCursor(const QString& uiFolder, qreal ratio, bool hotSpotInDevicePixels) {
  const CursorPicture picture = GameCursorPicture(uiFolder, ratio);
  if (picture.image.isNull()) return QCursor(Qt::PointingHandCursor);
  const QPoint hot = hotSpotInDevicePixels ? picture.deviceHotSpot : QPoint(layout::kCursorHotX, layout::kCursorHotY);
  return QCursor(QPixmap::fromImage(picture.image), hot.x(), hot.y());
}

}  // namespace pelmora
