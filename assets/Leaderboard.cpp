#include "Leaderboard.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

#include "Art.h"
#include "Geometry.h"

namespace pelmora::assets {

namespace {

constexpr int kRowTop = layout::kBoardFirstRowY;
constexpr int kRowHeight = layout::kBoardRowPitch;
constexpr int kRows = 10;

void DrawCup(QPainter& p, QPointF c, double s) {
  p.save();
  p.translate(c);
  p.scale(s, s);
  QPainterPath cup;
  cup.moveTo(-7, -8);
  cup.lineTo(7, -8);
  cup.cubicTo(7, 0, 4, 3, 0, 3);
  cup.cubicTo(-4, 3, -7, 0, -7, -8);
  p.setPen(QPen(QColor(120, 70, 10), 1.2));
  p.setBrush(QColor(255, 206, 70));
  p.drawPath(cup);
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(-11, -7, 6, 6), 90 * 16, 180 * 16);
  p.drawArc(QRectF(5, -7, 6, 6), -90 * 16, 180 * 16);
  p.setBrush(QColor(255, 206, 70));
  p.drawRect(QRectF(-1.5, 3, 3, 4));
  p.drawRoundedRect(QRectF(-5, 7, 10, 3), 1, 1);
  p.restore();
}

}  // namespace

QImage LeaderboardBackground(int scale, Language language) {
  // The whole window: a picture short of it would leave a strip of the window colour.
  constexpr int w = layout::kBoardWidth, h = layout::kBoardHeight;
  QImage img = Opaque(w, h, Qt::black, scale);
  QPainter p(&img);
  Smooth(p);
  QLinearGradient bg(0, 0, 0, h);
  bg.setColorAt(0, QColor(84, 52, 150));
  bg.setColorAt(1, QColor(52, 28, 96));
  p.fillRect(QRectF(0, 0, w, h), bg);
  p.setPen(QPen(QColor(255, 210, 110), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(2, 2, w - 4, h - 4), 10, 10);
  p.setPen(QPen(QColor(255, 210, 110, 110), 1));
  p.drawRoundedRect(QRectF(6, 6, w - 12, h - 12), 7, 7);

  // Title, between two cups that stand clear of it however long the word.
  const QPainterPath title = TextPath(Say(language, "排行榜", "Leaderboard"), TextFont(language, 28, QFont::Black), w / 2.0, 28);
  OutlinedFill(p, title, QColor(255, 222, 110), QColor(90, 40, 20), 2.2);
  const double cup = std::max(72.0, title.boundingRect().width() / 2 + 24);
  DrawCup(p, QPointF(w / 2.0 - cup, 28), 1.2);
  DrawCup(p, QPointF(w / 2.0 + cup, 28), 1.2);
  Sparkle(p, QPointF(w / 2.0 - cup - 28, 18), 4, QColor(255, 240, 180));
  Sparkle(p, QPointF(w / 2.0 + cup + 28, 38), 4, QColor(255, 240, 180));

  // Column heads over the four columns of labels.
  p.setFont(TextFont(language, 12));
  p.setPen(QColor(255, 236, 200));
  const QString heads[] = {Say(language, "名次", "Rank"), Say(language, "玩家", "Player"), Say(language, "分数", "Score"),
                           Say(language, "日期", "Date")};
  for (int i = 0; i < 4; ++i) p.drawText(QPointF(layout::kBoardColumnX[i], 64), heads[i]);

  // The rows' panel: cream, every other row a shade warmer; red text reads well on both.
  const QRectF panel(12, kRowTop - 4, w - 24, kRows * kRowHeight + 8);
  p.setPen(QPen(QColor(200, 150, 90), 1.5));
  p.setBrush(QColor(255, 250, 240));
  p.drawRoundedRect(panel, 6, 6);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < kRows; i += 2) p.fillRect(QRectF(14, kRowTop + i * kRowHeight, w - 28, kRowHeight), QColor(252, 238, 214));
  // Medals for the first three places, left of the place numbers.
  const QColor medals[3] = {QColor(255, 200, 40), QColor(200, 205, 215), QColor(215, 140, 80)};
  for (int i = 0; i < 3; ++i) {
    p.setPen(QPen(Darker(medals[i], 0.4), 1));
    p.setBrush(medals[i]);
    p.drawEllipse(QPointF(18.5, kRowTop + i * kRowHeight + 8), 3.6, 3.6);
  }

  // The close button's place: a soft recess.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 10, 40, 90));
  p.drawRoundedRect(QRectF(ToQRect(layout::kBoardCloseButton)).adjusted(-4, -4, 4, 4), 8, 8);
  return img;
}

}  // namespace pelmora::assets
