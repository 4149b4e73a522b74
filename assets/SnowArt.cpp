#include "SnowArt.h"

#include <cmath>
#include <numbers>

namespace pelmora::assets {

namespace {

const QColor kIce(255, 255, 255);
const QColor kEdge(150, 196, 240);

struct FlakeStyle {
  double radius;   // arm length
  double width;    // line width
  int twigs;       // side branches per arm
  bool plate;      // a hexagonal plate in the middle
};

void DrawCrystal(QPainter& p, QPointF c, const FlakeStyle& s, double turn) {
  for (const auto& [colour, extra] : {std::pair{kEdge, 1.4}, std::pair{kIce, 0.0}}) {
    p.setPen(QPen(colour, s.width + extra, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int i = 0; i < 6; ++i) {
      const double a = turn + i * std::numbers::pi / 3;
      const QPointF dir(std::cos(a), std::sin(a));
      const QPointF side(-dir.y(), dir.x());
      p.drawLine(c, c + dir * s.radius);
      for (int t = 1; t <= s.twigs; ++t) {
        const QPointF at = c + dir * (s.radius * (0.25 + 0.3 * t));
        const double len = s.radius * (0.42 - 0.1 * t);
        p.drawLine(at, at + (dir * 0.7 + side) * len * 0.75);
        p.drawLine(at, at + (dir * 0.7 - side) * len * 0.75);
      }
    }
    if (s.plate) {
      QPolygonF hex;
      for (int i = 0; i < 6; ++i) {
        const double a = turn + i * std::numbers::pi / 3;
        hex << c + QPointF(std::cos(a), std::sin(a)) * (s.radius * 0.42);
      }
      p.setBrush(colour);
      p.drawPolygon(hex);
      p.setBrush(Qt::NoBrush);
    }
  }
}

void DrawDot(QPainter& p, QPointF c, double r) {
  p.setPen(QPen(kEdge, 1.2));
  p.setBrush(kIce);
  p.drawEllipse(c, r, r);
}

}  // namespace

SpritePair SnowFlakes(int scale) {
  QImage art = Canvas(kFlakeSize * kFlakes, kFlakeSize, scale);
  QPainter p(&art);
  Smooth(p);
  const double h = kFlakeSize / 2.0;
  const auto centre = [h](int i) { return QPointF(i * kFlakeSize + h, h); };
  // Big and small crystals, plates, soft dots: a mix, so the snowfall looks varied.
  DrawCrystal(p, centre(0), {7.6, 1.5, 2, false}, std::numbers::pi / 6);
  DrawCrystal(p, centre(1), {4.6, 1.6, 0, false}, 0);
  DrawCrystal(p, centre(2), {6.8, 1.5, 1, true}, std::numbers::pi / 6);
  DrawDot(p, centre(3), 3.4);
  DrawCrystal(p, centre(4), {7.4, 1.4, 1, false}, 0.2);
  DrawCrystal(p, centre(5), {3.6, 1.5, 0, false}, std::numbers::pi / 6);
  DrawCrystal(p, centre(6), {5.8, 2.2, 0, true}, 0);
  Sparkle(p, centre(7), 6.0, kIce);
  p.end();
  return Split(art);
}

QByteArray SnowIni() {
  return QByteArray("[Snow]\r\n"
                    "SnowShow=True\r\n"
                    "SnowSum=60\r\n"
                    "SnowPicWith=19\r\n"
                    "SnowPicHeight=19\r\n"
                    "SnowPicsum=8\r\n"
                    "XM=1\r\n"
                    "YM=3\r\n");
}

}  // namespace pelmora::assets
