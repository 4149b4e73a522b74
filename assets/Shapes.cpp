#include "Shapes.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pelmora::assets {

namespace {

constexpr double kPi = std::numbers::pi;

QPointF At(const QRectF& box, double u, double v) { return {box.left() + u * box.width(), box.top() + v * box.height()}; }

QVector<QPointF> Corners(const QRectF& box, std::initializer_list<std::pair<double, double>> uv) {
  QVector<QPointF> out;
  for (const auto& [u, v] : uv) out.push_back(At(box, u, v));
  return out;
}

QVector<QPointF> Sampled(const QPainterPath& path, int n, double offset) {
  QVector<QPointF> out;
  for (int i = 0; i < n; ++i) out.push_back(path.pointAtPercent(std::fmod(offset + double(i) / n, 1.0)));
  return out;
}

KindShape Polygon(const QRectF& box, QVector<QPointF> corners, double radius) {
  return {RoundedPolygon(corners, radius), corners, box.center()};
}

KindShape Circle(const QRectF& box) {
  QPainterPath path;
  path.addEllipse(box.adjusted(1, 1, -1, -1));
  QVector<QPointF> ring;
  const QPointF c = box.center();
  const double r = box.width() / 2 - 1;
  for (int i = 0; i < 10; ++i) {
    const double a = -kPi / 2 + i * 2 * kPi / 10;
    ring.push_back(c + QPointF(std::cos(a), std::sin(a)) * r);
  }
  return {path, ring, c};
}

KindShape Star(const QRectF& box) {
  QVector<QPointF> corners;
  const QPointF c = At(box, 0.5, 0.54);
  const double outer = box.width() * 0.53;
  const double inner = outer * 0.47;
  for (int i = 0; i < 10; ++i) {
    const double a = -kPi / 2 + i * kPi / 5;
    corners.push_back(c + QPointF(std::cos(a), std::sin(a)) * (i % 2 ? inner : outer));
  }
  return {RoundedPolygon(corners, box.width() * 0.06), corners, c};
}

KindShape Heart(const QRectF& box) {
  QPainterPath p;
  const auto P = [&](double u, double v) { return At(box, u, v); };
  p.moveTo(P(0.5, 0.28));
  p.cubicTo(P(0.62, 0.04), P(1.02, 0.02), P(0.99, 0.36));
  p.cubicTo(P(0.97, 0.62), P(0.66, 0.78), P(0.5, 0.97));
  p.cubicTo(P(0.34, 0.78), P(0.03, 0.62), P(0.01, 0.36));
  p.cubicTo(P(-0.02, 0.02), P(0.38, 0.04), P(0.5, 0.28));
  p.closeSubpath();
  return {p, Sampled(p, 12, 0.0), At(box, 0.5, 0.5)};
}

KindShape Clover(const QRectF& box) {
  QPainterPath p;
  const QPointF c = box.center();
  // Four small round leaves well apart: deep notches between them keep it far from a circle.
  const double r = box.width() * 0.2;
  const double d = box.width() * 0.3;
  for (int i = 0; i < 4; ++i) {
    const double a = -kPi / 2 + i * kPi / 2;
    p.addEllipse(c + QPointF(std::cos(a), std::sin(a)) * d, r, r);
  }
  p.addEllipse(c, r * 0.8, r * 0.8);
  p.setFillRule(Qt::WindingFill);
  QPainterPath simple = p.simplified();
  QVector<QPointF> ring;
  for (int i = 0; i < 8; ++i) {
    const double a = -kPi / 2 + i * kPi / 4;
    const double reach = (i % 2 == 0) ? d + r : r * 1.2;
    ring.push_back(c + QPointF(std::cos(a), std::sin(a)) * reach);
  }
  return {simple, ring, c};
}

}  // namespace

QPainterPath RoundedPolygon(const QVector<QPointF>& corners, double radius) {
  QPainterPath path;
  const int n = static_cast<int>(corners.size());
  for (int i = 0; i < n; ++i) {
    const QPointF prev = corners[(i + n - 1) % n];
    const QPointF here = corners[i];
    const QPointF next = corners[(i + 1) % n];
    const double inLen = QLineF(prev, here).length();
    const double outLen = QLineF(here, next).length();
    const double r = std::min({radius, inLen / 2, outLen / 2});
    const QPointF a = here + (prev - here) * (r / inLen);
    const QPointF b = here + (next - here) * (r / outLen);
    if (i == 0) path.moveTo(a); else path.lineTo(a);
    path.quadTo(here, b);
  }
  path.closeSubpath();
  return path;
}

KindShape ShapeOf(int kind, const QRectF& box) {
  const double w = box.width();
  switch (kind) {
    case 1: return Circle(box);
    case 2: return Polygon(box, Corners(box, {{0.04, 0.04}, {0.96, 0.04}, {0.96, 0.96}, {0.04, 0.96}}), w * 0.1);
    case 3: return Polygon(box, Corners(box, {{0.5, 0.02}, {1.0, 0.92}, {0.0, 0.92}}), w * 0.1);
    case 4: return Polygon(box, Corners(box, {{0.5, 0.0}, {0.95, 0.5}, {0.5, 1.0}, {0.05, 0.5}}), w * 0.07);
    case 5: return Star(box);
    case 6: return Heart(box);
    // A wide hexagon, like a step-cut stone: a round hexagon would look too much like the circle.
    case 7: return Polygon(box, Corners(box, {{0.24, 0.16}, {0.76, 0.16}, {1.0, 0.5}, {0.76, 0.84}, {0.24, 0.84}, {0.0, 0.5}}), w * 0.05);
    default: return Clover(box);
  }
}

QColor KindColour(int kind) {
  // Hues spread round the wheel and also apart in lightness (yellow light, blue and purple
  // dark), so that even in grey the kinds stay apart.
  static const QColor colours[kKinds] = {
      QColor(232, 52, 52),    // circle: red
      QColor(40, 110, 230),   // square: blue
      QColor(52, 178, 70),    // triangle: green
      QColor(255, 204, 30),   // diamond: yellow
      QColor(150, 70, 220),   // star: purple
      QColor(255, 105, 180),  // heart: pink
      QColor(255, 136, 20),   // hexagon: orange
      QColor(20, 200, 210),   // clover: cyan
  };
  return colours[std::clamp(kind, 1, kKinds) - 1];
}

}  // namespace pelmora::assets
