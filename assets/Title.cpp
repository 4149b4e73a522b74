#include "Title.h"

#include "Art.h"
#include "Dice.h"
#include "Fields.h"
#include "game/Board.h"
#include "Logo.h"
#include "Pieces.h"
#include "Player.h"

namespace pelmora::assets {

QImage TitleField(int scale) {
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
  p.setFont(UiFont(15, QFont::Normal));
  p.setPen(QColor(255, 240, 250));
  p.drawText(QRectF(0, 214, kFieldW, 24), Qt::AlignCenter, QStringLiteral("拉下 · 抛上 · 凑齐三个就消除"));

  // The hint on a soft pill.
  const QRectF pill(kFieldW / 2.0 - 122, 262, 244, 44);
  p.setPen(QPen(QColor(120, 60, 140), 2));
  p.setBrush(QColor(255, 250, 240, 235));
  p.drawRoundedRect(pill, 22, 22);
  const QPainterPath hint = TextPath(QStringLiteral("点击「新游戏」开始"), UiFont(21), pill.center().x(), pill.center().y());
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
