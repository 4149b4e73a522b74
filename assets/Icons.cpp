#include "Icons.h"

#include <QLinearGradient>
#include <QPainter>

#include "Art.h"
#include "Geometry.h"
#include "Pieces.h"
#include "Player.h"

namespace pelmora::assets {

QImage IconPicture(int size) {
  QImage img = Canvas(size, size);
  QPainter p(&img);
  Smooth(p);
  // Drawn on a 64-unit grid and scaled, so every size is the same picture.
  p.scale(size / 64.0, size / 64.0);
  QLinearGradient g(0, 0, 64, 64);
  g.setColorAt(0, QColor(122, 84, 210));
  g.setColorAt(1, QColor(60, 30, 120));
  p.setPen(QPen(QColor(40, 20, 80), 1.5));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(1.5, 1.5, 61, 61), 14, 14);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 40));
  p.drawRoundedRect(QRectF(5, 4, 54, 22), 10, 10);
  // Pelmo holding a heart, filling the tile.
  p.translate(32 - 35.5 * 0.86, 2);
  p.scale(0.86, 0.86);
  DrawPlayerCheerful(p);
  DrawPiece(p, PieceStyle::Gems, 6, kHandOne);
  DrawHands(p, 1);
  return img;
}

QImage CursorPicture(int scale) {
  QImage img = Canvas(layout::kCursorSize, layout::kCursorSize, scale);
  QPainter p(&img);
  Smooth(p);
  // Its tip is the hot spot.
  const QPolygonF arrow({{5.5, 0.2}, {5.5, 21.5}, {10.2, 17.2}, {13.8, 25.4}, {17.6, 23.8}, {14.0, 15.8}, {20.4, 15.8}});
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 10, 40, 70));
  p.drawPolygon(arrow.translated(1.6, 1.8));
  QLinearGradient g(5, 0, 16, 24);
  g.setColorAt(0, QColor(255, 255, 255));
  g.setColorAt(1, QColor(255, 222, 140));
  p.setPen(QPen(QColor(52, 30, 90), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(g);
  p.drawPolygon(arrow);
  // The tip pixel is solid: that is where the pointer acts.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(52, 30, 90));
  p.drawRect(QRectF(layout::kCursorHotX, layout::kCursorHotY, 1, 1));
  return img;
}

QImage QuestionPicture(int scale) {
  QImage img = Canvas(32, 32, scale);
  QPainter p(&img);
  Smooth(p);
  QLinearGradient g(0, 2, 0, 30);
  g.setColorAt(0, QColor(122, 150, 255));
  g.setColorAt(1, QColor(60, 72, 200));
  p.setPen(QPen(QColor(40, 36, 120), 1.5));
  p.setBrush(g);
  p.drawEllipse(QRectF(2, 2, 28, 28));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(TextPath(QStringLiteral("?"), UiFont(22, QFont::Black), 16, 16.5));
  return img;
}

}  // namespace pelmora::assets
