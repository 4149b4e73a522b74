#include "GameOver.h"

#include <QLinearGradient>

#include "Card.h"
#include "Fields.h"
#include "Player.h"

namespace pelmora::assets {

namespace {

// A round rose badge with a white flag on its pole: the round is over.
void DrawFlagBadge(QPainter& p, QPointF c, double r) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 10, 30, 70));
  p.drawEllipse(c + QPointF(1.5, 2.5), r, r);
  QLinearGradient g(c - QPointF(0, r), c + QPointF(0, r));
  g.setColorAt(0, QColor(255, 150, 150));
  g.setColorAt(1, QColor(206, 60, 90));
  p.setPen(QPen(Qt::white, 3));
  p.setBrush(g);
  p.drawEllipse(c, r, r);
  const QPointF foot = c + QPointF(-r * 0.36, r * 0.5);
  p.setPen(QPen(Qt::white, r * 0.12, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(foot, foot - QPointF(0, r * 1.0));
  QPainterPath flag;
  flag.moveTo(foot - QPointF(0, r * 0.98));
  flag.cubicTo(foot + QPointF(r * 0.3, -r * 1.15), foot + QPointF(r * 0.5, -r * 0.8), foot + QPointF(r * 0.8, -r * 0.92));
  flag.lineTo(foot + QPointF(r * 0.8, -r * 0.42));
  flag.cubicTo(foot + QPointF(r * 0.5, -r * 0.3), foot + QPointF(r * 0.3, -r * 0.65), foot - QPointF(0, r * 0.48));
  flag.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(flag);
  p.restore();
}

// Pelmo sitting dizzy on the ground, the stars circling his head as in the game.
void DrawDizzy(QPainter& p) {
  const double zoom = 1.3;
  p.save();
  p.translate(kFieldW / 2.0 - 35.5 * zoom, kGroundY - 70 * zoom + 4);
  p.scale(zoom, zoom);
  DrawPlayer(p, PlayerAnimation::Lost, 1);
  p.restore();
}

}  // namespace

QImage GameOverPicture(int scale, Language language) {
  FieldCard card;
  card.language = language;
  // The new-game button's own caption, so the player finds it by its name.
  card.title = Say(language, "游戏结束", "Game Over");
  card.hint = Say(language, "按 F2 或「新游戏」重新开始", "Press F2 or New Game\nto play again");
  card.skyTop = QColor(44, 20, 62);
  card.skyMiddle = QColor(96, 40, 96);
  card.skyBottom = QColor(150, 66, 110);
  card.glow = QColor(255, 130, 150, 40);
  card.inkLight = QColor(226, 86, 110);
  card.ink = QColor(120, 30, 64);
  card.groundTop = QColor(176, 96, 140);
  card.groundBottom = QColor(136, 70, 116);
  card.panelTop = 84;
  card.panelHeight = 212;
  card.titleY = 84;
  card.hintY = 158;
  card.badge = DrawFlagBadge;
  card.figure = DrawDizzy;
  return FieldCardPicture(card, scale);
}

}  // namespace pelmora::assets
