#include "Player.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>
#include <utility>

namespace pelmora::assets {

namespace {

constexpr int kFrame = layout::kPlayerSize;
// The hand's heap is centred at x 35.5 (see the header), so the body is too.
constexpr double kCx = 35.5;

const QColor kFur(255, 164, 64);
const QColor kFurLight(255, 205, 130);
const QColor kFurDark(222, 112, 30);
const QColor kBelly(255, 241, 214);
const QColor kLine(88, 46, 18);
const QColor kCheek(255, 120, 120, 170);
const QColor kEar(255, 150, 160);

enum class Eyes { Open, Happy, Squeezed, Spiral, Focused, Closed };
enum class Mouth { Smile, Open, Frown, Wavy, Tight };
enum class Arms { Down, None, Crossed };

struct Pose {
  double dx = 0, dy = 0;  // body offset
  double squash = 0;      // positive: shorter and wider
  double tilt = 0;        // degrees
  Eyes eyes = Eyes::Open;
  Mouth mouth = Mouth::Smile;
  Arms arms = Arms::Down;
  double armSwing = 0;
  int leftFootLift = 0, rightFootLift = 0;
  bool droopyEars = false;
};

QPen Outline(double width = 1.8) { return QPen(kLine, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

QPainterPath BodyPath(double top, double bottom, double halfWidth) {
  const double mid = top + (bottom - top) * 0.58;
  QPainterPath b;
  b.moveTo(kCx, top);
  b.cubicTo(kCx + halfWidth * 0.78, top, kCx + halfWidth, mid - 20, kCx + halfWidth, mid);
  b.cubicTo(kCx + halfWidth, bottom - 6, kCx + halfWidth * 0.62, bottom, kCx, bottom);
  b.cubicTo(kCx - halfWidth * 0.62, bottom, kCx - halfWidth, bottom - 6, kCx - halfWidth, mid);
  b.cubicTo(kCx - halfWidth, mid - 20, kCx - halfWidth * 0.78, top, kCx, top);
  b.closeSubpath();
  return b;
}

void DrawEar(QPainter& p, QPointF c, double angle, bool droopy) {
  p.save();
  p.translate(c);
  p.rotate(angle + (droopy ? (angle < 0 ? -45 : 45) : 0));
  p.setPen(Outline(1.6));
  p.setBrush(kFur);
  p.drawEllipse(QPointF(0, 0), 5.2, 6.2);
  p.setPen(Qt::NoPen);
  p.setBrush(kEar);
  p.drawEllipse(QPointF(0, 0.8), 2.6, 3.4);
  p.restore();
}

void DrawFoot(QPainter& p, QPointF c, int lift) {
  p.setPen(Outline(1.5));
  p.setBrush(kFurDark);
  p.drawEllipse(c - QPointF(0, lift), 6.5, 3.6);
}

void DrawEye(QPainter& p, QPointF c, Eyes eyes, bool left) {
  p.save();
  switch (eyes) {
    case Eyes::Open:
    case Eyes::Focused:
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(40, 22, 12));
      p.drawEllipse(c, 2.6, 3.3);
      p.setBrush(Qt::white);
      p.drawEllipse(c + QPointF(-0.9, -1.2), 1.0, 1.0);
      if (eyes == Eyes::Focused) {  // determined brows
        p.setPen(QPen(kLine, 1.5, Qt::SolidLine, Qt::RoundCap));
        const double s = left ? 1 : -1;
        p.drawLine(c + QPointF(-3.2 * s, -5.2), c + QPointF(2.2 * s, -4.0));
      }
      break;
    case Eyes::Happy:
      p.setPen(QPen(QColor(40, 22, 12), 1.8, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(c.x() - 3, c.y() - 2, 6, 5), 20 * 16, 140 * 16);
      break;
    case Eyes::Closed:  // the lower half of a circle: lids down, fast asleep
      p.setPen(QPen(QColor(40, 22, 12), 1.6, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(c.x() - 3, c.y() - 2.5, 6, 4.5), 200 * 16, 140 * 16);
      break;
    case Eyes::Squeezed: {
      p.setPen(QPen(QColor(40, 22, 12), 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      const double s = left ? 1 : -1;
      QPolygonF v({c + QPointF(-2.6 * s, -2.6), c + QPointF(2.4 * s, 0), c + QPointF(-2.6 * s, 2.6)});
      p.drawPolyline(v);
      break;
    }
    case Eyes::Spiral: {
      p.setPen(QPen(QColor(40, 22, 12), 1.2, Qt::SolidLine, Qt::RoundCap));
      QPainterPath spiral;
      for (int i = 0; i <= 40; ++i) {
        const double t = i / 40.0;
        const double a = t * 4 * std::numbers::pi * (left ? 1 : -1);
        const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * (0.4 + 3.2 * t);
        if (i == 0) spiral.moveTo(q); else spiral.lineTo(q);
      }
      p.setBrush(Qt::NoBrush);
      p.drawPath(spiral);
      break;
    }
  }
  p.restore();
}

void DrawMouth(QPainter& p, QPointF c, Mouth mouth) {
  p.save();
  p.setPen(QPen(kLine, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  switch (mouth) {
    case Mouth::Smile: {
      QPainterPath m;
      m.moveTo(c + QPointF(-3.4, -0.6));
      m.quadTo(c + QPointF(-1.7, 1.9), c + QPointF(0, 0));
      m.quadTo(c + QPointF(1.7, 1.9), c + QPointF(3.4, -0.6));
      p.drawPath(m);
      break;
    }
    case Mouth::Open:
      p.setBrush(QColor(160, 50, 50));
      p.drawEllipse(c + QPointF(0, 0.5), 2.2, 2.6);
      break;
    case Mouth::Frown:
      p.drawArc(QRectF(c.x() - 3.2, c.y() - 0.5, 6.4, 5), 30 * 16, 120 * 16);
      break;
    case Mouth::Wavy: {
      QPainterPath m;
      m.moveTo(c + QPointF(-4, 0));
      for (int i = 1; i <= 4; ++i) m.quadTo(c + QPointF(-4 + 2 * i - 1, i % 2 ? -1.6 : 1.6), c + QPointF(-4 + 2 * i, 0));
      p.drawPath(m);
      break;
    }
    case Mouth::Tight:
      p.drawLine(c + QPointF(-2.6, 0.4), c + QPointF(2.6, 0.4));
      break;
  }
  p.restore();
}

void DrawArm(QPainter& p, QPointF from, QPointF to) {
  p.setPen(QPen(kLine, 7.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
  p.setPen(QPen(kFur, 4.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
}

void DrawMitten(QPainter& p, QPointF c, double r = 4.6) {
  p.setPen(Outline(1.6));
  QRadialGradient g(c - QPointF(1.5, 1.5), r * 1.6);
  g.setColorAt(0, kFurLight);
  g.setColorAt(1, kFur);
  p.setBrush(g);
  p.drawEllipse(c, r, r);
}

void DrawBody(QPainter& p, const Pose& pose) {
  p.save();
  p.translate(pose.dx, pose.dy);
  p.translate(kCx, 64);
  p.rotate(pose.tilt);
  p.translate(-kCx, -64);

  const double top = 4 + pose.squash * 4;
  const double bottom = 64;
  const double half = 20.5 + pose.squash * 2;
  DrawEar(p, QPointF(kCx - 12.5, top + 3.5), -25, pose.droopyEars);
  DrawEar(p, QPointF(kCx + 12.5, top + 3.5), 25, pose.droopyEars);

  const QPainterPath body = BodyPath(top, bottom, half);
  QRadialGradient fur(QPointF(kCx - 6, top + 14), 46);
  fur.setColorAt(0.0, kFurLight);
  fur.setColorAt(0.55, kFur);
  fur.setColorAt(1.0, kFurDark);
  p.setPen(Outline());
  p.setBrush(fur);
  p.drawPath(body);

  p.save();
  p.setClipPath(body);
  p.setPen(Qt::NoPen);
  p.setBrush(kBelly);
  p.drawEllipse(QPointF(kCx, bottom - 14), half * 0.62, 15);
  p.restore();

  const double eyeY = top + 10;
  DrawEye(p, QPointF(kCx - 7, eyeY), pose.eyes, true);
  DrawEye(p, QPointF(kCx + 7, eyeY), pose.eyes, false);
  p.setPen(Qt::NoPen);
  p.setBrush(kCheek);
  p.drawEllipse(QPointF(kCx - 12.5, eyeY + 5.5), 3.0, 1.9);
  p.drawEllipse(QPointF(kCx + 12.5, eyeY + 5.5), 3.0, 1.9);
  DrawMouth(p, QPointF(kCx, eyeY + 6.5), pose.mouth);

  const double sw = pose.armSwing;
  switch (pose.arms) {
    case Arms::Down:
      DrawArm(p, QPointF(kCx - half + 3, 34), QPointF(kCx - half - 1, 44 + sw));
      DrawArm(p, QPointF(kCx + half - 3, 34), QPointF(kCx + half + 1, 44 - sw));
      DrawMitten(p, QPointF(kCx - half - 1, 45 + sw), 4.0);
      DrawMitten(p, QPointF(kCx + half + 1, 45 - sw), 4.0);
      break;
    case Arms::Crossed:
      DrawArm(p, QPointF(kCx - half + 3, 33), QPointF(kCx + 8, 44));
      DrawArm(p, QPointF(kCx + half - 3, 33), QPointF(kCx - 8, 44));
      DrawMitten(p, QPointF(kCx + 9, 44.5), 4.0);
      DrawMitten(p, QPointF(kCx - 9, 44.5), 4.0);
      break;
    case Arms::None:
      break;
  }
  p.restore();

  DrawFoot(p, QPointF(kCx - 9 + pose.dx * 0.5, 66.5), pose.leftFootLift);
  DrawFoot(p, QPointF(kCx + 9 + pose.dx * 0.5, 66.5), pose.rightFootLift);
}

void DrawStar(QPainter& p, QPointF c, double r, QColor colour) {
  QVector<QPointF> pts;
  for (int i = 0; i < 10; ++i) {
    const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    pts.push_back(c + QPointF(std::cos(a), std::sin(a)) * (i % 2 ? r * 0.45 : r));
  }
  p.setPen(QPen(kLine, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(colour);
  p.drawPolygon(QPolygonF(pts));
}

void DrawCross(QPainter& p, QPointF c, double r) {
  // A near-black rim: JPEG keeps colour at half resolution, and a red rim would leave a red
  // haze in the black around the figure.
  p.setPen(QPen(QColor(56, 18, 20), 5.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
  p.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
  p.setPen(QPen(QColor(250, 70, 60), 2.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
  p.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
}

// Curved strokes trailing a shaking head, white under a dark line so they show on any field.
void DrawShakeLines(QPainter& p, double x, double dir) {
  for (const auto& [pen, width] : {std::pair{QColor(255, 255, 255), 3.0}, std::pair{kLine, 1.3}}) {
    p.setPen(QPen(pen, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 2; ++i) {
      const double cx = x + dir * i * 4.5;
      QPainterPath arc;
      arc.moveTo(cx, 17 + i * 1.5);
      arc.quadTo(cx + dir * 3, 24, cx, 31 - i * 1.5);
      p.drawPath(arc);
    }
  }
}

}  // namespace

void DrawPlayer(QPainter& p, PlayerAnimation animation, int frame) {
  Pose pose;
  switch (animation) {
    case PlayerAnimation::Standing: {
      // A breathing bob: down, lowest, up, rest; the arms swing against it.
      static const double bob[4] = {0, 1, 2, 1};
      pose.dy = bob[frame];
      pose.squash = bob[frame] * 0.25;
      pose.armSwing = frame == 1 ? -1.5 : frame == 3 ? 1.5 : 0;
      DrawBody(p, pose);
      break;
    }
    case PlayerAnimation::Holding: {
      // Carrying: a little march on the spot, the face set on the job.
      pose.arms = Arms::None;
      pose.eyes = Eyes::Focused;
      pose.mouth = Mouth::Tight;
      pose.dy = frame % 2;
      pose.leftFootLift = frame == 0 ? 2 : 0;
      pose.rightFootLift = frame == 2 ? 2 : 0;
      DrawBody(p, pose);
      break;
    }
    case PlayerAnimation::Lost: {
      pose.squash = 2.2;
      pose.dy = 0;
      pose.tilt = frame % 2 ? 4 : -4;
      pose.eyes = Eyes::Spiral;
      pose.mouth = Mouth::Wavy;
      pose.droopyEars = true;
      pose.armSwing = 3;
      DrawBody(p, pose);
      // Three stars circling the head, a third of a turn per two frames.
      for (int i = 0; i < 3; ++i) {
        const double a = (frame * 0.25 + i / 3.0) * 2 * std::numbers::pi;
        const QPointF c(kCx + std::cos(a) * 17, 9 + std::sin(a) * 4.5);
        DrawStar(p, c, std::sin(a) > 0 ? 5.0 : 4.0, QColor(255, 226, 70));
      }
      break;
    }
    case PlayerAnimation::Refusing: {
      const double dir = frame % 2 ? 1 : -1;
      pose.dx = 2 * dir;
      pose.tilt = 4 * dir;
      pose.eyes = Eyes::Squeezed;
      pose.mouth = Mouth::Frown;
      pose.arms = Arms::Crossed;
      DrawBody(p, pose);
      DrawShakeLines(p, dir > 0 ? 12 : 59, dir > 0 ? -1 : 1);
      DrawCross(p, QPointF(dir > 0 ? 9.5 : 62, 8), 3.6);
      break;
    }
  }
}

void DrawPlayerCheerful(QPainter& p) {
  Pose pose;
  pose.arms = Arms::None;
  pose.eyes = Eyes::Happy;
  pose.mouth = Mouth::Open;
  DrawBody(p, pose);
}

void DrawPlayerDozing(QPainter& p) {
  Pose pose;
  pose.eyes = Eyes::Closed;
  pose.squash = 0.6;
  pose.tilt = -5;
  pose.droopyEars = true;
  DrawBody(p, pose);
}

void DrawHands(QPainter& p, int pieces) {
  if (pieces <= 1) {
    // One piece (sprite x 18..53): the mittens grip its sides.
    DrawArm(p, QPointF(18, 33), QPointF(19, 44));
    DrawArm(p, QPointF(53, 33), QPointF(52, 44));
    DrawMitten(p, QPointF(19.5, 45));
    DrawMitten(p, QPointF(51.5, 45));
  } else {
    // A heap (sprite x 8..63): the arms reach round it and hold it from the outside.
    DrawArm(p, QPointF(19, 31), QPointF(9, 44));
    DrawArm(p, QPointF(52, 31), QPointF(62, 44));
    DrawMitten(p, QPointF(9.5, 46));
    DrawMitten(p, QPointF(61.5, 46));
  }
}

SpritePair PlayerStrip(PlayerAnimation animation, int scale) {
  QImage art = Canvas(kFrame * layout::kPlayerFrames, kFrame, scale);
  QPainter p(&art);
  Smooth(p);
  for (int f = 0; f < layout::kPlayerFrames; ++f) {
    p.save();
    p.setClipRect(f * kFrame, 0, kFrame, kFrame);
    p.translate(f * kFrame, 0);
    DrawPlayer(p, animation, f);
    p.restore();
  }
  p.end();
  return Split(art);
}

SpritePair HandsPicture(int pieces, int scale) {
  QImage art = Canvas(kFrame, kFrame, scale);
  QPainter p(&art);
  Smooth(p);
  DrawHands(p, pieces);
  p.end();
  return Split(art);
}

}  // namespace pelmora::assets
