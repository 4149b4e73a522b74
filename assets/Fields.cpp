#include "Fields.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

#include "Dice.h"
#include "game/Board.h"

namespace pelmora::assets {

namespace {

// Every other column a shade lighter, so the eye finds the columns without grid lines.
void DrawLanes(QPainter& p, QColor light) {
  for (int c = 1; c < kColumns; c += 2) p.fillRect(QRectF(layout::CellX(c), 0, layout::kCell, kLimitTop), light);
}

// A crystal: a six-sided prism standing on the ground, leaning by angle degrees.
void DrawCrystal(QPainter& p, QPointF foot, double height, double width, double angle, QColor body, QColor edge) {
  p.save();
  p.translate(foot);
  p.rotate(angle);
  const double w = width / 2;
  QPolygonF prism({{-w, 0}, {-w, -height + w}, {0, -height}, {w, -height + w}, {w, 0}});
  p.setPen(QPen(edge, 1.2));
  p.setBrush(body);
  p.drawPolygon(prism);
  p.setPen(Qt::NoPen);
  p.setBrush(WithAlpha(edge, 90));
  p.drawPolygon(QPolygonF({{-w, 0}, {-w, -height + w}, {0, -height}, {0, 0}}));
  p.restore();
}

void DrawHill(QPainter& p, double baseY, double amplitude, double phase, QColor colour) {
  QPainterPath hill;
  hill.moveTo(0, kFieldH);
  for (int x = 0; x <= kFieldW; x += 4)
    hill.lineTo(x, baseY - amplitude * (0.6 * std::sin(x / 61.0 + phase) + 0.4 * std::sin(x / 23.0 + phase * 2)));
  hill.lineTo(kFieldW, kFieldH);
  hill.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(hill);
}

void DrawCloud(QPainter& p, QPointF c, double size) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(c, size, size * 0.55);
  p.drawEllipse(c + QPointF(-size * 0.7, size * 0.15), size * 0.6, size * 0.4);
  p.drawEllipse(c + QPointF(size * 0.75, size * 0.12), size * 0.65, size * 0.42);
  p.drawEllipse(c + QPointF(size * 0.15, -size * 0.35), size * 0.55, size * 0.45);
}

void DrawPine(QPainter& p, QPointF foot, double h, QColor colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  for (int tier = 0; tier < 3; ++tier) {
    const double top = foot.y() - h + tier * h * 0.22;
    const double half = h * (0.2 + tier * 0.1);
    const double bottom = top + h * 0.42;
    p.drawPolygon(QPolygonF({{foot.x(), top}, {foot.x() + half, bottom}, {foot.x() - half, bottom}}));
  }
  p.fillRect(QRectF(foot.x() - h * 0.05, foot.y() - h * 0.12, h * 0.1, h * 0.12), colour);
}

QImage GemsField(int scale) {
  QImage img = Opaque(kFieldW, kFieldH, Qt::black, scale);
  QPainter p(&img);
  Smooth(p);
  VerticalGradient(p, kField, {{0.0, QColor(26, 17, 56)}, {0.6, QColor(42, 26, 80)}, {1.0, QColor(58, 36, 100)}});
  Dice dice(11);
  for (int i = 0; i < 7; ++i) {
    const QColor glow = i % 2 ? QColor(60, 200, 220, 34) : QColor(220, 80, 200, 30);
    Glow(p, QPointF(dice.Between(0, kFieldW), dice.Between(40, 420)), dice.Between(70, 140), glow);
  }
  DrawLanes(p, QColor(255, 255, 255, 9));
  Scatter(p, dice, 46, QRectF(4, 4, kFieldW - 8, 430), 1.5, 3.6, QColor(220, 210, 255, 170), true);
  // Crystal clusters on the cave floor.
  // Crystals on the cave floor, kept low and dark: the player stands in front of them.
  const QColor body(40, 26, 76), edge(100, 76, 170);
  for (int i = 0; i < 14; ++i) {
    const double x = 6 + i * 27.5 + dice.Between(-6, 6);
    DrawCrystal(p, QPointF(x, kGroundY + 4), dice.Between(16, 34), dice.Between(9, 15), dice.Between(-18, 18), body, edge);
  }
  VerticalGradient(p, QRectF(0, kGroundY, kFieldW, kFieldH - kGroundY), {{0.0, QColor(70, 48, 120)}, {0.2, QColor(36, 22, 62)}, {1.0, QColor(24, 14, 42)}});
  DrawLimitBand(p, QColor(255, 140, 190));
  return img;
}

QImage GardenField(int scale) {
  QImage img = Opaque(kFieldW, kFieldH, Qt::black, scale);
  QPainter p(&img);
  Smooth(p);
  VerticalGradient(p, kField, {{0.0, QColor(150, 210, 250)}, {0.55, QColor(214, 240, 255)}, {0.85, QColor(236, 248, 222)}});
  Glow(p, QPointF(330, 40), 120, QColor(255, 250, 200, 150));
  DrawCloud(p, QPointF(80, 90), 26);
  DrawCloud(p, QPointF(280, 170), 22);
  DrawCloud(p, QPointF(150, 250), 18);
  DrawHill(p, 360, 18, 0.4, QColor(196, 232, 170));
  DrawHill(p, 400, 14, 2.1, QColor(164, 216, 132));
  DrawLanes(p, QColor(255, 255, 255, 34));
  VerticalGradient(p, QRectF(0, kGroundY, kFieldW, kFieldH - kGroundY), {{0.0, QColor(120, 196, 84)}, {1.0, QColor(82, 160, 60)}});
  Dice dice(23);
  p.setPen(QPen(QColor(70, 150, 50), 1.2, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 90; ++i) {
    const double x = dice.Between(0, kFieldW);
    p.drawLine(QPointF(x, kGroundY + 3), QPointF(x + dice.Between(-2, 2), kGroundY - dice.Between(2, 7)));
  }
  const QColor petals[3] = {QColor(255, 255, 255), QColor(255, 200, 220), QColor(255, 236, 120)};
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 26; ++i) {
    const QPointF c(dice.Between(4, kFieldW - 4), dice.Between(kGroundY + 2, kFieldH - 2));
    p.setBrush(petals[i % 3]);
    p.drawEllipse(c, 2.0, 2.0);
    p.setBrush(QColor(250, 190, 40));
    p.drawEllipse(c, 0.8, 0.8);
  }
  DrawLimitBand(p, QColor(255, 120, 150));
  return img;
}

QImage WinterField(int scale) {
  QImage img = Opaque(kFieldW, kFieldH, Qt::black, scale);
  QPainter p(&img);
  Smooth(p);
  VerticalGradient(p, kField, {{0.0, QColor(12, 28, 60)}, {0.5, QColor(28, 60, 108)}, {0.9, QColor(52, 98, 146)}});
  Glow(p, QPointF(60, 60), 90, QColor(220, 235, 255, 60));
  // A crescent moon: the full disc less a shifted one.
  QPainterPath full, bite;
  full.addEllipse(QPointF(60, 60), 17, 17);
  bite.addEllipse(QPointF(68, 55), 15, 15);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 246, 255, 230));
  p.drawPath(full.subtracted(bite));
  Dice dice(37);
  Scatter(p, dice, 70, QRectF(0, 0, kFieldW, 330), 1.2, 2.4, QColor(255, 255, 255, 200), false);
  Scatter(p, dice, 10, QRectF(0, 0, kFieldW, 300), 2.5, 4.0, QColor(255, 255, 255, 200), true);
  DrawLanes(p, QColor(255, 255, 255, 10));
  DrawHill(p, 388, 16, 1.3, QColor(120, 160, 206));
  for (int i = 0; i < 9; ++i) DrawPine(p, QPointF(20 + i * 44 + dice.Between(-8, 8), 412 + dice.Between(-6, 4)), dice.Between(26, 40), QColor(22, 48, 84));
  DrawHill(p, 430, 10, 3.0, QColor(180, 210, 238));
  VerticalGradient(p, QRectF(0, kGroundY, kFieldW, kFieldH - kGroundY), {{0.0, QColor(240, 248, 255)}, {1.0, QColor(200, 222, 244)}});
  DrawLimitBand(p, QColor(255, 150, 180));
  return img;
}

}  // namespace

