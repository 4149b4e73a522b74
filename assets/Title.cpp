#include "Title.h"

#include <algorithm>

#include "Art.h"
#include "Dice.h"
#include "Fields.h"
#include "game/Board.h"
#include "Logo.h"
#include "Pieces.h"
#include "Player.h"

namespace pelmora::assets {

QImage TitleField(int scale, Language language) {
  QImage img = Opaque(kFieldW, kFieldH, Qt::black, scale);
  QPainter p(&img);
  Smooth(p);
  VerticalGradient(p, kField, {{0.0, QColor(52, 36, 110)}, {0.45, QColor(122, 70, 160)}, {0.8, QColor(246, 150, 160)}, {1.0, QColor(255, 206, 160)}});
  Dice dice(5);
  Scatter(p, dice, 40, QRectF(0, 0, kFieldW, 300), 1.5, 3.5, QColor(255, 255, 255, 190), true);
  // A few pieces hanging from the top, as in a game about to start.
  static const int rows[2][kColumns] = {{2, 5, 1, 4, 6, 3, 8, 7, 2, 5}, {4, 0, 6, 1, 0, 7, 2, 0, 8, 3}};
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < kColumns; ++c)
      if (rows[r][c]) DrawPiece(p, PieceStyle::Gems, rows[r][c], QPointF(layout::CellX(c), layout::CellY(r)));
  DrawLogo(p, QPointF(kFieldW / 2.0, 178), 60);
  const QString rule = Say(language, "拉下 · 抛上 · 凑齐三个就消除", "Pull down · Throw up · Three of a kind vanish");
  p.setFont(FittedFont(language, rule, 15, QFont::Normal, kFieldW - 24));
  p.setPen(QColor(255, 240, 250));
  p.drawText(QRectF(0, 214, kFieldW, 24), Qt::AlignCenter, rule);

  // The hint on a soft pill, as wide as its words need (at least 244).
  const QPainterPath hint =
      TextPath(Say(language, "点击「新游戏」开始", "Click New Game to start"), TextFont(language, 21), kFieldW / 2.0, 284);
  const double w = std::max(244.0, hint.boundingRect().width() + 44);
  const QRectF pill(kFieldW / 2.0 - w / 2, 262, w, 44);
  p.setPen(QPen(QColor(120, 60, 140), 2));
  p.setBrush(QColor(255, 250, 240, 235));
  p.drawRoundedRect(pill, 22, 22);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 40, 90));
  p.drawPath(hint);

  VerticalGradient(p, QRectF(0, kGroundY, kFieldW, kFieldH - kGroundY), {{0.0, QColor(255, 230, 190)}, {1.0, QColor(240, 190, 150)}});
  // Pelmo waits in the middle, holding a heart.
  p.save();
  p.translate(kFieldW / 2.0 - 54, kGroundY - 100);
  p.scale(1.5, 1.5);
  DrawPlayerCheerful(p);
  DrawPiece(p, PieceStyle::Gems, 6, kHandOne);
  DrawHands(p, 1);
  p.restore();
  return img;
}

}  // namespace pelmora::assets
