#include "MainBack.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

#include "Art.h"
#include "Geometry.h"
#include "Pieces.h"
#include "Player.h"
#include "Shapes.h"

namespace pelmora::assets {

namespace {

const QColor kCream(255, 247, 232);
const QColor kInk(61, 42, 120);

constexpr QRect kFieldBox = ToQRect(layout::kFieldBox);
constexpr QRect kScore = ToQRect(layout::kScoreBox);
constexpr QRect kExit = ToQRect(layout::kExitButton);
constexpr QRect kMusic = ToQRect(layout::kMusicSwitch);
constexpr QRect kSound = ToQRect(layout::kSoundSwitch);
// The four mode labels, each one line of about 72 px by 12 px.
constexpr QRect kModeLabels(layout::kModeLabelX, layout::kModeLabelTop, 80, 3 * layout::kModeLabelPitch + 12);

// Faint piece silhouettes over the whole background, like a wallpaper.
void DrawWallpaper(QPainter& p, const QRect& area) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 14));
  int k = 0;
  for (int y = -10; y < area.height() + 30; y += 46) {
    for (int x = (y / 46) % 2 ? 14 : -9; x < area.width() + 30; x += 46) {
      const KindShape s = ShapeOf(k % kKinds + 1, QRectF(x, y, 20, 20));
      p.drawPath(s.outline);
      k += 3;
    }
  }
  p.restore();
}

void DrawFieldFrame(QPainter& p) {
  const QRectF outer = QRectF(kFieldBox).adjusted(-13, -13, 13, 13);
  QLinearGradient gold(outer.topLeft(), outer.bottomRight());
  gold.setColorAt(0.0, QColor(255, 226, 150));
  gold.setColorAt(0.5, QColor(236, 176, 88));
  gold.setColorAt(1.0, QColor(200, 130, 60));
  p.setPen(QPen(QColor(90, 50, 30), 2));
  p.setBrush(gold);
  p.drawRoundedRect(outer, 14, 14);
  p.setPen(QPen(QColor(255, 244, 210, 180), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(outer.adjusted(3, 3, -3, -3), 11, 11);
  // A dark recess round the field box, so the field sits inside the frame.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(28, 16, 52));
  p.drawRoundedRect(QRectF(kFieldBox).adjusted(-4, -4, 4, 4), 5, 5);
  // Studs at the frame's corners.
  const QRectF studs = outer.adjusted(7, 7, -7, -7);
  for (const QPointF c : {studs.topLeft(), studs.topRight(), studs.bottomLeft(), studs.bottomRight()}) {
    p.setPen(QPen(QColor(110, 60, 30), 1));
    p.setBrush(QColor(255, 240, 200));
    p.drawEllipse(c, 3, 3);
  }
}

void DrawPanel(QPainter& p) {
  const QRectF panel(438, 11, 200, 528);
  CreamPanel(p, panel, 18);

  // The level label's place: little stars either side of "第1关".
  Sparkle(p, QPointF(486, 58), 6, QColor(255, 190, 60));
  Sparkle(p, QPointF(475, 50), 3, QColor(255, 190, 60));

  // The score bezel.
  const QRectF bezel = QRectF(kScore).adjusted(-5, -5, 5, 5);
  p.setPen(QPen(QColor(120, 80, 40), 1.5));
  p.setBrush(QColor(60, 44, 100));
  p.drawRoundedRect(bezel, 7, 7);
  p.setPen(QPen(QColor(255, 255, 255, 120), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(bezel.adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);

  // Soft shadows under the three buttons.
  for (const layout::Rect& b : {layout::kNewGameButton, layout::kExitButton, layout::kMenuButton}) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 70, 30, 60));
    p.drawRoundedRect(QRectF(ToQRect(b)).adjusted(5, 7, -1, 3), 20, 20);
  }

  // The mode selector: a dark strip for the pink caption, a recess for the slider and a
  // light card for the four labels.
  p.setPen(QPen(QColor(40, 24, 80), 1));
  p.setBrush(kInk);
  p.drawRoundedRect(QRectF(ToQRect(layout::kModeCaption)).adjusted(-5, -6, 5, 6), 7, 7);
  p.setBrush(QColor(225, 200, 170));
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(QRectF(ToQRect(layout::kModeSlider)).adjusted(-2, -2, 2, 2), 8, 8);
  p.setPen(QPen(QColor(230, 200, 160), 1.2));
  p.setBrush(QColor(255, 255, 255));
  p.drawRoundedRect(QRectF(kModeLabels).adjusted(-5, -5, 0, 5), 7, 7);

  // The check boxes' strip, in their own green.
  const QRectF strip(kMusic.left() - 6, kMusic.top() - 4, kSound.right() - kMusic.left() + 13, kMusic.height() + 8);
  p.setPen(QPen(QColor(130, 200, 130), 1.2));
  p.setBrush(QColor(192, 255, 192));
  p.drawRoundedRect(strip, 8, 8);
}

// The space between the exit button and the menu button: Pelmo with a few pieces.
void DrawVignette(QPainter& p) {
  const double cx = kExit.center().x() + 0.5;
  Glow(p, QPointF(cx, 270), 44, QColor(255, 210, 120, 110));
  DrawPiece(p, PieceStyle::Gems, 5, QPointF(cx - 72, 252), 0.9);
  DrawPiece(p, PieceStyle::Gems, 1, QPointF(cx - 50, 268), 0.75);
  DrawPiece(p, PieceStyle::Gems, 3, QPointF(cx + 40, 252), 0.9);
  DrawPiece(p, PieceStyle::Gems, 6, QPointF(cx + 24, 270), 0.75);
  p.save();
  p.translate(cx - 35.5 * 0.9, 238);
  p.scale(0.9, 0.9);
  DrawPlayer(p, PlayerAnimation::Standing, 0);
  p.restore();
  Sparkle(p, QPointF(cx - 60, 244), 4, QColor(255, 200, 80));
  Sparkle(p, QPointF(cx + 62, 292), 3.5, QColor(255, 200, 80));
}

}  // namespace

QImage MainBackground(int scale) {
  const QRect client(0, 0, layout::kClientWidth, layout::kClientHeight);
  QImage img = Opaque(client.width(), client.height(), Qt::black, scale);
  QPainter p(&img);
  Smooth(p);
  // The light runs along this diagonal; the buttons' and the slider's pictures are cut from
  // this background, so moving it would change them too.
  QLinearGradient bg(0, 0, 650, 551);
  bg.setColorAt(0.0, QColor(66, 44, 128));
  bg.setColorAt(1.0, QColor(128, 64, 142));
  p.fillRect(client, bg);
  DrawWallpaper(p, client);
  DrawFieldFrame(p);
  DrawPanel(p);
  DrawVignette(p);
  return img;
}

}  // namespace pelmora::assets
