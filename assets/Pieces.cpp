#include "Pieces.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

#include "Geometry.h"
#include "Shapes.h"

namespace pelmora::assets {

namespace {

// Facets lit from the upper left: each side of the cut is lighter or darker by how much it
// faces the light.
double Facing(QPointF centre, QPointF a, QPointF b) {
  const QPointF mid = (a + b) / 2 - centre;
  const double len = std::hypot(mid.x(), mid.y());
  if (len < 1e-6) return 0;
  return (mid.x() * -0.6 + mid.y() * -0.8) / len;
}

QColor Shade(QColor c, double facing) {
  return facing >= 0 ? Lighter(c, 0.5 * facing) : Darker(c, 0.42 * -facing);
}

void DrawGem(QPainter& p, int kind) {
  const KindShape s = ShapeOf(kind, QRectF(2.5, 2.5, 31, 31));
  const QColor base = KindColour(kind);
  p.setPen(Qt::NoPen);
  p.setBrush(Darker(base, 0.1));
  p.drawPath(s.outline);

  p.save();
  p.setClipPath(s.outline);
  const int n = static_cast<int>(s.ring.size());
  QVector<QPointF> table;
  for (const QPointF& q : s.ring) table.push_back(s.centre + (q - s.centre) * 0.52);
  for (int i = 0; i < n; ++i) {
    const int j = (i + 1) % n;
    // Extend the facet past the ring so round outlines leave no uncut sliver at their edge.
    const QPointF a = s.centre + (s.ring[i] - s.centre) * 1.3;
    const QPointF b = s.centre + (s.ring[j] - s.centre) * 1.3;
    QPolygonF facet({a, b, table[j], table[i]});
    p.setBrush(Shade(base, Facing(s.centre, s.ring[i], s.ring[j])));
    p.setPen(QPen(WithAlpha(Qt::white, 70), 0.6));
    p.drawPolygon(facet);
  }
  QLinearGradient top(s.centre - QPointF(6, 6), s.centre + QPointF(6, 6));
  top.setColorAt(0, Lighter(base, 0.55));
  top.setColorAt(1, Lighter(base, 0.12));
  p.setBrush(top);
  p.setPen(QPen(WithAlpha(Qt::white, 110), 0.6));
  p.drawPolygon(QPolygonF(table));
  p.restore();

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Darker(base, 0.62), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(s.outline);
  Sparkle(p, s.centre + QPointF(-4.5, -5), 4.2, QColor(255, 255, 255, 235));
}

void DrawLeaf(QPainter& p, QPointF base, double angleDeg) {
  p.save();
  p.translate(base);
  p.rotate(angleDeg);
  QPainterPath leaf;
  leaf.moveTo(0, 0);
  leaf.cubicTo(2, -2.3, 6, -2.3, 8, 0);
  leaf.cubicTo(6, 2.3, 2, 2.3, 0, 0);
  p.setPen(QPen(QColor(34, 90, 30), 1.1));
  p.setBrush(QColor(104, 190, 70));
  p.drawPath(leaf);
  p.setPen(QPen(QColor(190, 240, 150, 200), 0.7));
  p.drawLine(QPointF(1.5, 0), QPointF(6.5, 0));
  p.restore();
}

// The highest point of an outline: where a fruit's stalk grows.
QPointF TopOf(const QPainterPath& path) {
  constexpr double kMiddle = layout::kCell / 2.0;
  QPointF best(0, 1e9);
  for (int i = 0; i <= 200; ++i) {
    const QPointF q = path.pointAtPercent(i / 200.0);
    if (q.y() < best.y() - 0.01 ||
        (std::abs(q.y() - best.y()) < 0.01 && std::abs(q.x() - kMiddle) < std::abs(best.x() - kMiddle)))
      best = q;
  }
  return best;
}

void DrawGarden(QPainter& p, int kind) {
  const KindShape s = ShapeOf(kind, QRectF(3.5, 5.5, 29, 29));
  const QColor base = Lighter(KindColour(kind), 0.08);
  QRadialGradient g(s.centre + QPointF(-5, -6), 24);
  g.setColorAt(0.0, Lighter(base, 0.55));
  g.setColorAt(0.45, base);
  g.setColorAt(1.0, Darker(base, 0.22));
  p.setBrush(g);
  p.setPen(QPen(Darker(base, 0.6), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(s.outline);

  // A stitched seam just inside the edge: the soft, hand-made look of the garden set.
  p.save();
  p.setClipPath(s.outline);
  QTransform inset;
  inset.translate(s.centre.x(), s.centre.y());
  inset.scale(0.74, 0.74);
  inset.translate(-s.centre.x(), -s.centre.y());
  QPen seam(WithAlpha(Qt::white, 150), 1.0, Qt::CustomDashLine, Qt::RoundCap);
  seam.setDashPattern({1.6, 2.2});
  p.setPen(seam);
  p.setBrush(Qt::NoBrush);
  p.drawPath(inset.map(s.outline));
  p.restore();

  // A little flower print in the middle.
  const QPointF c = s.centre + QPointF(0, 1);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 225));
  for (int i = 0; i < 5; ++i) {
    const double a = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 5;
    p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * 2.6, 1.9, 1.9);
  }
  p.setBrush(QColor(255, 214, 60));
  p.drawEllipse(c, 1.5, 1.5);