void DrawLimitBand(QPainter& p, QColor tint) {
  p.save();
  p.setPen(Qt::NoPen);
  p.fillRect(QRectF(0, kLimitTop, kFieldW, kLimitBottom - kLimitTop + 1), WithAlpha(tint, 40));
  p.fillRect(QRectF(0, kLimitTop, kFieldW, 3), WithAlpha(Lighter(tint, 0.35), 235));
  p.fillRect(QRectF(0, kLimitBottom, kFieldW, 1), WithAlpha(tint, 120));
  p.restore();
}

QImage FieldBackground(PieceStyle style, int scale) {
  switch (style) {
    case PieceStyle::Gems: return GemsField(scale);
    case PieceStyle::Garden: return GardenField(scale);
    case PieceStyle::Winter: break;
  }
  return WinterField(scale);
}

QImage FieldMask(int scale) {
  QImage mask(kFieldW * scale, kFieldH * scale, QImage::Format_Grayscale8);
  mask.setDevicePixelRatio(scale);
  for (int y = 0; y < mask.height(); ++y) {
    uchar* line = mask.scanLine(y);
    for (int x = 0; x < mask.width(); ++x) {
      // Where the pixel's centre lies in game pixels, and its distance from the field's
      // centre: 0 in the middle and 1 in the corners.
      const double fx = (x + 0.5) / scale - 0.5, fy = (y + 0.5) / scale - 0.5;
      const double dx = (fx - kFieldW / 2.0) / (kFieldW / 2.0);
      const double dy = (fy - kFieldH / 2.0) / (kFieldH / 2.0);
      const double d = std::clamp((std::sqrt(dx * dx + dy * dy) - 0.55) / 0.86, 0.0, 1.0);
      line[x] = static_cast<uchar>(std::lround(255 - 13 * d * d * (3 - 2 * d)));
    }
  }
  QPainter p(&mask);
  // The limit row: a dashed line along its top, arrows in both margins pointing at it.
  for (int x = 0; x < kFieldW; x += 10) p.fillRect(QRect(x, kLimitTop, 6, 2), Qt::black);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  const int mid = (kLimitTop + kLimitBottom) / 2;
  p.drawPolygon(QPolygon({QPoint(0, mid - 8), QPoint(6, mid), QPoint(0, mid + 8)}));
  p.drawPolygon(QPolygon({QPoint(kFieldW - 1, mid - 8), QPoint(kFieldW - 7, mid), QPoint(kFieldW - 1, mid + 8)}));
  return mask;
}

}  // namespace pelmora::assets
