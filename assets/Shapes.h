#pragma once
// The eight kinds of piece. They differ in silhouette, not only in colour, so that players who
// cannot tell red from green still can: 1 circle, 2 square, 3 triangle, 4 diamond, 5 star,
// 6 heart, 7 hexagon, 8 clover. Every set keeps the silhouette of a kind and varies only its
// style, so a player who switches sets keeps their bearings.

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QVector>

namespace pelmora::assets {

constexpr int kKinds = 8;

struct KindShape {
  QPainterPath outline;
  // Points around the outline (the corners of polygonal kinds, evenly spaced points of round
  // ones): the ring that the facets of a cut gem start from.
  QVector<QPointF> ring;
  QPointF centre;
};

// The silhouette of kind 1..8 fitted into box.
KindShape ShapeOf(int kind, const QRectF& box);

// The hue of each kind, the same in every set so that colour and shape agree everywhere.
QColor KindColour(int kind);

// A polygon whose corners are rounded by radius (clamped to half of each edge).
QPainterPath RoundedPolygon(const QVector<QPointF>& corners, double radius);

}  // namespace pelmora::assets