  p.save();
  p.setClipPath(s.outline);
  p.setBrush(QColor(255, 255, 255, 150));
  p.drawEllipse(s.centre + QPointF(-6.5, -6.5), 3.2, 2.2);
  p.restore();
  // Heart and clover dip at the top; their stalk grows from the middle of the dip.
  QPointF top = (kind == 6 || kind == 8) ? QPointF(layout::kCell / 2.0, s.outline.boundingRect().top() + (kind == 6 ? 8 : 3))
                                         : TopOf(s.outline);
  p.setPen(QPen(QColor(90, 60, 30), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(top + QPointF(0, 1), top + QPointF(0.6, -1.6));
  DrawLeaf(p, top + QPointF(0.6, -1.5), -24);
}

void DrawSnowflakeGlyph(QPainter& p, QPointF c, double r, QColor colour) {
  p.save();
  p.setPen(QPen(colour, 1.1, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 6; ++i) {
    const double a = i * std::numbers::pi / 3 + std::numbers::pi / 6;
    const QPointF dir(std::cos(a), std::sin(a));
    const QPointF side(-dir.y(), dir.x());
    p.drawLine(c, c + dir * r);
    const QPointF twig = c + dir * (r * 0.6);
    p.drawLine(twig, twig + (dir + side) * (r * 0.28));
    p.drawLine(twig, twig + (dir - side) * (r * 0.28));
  }
  p.restore();
}

void DrawWinter(QPainter& p, int kind) {
  const KindShape s = ShapeOf(kind, QRectF(3.5, 3.5, 29, 29));
  const QColor base = Mix(KindColour(kind), QColor(160, 200, 255), 0.12);
  // A frost halo first, then the dark rim inside it: crisp on the dark winter sky and on
  // light backgrounds alike.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(225, 242, 255), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(s.outline);
  QRadialGradient g(s.centre + QPointF(-5, -6), 25);
  g.setColorAt(0.0, Lighter(base, 0.75));
  g.setColorAt(0.25, Lighter(base, 0.2));
  g.setColorAt(0.7, base);
  g.setColorAt(1.0, Darker(base, 0.45));
  p.setBrush(g);
  p.setPen(QPen(Darker(base, 0.65), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(s.outline);
  DrawSnowflakeGlyph(p, s.centre + QPointF(1, 2), 5.2, QColor(255, 255, 255, 215));
  p.save();
  p.setClipPath(s.outline);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 210));
  p.drawEllipse(s.centre + QPointF(-6, -6.5), 3.0, 2.0);
  p.setBrush(QColor(255, 255, 255, 160));
  p.drawEllipse(s.centre + QPointF(-2.5, -8.5), 1.1, 1.1);
  p.restore();
}

}  // namespace

void DrawPiece(QPainter& p, PieceStyle style, int kind, QPointF topLeft, double scale) {
  p.save();
  p.translate(topLeft);
  p.scale(scale, scale);
  switch (style) {
    case PieceStyle::Gems: DrawGem(p, kind); break;
    case PieceStyle::Garden: DrawGarden(p, kind); break;
    case PieceStyle::Winter: DrawWinter(p, kind); break;
  }
  p.restore();
}

SpritePair PieceSheet(PieceStyle style, int scale) {
  constexpr int kCell = layout::kCell;
  QImage art = Canvas(kCell, kCell * kKinds, scale);
  QPainter p(&art);
  Smooth(p);
  for (int k = 1; k <= kKinds; ++k) {
    // Each kind is clipped to its own cell so that nothing spills into its neighbour.
    p.save();
    p.setClipRect(0, layout::PieceSheetY(k), kCell, kCell);
    DrawPiece(p, style, k, QPointF(0, layout::PieceSheetY(k)));
    p.restore();
  }
  p.end();
  return Split(art);
}

}  // namespace pelmora::assets
