#include "Digits.h"

#include <QPainter>
#include <QPainterPath>

#include "Art.h"
#include "Geometry.h"

namespace pelmora::assets {

namespace {

const QColor kGlass(20, 22, 44);
const QColor kOff(40, 44, 74);
const QColor kOn(255, 206, 64);
const QColor kHalo(255, 150, 0, 70);
constexpr int kDigitW = layout::kDigitWidth;

// Segments a..g: top, upper right, lower right, bottom, lower left, upper left, middle.
constexpr bool kLit[10][7] = {
    {1, 1, 1, 1, 1, 1, 0}, {0, 1, 1, 0, 0, 0, 0}, {1, 1, 0, 1, 1, 0, 1}, {1, 1, 1, 1, 0, 0, 1},
    {0, 1, 1, 0, 0, 1, 1}, {1, 0, 1, 1, 0, 1, 1}, {1, 0, 1, 1, 1, 1, 1}, {1, 1, 1, 0, 0, 0, 0},
    {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 0, 1, 1},
};

// A segment as a long hexagon from a to b, t thick.
QPainterPath Segment(QPointF a, QPointF b, double t) {
  const bool horizontal = a.y() == b.y();
  const double h = t / 2;
  QPolygonF poly;
  if (horizontal)
    poly << a << a + QPointF(h, -h) << b + QPointF(-h, -h) << b << b + QPointF(-h, h) << a + QPointF(h, h);
  else
    poly << a << a + QPointF(h, h) << b + QPointF(h, -h) << b << b + QPointF(-h, -h) << a + QPointF(-h, h);
  QPainterPath path;
  path.addPolygon(poly);
  path.closeSubpath();
  return path;
}

// Draws the seven segments in a digit's cell at x0; lit[i] says which are on.
void DrawSegments(QPainter& p, double x0, const bool lit[7]) {
  const double l = x0 + 3.2, r = x0 + 11.8, t = 2.6, m = 12.5, b = 22.4, w = 2.6, gap = 0.9;
  const QPainterPath seg[7] = {
      Segment({l + gap, t}, {r - gap, t}, w), Segment({r, t + gap}, {r, m - gap}, w),
      Segment({r, m + gap}, {r, b - gap}, w), Segment({l + gap, b}, {r - gap, b}, w),
      Segment({l, m + gap}, {l, b - gap}, w), Segment({l, t + gap}, {l, m - gap}, w),
      Segment({l + gap, m}, {r - gap, m}, w),
  };
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 7; ++i) {
    if (lit[i]) continue;
    p.setBrush(kOff);
    p.drawPath(seg[i]);
  }
  for (int i = 0; i < 7; ++i) {
    if (!lit[i]) continue;
    p.setPen(QPen(kHalo, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kOn);
    p.drawPath(seg[i]);
  }
  p.setPen(Qt::NoPen);
}

}  // namespace

QImage DigitStrip(int scale) {
  QImage img = Opaque(10 * kDigitW, layout::kDigitHeight, kGlass, scale);
  QPainter p(&img);
  Smooth(p);
  for (int d = 0; d < 10; ++d) DrawSegments(p, d * kDigitW, kLit[d]);
  return img;
}

QImage ScoreStart(int scale) {
  QImage img = Opaque(layout::kScoreBox.w, layout::kScoreBox.h, kGlass, scale);
  QPainter p(&img);
  Smooth(p);
  static constexpr bool dash[7] = {0, 0, 0, 0, 0, 0, 1};
  for (int k = 0; k < layout::kScoreDigits; ++k) DrawSegments(p, k * kDigitW, dash);
  return img;
}

}  // namespace pelmora::assets
