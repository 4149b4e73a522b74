#include "Aim.h"

#include <QLinearGradient>

#include "Geometry.h"

namespace pelmora::assets {

namespace {

constexpr int kSize = layout::kCell;
const QColor kRim(30, 26, 60);

// The arrow pointing down; the throw arrow is the same picture turned upside down.
QPainterPath ArrowPath() {
  QPainterPath path;
  path.moveTo(12.5, 3);
  path.lineTo(23.5, 3);
  path.lineTo(23.5, 15);
  path.lineTo(32, 15);
  path.lineTo(18, 32.5);
  path.lineTo(4, 15);
  path.lineTo(12.5, 15);
  path.closeSubpath();
  return path;
}

QImage DrawArrow(bool up, int phase, QColor light, QColor deep, int scale) {
  QImage art = Canvas(kSize, kSize, scale);
  QPainter p(&art);
  Smooth(p);
  if (up) {
    p.translate(0, kSize);
    p.scale(1, -1);
  }
  const QPainterPath path = ArrowPath();
  // Dark rim outside a white rim: the arrow stands out on dark and light fields alike.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kRim, 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);

  const double glow = phase == 2 ? 0.35 : 0.0;
  QLinearGradient g(0, 3, 0, 32);
  g.setColorAt(0, Lighter(light, 0.3 + glow));
  g.setColorAt(1, Lighter(deep, glow));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(path);

  // Two chevrons inside the head that step on by a few pixels from phase 1 to phase 2, so the
  // flicker of the two phases reads as motion in the arrow's direction.
  p.save();
  p.setClipPath(path);
  const double shift = phase == 2 ? 5 : 0;
  p.setPen(QPen(QColor(255, 255, 255, phase == 2 ? 240 : 170), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  for (int i = 0; i < 2; ++i) {
    const double y = 8 + i * 8 + shift;
    p.drawPolyline(QPolygonF({{10.5, y}, {18, y + 6}, {25.5, y}}));
  }
  p.restore();
  return art;
}

ArrowPictures Arrow(bool up, QColor light, QColor deep, int scale) {
  const SpritePair one = Split(DrawArrow(up, 1, light, deep, scale));
  const SpritePair two = Split(DrawArrow(up, 2, light, deep, scale));
  return {one.mask, one.sheet, two.sheet};
}

}  // namespace

ArrowPictures GrabArrow(int scale) { return Arrow(false, QColor(255, 236, 90), QColor(255, 170, 0), scale); }
ArrowPictures ThrowArrow(int scale) { return Arrow(true, QColor(120, 255, 214), QColor(0, 180, 140), scale); }

SpritePair GuideDash(int scale) {
  QImage art = Canvas(kSize, layout::kDashHeight, scale);
  QPainter p(&art);
  Smooth(p);
  p.setPen(Qt::NoPen);
  p.setBrush(kRim);
  p.drawRoundedRect(QRectF(15, 0, 6, layout::kDashHeight), 2.6, 2.6);
  p.setBrush(QColor(255, 246, 200));
  p.drawRoundedRect(QRectF(16.2, 1.1, 3.6, 5.8), 1.6, 1.6);
  p.end();
  return Split(art);
}

}  // namespace pelmora::assets
