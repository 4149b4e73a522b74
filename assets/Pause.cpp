#include "Pause.h"

#include <QLinearGradient>

#include <utility>

#include "Art.h"
#include "Fields.h"
#include "Player.h"
#include "Shapes.h"

namespace pelmora::assets {

namespace {

const QColor kInk(61, 42, 120);
constexpr double kMiddleX = kFieldW / 2.0;

// Faint piece silhouettes, far apart and still: the board is away, its pieces only hinted.
void DrawQuietWallpaper(QPainter& p) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 12));
  int k = 0;
  for (int y = 14; y < kGroundY - 20; y += 52) {
    for (int x = (y / 52) % 2 ? 30 : 4; x < kFieldW; x += 52) {
      p.drawPath(ShapeOf(k % kKinds + 1, QRectF(x, y, 22, 22)).outline);
      k += 3;
    }
  }
  p.restore();
}

// A round badge with the two bars of the pause sign.
void DrawPauseBadge(QPainter& p, QPointF c, double r) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 10, 40, 70));
  p.drawEllipse(c + QPointF(1.5, 2.5), r, r);
  QLinearGradient g(c - QPointF(0, r), c + QPointF(0, r));
  g.setColorAt(0, QColor(160, 170, 255));
  g.setColorAt(1, QColor(86, 92, 214));
  p.setPen(QPen(Qt::white, 3));
  p.setBrush(g);
  p.drawEllipse(c, r, r);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255));
  const double w = r * 0.24, h = r * 0.9, gap = r * 0.16;
  p.drawRoundedRect(QRectF(c.x() - gap - w, c.y() - h / 2, w, h), w / 2.5, w / 2.5);
  p.drawRoundedRect(QRectF(c.x() + gap, c.y() - h / 2, w, h), w / 2.5, w / 2.5);
  p.restore();
}

// "暂停" and how to go on, on the panel.
void DrawWords(QPainter& p, const QRectF& panel) {
  const QPainterPath title = TextPath(QStringLiteral("暂停"), UiFont(54, QFont::Black), panel.center().x(), panel.top() + 88);
  QLinearGradient ink(0, panel.top() + 60, 0, panel.top() + 116);
  ink.setColorAt(0, QColor(110, 84, 200));
  ink.setColorAt(1, kInk);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(61, 42, 120, 50));
  p.drawPath(title.translated(1.5, 2.5));
  p.setBrush(ink);
  p.drawPath(title);

  const QRectF pill(panel.center().x() - 116, panel.bottom() - 62, 232, 40);
  p.setPen(QPen(QColor(230, 200, 160), 1.5));
  p.setBrush(Qt::white);
  p.drawRoundedRect(pill, 20, 20);
  const QPainterPath hint = TextPath(QStringLiteral("按 P 键或点击继续"), UiFont(19), pill.center().x(), pill.center().y());
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 40, 90));
  p.drawPath(hint);
}

// Pelmo asleep on the ground, a few letters z rising from his head.
void DrawSleeper(QPainter& p) {
  const double zoom = 1.3;  // a little bigger than in the game, centred on the field
  p.save();
  p.translate(kMiddleX - 35.5 * zoom, kGroundY - 70 * zoom + 4);
  p.scale(zoom, zoom);
  DrawPlayerDozing(p);
  p.restore();
  const std::pair<double, QPointF> zs[] = {{13, {kMiddleX + 30, kGroundY - 92}},
                                           {17, {kMiddleX + 44, kGroundY - 110}},
                                           {22, {kMiddleX + 62, kGroundY - 132}}};
  for (const auto& [size, at] : zs)
    OutlinedFill(p, TextPath("z", UiFont(size), at.x(), at.y()), QColor(255, 255, 255, 235), WithAlpha(kInk, 200), 1.4);
}

}  // namespace

QImage PausePicture(int scale) {
  QImage img = Opaque(kFieldW, kFieldH, Qt::black, scale);
  QPainter p(&img);
  Smooth(p);
  VerticalGradient(p, kField, {{0.0, QColor(30, 22, 66)}, {0.6, QColor(52, 36, 106)}, {1.0, QColor(74, 50, 130)}});
  DrawQuietWallpaper(p);
  const QRectF panel(kMiddleX - 148, 92, 296, 196);
  Glow(p, panel.center(), 190, QColor(150, 120, 255, 40));
  CreamPanel(p, panel, 22);
  DrawPauseBadge(p, QPointF(panel.center().x(), panel.top()), 30);
  DrawWords(p, panel);
  VerticalGradient(p, QRectF(0, kGroundY, kFieldW, kFieldH - kGroundY), {{0.0, QColor(110, 84, 170)}, {1.0, QColor(84, 60, 140)}});
  DrawSleeper(p);
  return img;
}

}  // namespace pelmora::assets
