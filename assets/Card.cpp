#include "Card.h"

#include <QLinearGradient>

#include <algorithm>

#include "Fields.h"
#include "Shapes.h"

namespace pelmora::assets {

namespace {

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

void DrawTitle(QPainter& p, const FieldCard& card, const QRectF& panel) {
  const double y = panel.top() + card.titleY;
  const QFont font = FittedFont(card.language, card.title, 54, QFont::Black, panel.width() - 44);
  const QPainterPath title = TextPath(card.title, font, panel.center().x(), y);
  QLinearGradient ink(0, y - 28, 0, y + 28);
  ink.setColorAt(0, card.inkLight);
  ink.setColorAt(1, card.ink);
  p.setPen(Qt::NoPen);
  p.setBrush(WithAlpha(card.ink, 50));
  p.drawPath(title.translated(1.5, 2.5));
  p.setBrush(ink);
  p.drawPath(title);
}

// The hint on a white pill, as wide as its words need (at least 232) and a line taller for
// every further line.
void DrawHint(QPainter& p, const FieldCard& card, const QRectF& panel) {
  const QFont font = FittedFont(card.language, card.hint, 19, QFont::Bold, panel.width() - 76);
  const QPainterPath hint = TextPath(card.hint, font, panel.center().x(), panel.top() + card.hintY);
  const double w = std::max(232.0, hint.boundingRect().width() + 40);
  const double h = 40 + 22 * static_cast<double>(card.hint.count('\n'));
  const QRectF pill(panel.center().x() - w / 2, panel.top() + card.hintY - h / 2, w, h);
  p.setPen(QPen(QColor(230, 200, 160), 1.5));
  p.setBrush(Qt::white);
  p.drawRoundedRect(pill, 20, 20);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 40, 90));
  p.drawPath(hint);
}

}  // namespace

QImage FieldCardPicture(const FieldCard& card, int scale) {
  QImage img = Opaque(kFieldW, kFieldH, Qt::black, scale);
  QPainter p(&img);
  Smooth(p);
  VerticalGradient(p, kField, {{0.0, card.skyTop}, {0.6, card.skyMiddle}, {1.0, card.skyBottom}});
  DrawQuietWallpaper(p);
  const QRectF panel(kMiddleX - 148, card.panelTop, 296, card.panelHeight);
  Glow(p, panel.center(), 190, card.glow);
  CreamPanel(p, panel, 22);
  card.badge(p, QPointF(panel.center().x(), panel.top()), 30);
  DrawTitle(p, card, panel);
  DrawHint(p, card, panel);
  VerticalGradient(p, QRectF(0, kGroundY, kFieldW, kFieldH - kGroundY), {{0.0, card.groundTop}, {1.0, card.groundBottom}});
  card.figure(p);
  return img;
}

}  // namespace pelmora::assets
