#include "Splash.h"

#include <QRadialGradient>

#include <cmath>
#include <numbers>

#include "Art.h"
#include "Dice.h"
#include "Geometry.h"
#include "Logo.h"
#include "Pieces.h"
#include "Player.h"
#include "Shapes.h"

namespace pelmora::assets {

QImage SplashPicture(int scale) {
  constexpr int w = layout::kSplashWidth, h = layout::kSplashHeight;
  QImage img = Opaque(w, h, Qt::black, scale);
  QPainter p(&img);
  Smooth(p);
  QRadialGradient bg(QPointF(w / 2.0, h * 0.55), w * 0.75);
  bg.setColorAt(0.0, QColor(130, 84, 200));
  bg.setColorAt(0.6, QColor(70, 40, 130));
  bg.setColorAt(1.0, QColor(30, 16, 64));
  p.fillRect(QRectF(0, 0, w, h), bg);
  Dice dice(3);
  for (int i = 0; i < 30; ++i)
    Sparkle(p, QPointF(dice.Between(6, w - 6), dice.Between(6, h - 6)), dice.Between(1.5, 3.5), QColor(255, 255, 255, 150));

  // The eight kinds on an arc round Pelmo.
  const QPointF hub(w / 2.0, 176);
  for (int k = 1; k <= kKinds; ++k) {
    const double a = std::numbers::pi * (1.08 + 0.84 * (k - 1) / (kKinds - 1));
    const QPointF c = hub + QPointF(std::cos(a) * 112, std::sin(a) * 62);
    DrawPiece(p, PieceStyle::Gems, k, c - QPointF(18, 18));
  }
  Glow(p, QPointF(w / 2.0, 200), 70, QColor(255, 220, 160, 90));
  p.save();
  p.translate(w / 2.0 - 35.5 * 1.35, 268 - 70 * 1.35);
  p.scale(1.35, 1.35);
  DrawPlayerCheerful(p);
  DrawPiece(p, PieceStyle::Gems, 4, kHandLeft);
  DrawPiece(p, PieceStyle::Gems, 4, kHandRight);
  DrawPiece(p, PieceStyle::Gems, 4, kHandTop);
  DrawHands(p, 3);
  p.restore();
  DrawLogo(p, QPointF(w / 2.0, 58), 42);
  return img;
}

}  // namespace pelmora::assets
