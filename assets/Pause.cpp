#include "Pause.h"

#include <QLinearGradient>

#include <utility>

#include "Card.h"
#include "Fields.h"
#include "Player.h"

namespace pelmora::assets {

namespace {

const QColor kInk(61, 42, 120);
constexpr double kMiddleX = kFieldW / 2.0;

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

QImage PausePicture(int scale, Language language) {
  FieldCard card;
  card.language = language;
  card.title = Say(language, "暂停", "Paused");
  card.hint = Say(language, "按 P 键或点击继续", "Press P or click to resume");
  card.skyTop = QColor(30, 22, 66);
  card.skyMiddle = QColor(52, 36, 106);
  card.skyBottom = QColor(74, 50, 130);
  card.glow = QColor(150, 120, 255, 40);
  card.inkLight = QColor(110, 84, 200);
  card.ink = kInk;
  card.groundTop = QColor(110, 84, 170);
  card.groundBottom = QColor(84, 60, 140);
  card.badge = DrawPauseBadge;
  card.figure = DrawSleeper;
  return FieldCardPicture(card, scale);
}

}  // namespace pelmora::assets
