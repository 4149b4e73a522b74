#include "Controls.h"

#include <QLinearGradient>
#include <QPainter>

#include "Art.h"
#include "Geometry.h"

namespace pelmora::assets {

namespace {

struct ButtonLook {
  QString text;
  QColor light, deep;
};

ButtonLook LookOf(ButtonKind kind, Language language) {
  switch (kind) {
    case ButtonKind::NewGame: return {Say(language, "新游戏", "New Game"), QColor(130, 226, 120), QColor(36, 150, 70)};
    case ButtonKind::Exit: return {Say(language, "退出游戏", "Exit"), QColor(255, 150, 130), QColor(210, 60, 60)};
    case ButtonKind::Menu: break;
  }
  return {Say(language, "游戏菜单", "Menu"), QColor(160, 170, 255), QColor(86, 92, 214)};
}

layout::Rect PlaceOf(ButtonKind kind) {
  switch (kind) {
    case ButtonKind::NewGame: return layout::kNewGameButton;
    case ButtonKind::Exit: return layout::kExitButton;
    case ButtonKind::Menu: break;
  }
  return layout::kMenuButton;
}

// The piece of the background under a control, at the background's scale.
QImage Underlay(const QImage& background, const layout::Rect& place) {
  const int scale = static_cast<int>(background.devicePixelRatio());
  return background.copy(ToQRect(place.Scaled(scale))).convertToFormat(QImage::Format_RGB32);
}

// A small symbol left of the caption: play, door-arrow, menu lines.
void DrawSymbol(QPainter& p, ButtonKind kind, QPointF c) {
  p.save();
  const auto draw = [&](const QPen& pen, bool fill) {
    p.setPen(pen);
    p.setBrush(fill ? QBrush(Qt::white) : Qt::NoBrush);
    switch (kind) {
      case ButtonKind::NewGame:
        p.drawPolygon(QPolygonF({c + QPointF(-5, -7), c + QPointF(7, 0), c + QPointF(-5, 7)}));
        break;
      case ButtonKind::Exit:
        p.setBrush(Qt::NoBrush);
        p.drawLine(c + QPointF(-6, 0), c + QPointF(6, 0));
        p.drawPolyline(QPolygonF({c + QPointF(2, -5), c + QPointF(7, 0), c + QPointF(2, 5)}));
        p.drawPolyline(QPolygonF({c + QPointF(-2, -8), c + QPointF(-8, -8), c + QPointF(-8, 8), c + QPointF(-2, 8)}));
        break;
      case ButtonKind::Menu:
        for (int i = -1; i <= 1; ++i) p.drawLine(c + QPointF(-6, i * 5.5), c + QPointF(6, i * 5.5));
        break;
    }
  };
  draw(QPen(QColor(40, 30, 60, 140), 4.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), false);
  draw(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), true);
  p.restore();
}

}  // namespace

QImage ButtonPicture(const QImage& background, ButtonKind kind, bool hover, Language language) {
  const layout::Rect at = PlaceOf(kind);
  const QRect place = ToQRect(at);
  QImage img = Underlay(background, at);
  QPainter p(&img);
  Smooth(p);
  const ButtonLook look = LookOf(kind, language);
  const QRectF pill(3, 3, place.width() - 6, place.height() - 7);
  if (hover) {
    // The highlighted look glows: a golden halo, a brighter body, a sparkle.
    for (int i = 3; i >= 1; --i) {
      p.setPen(QPen(QColor(255, 220, 90, 70 + 40 * (3 - i)), i * 2));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(pill, 19, 19);
    }
  }
  // Highlighted: lit from within, brighter at the top, still saturated at the bottom so that
  // the white caption keeps its contrast.
  QLinearGradient g(pill.topLeft(), pill.bottomLeft());
  g.setColorAt(0.0, Lighter(look.light, hover ? 0.55 : 0.2));
  g.setColorAt(0.55, hover ? Lighter(look.light, 0.1) : look.deep);
  g.setColorAt(1.0, hover ? look.deep : Darker(look.deep, 0.25));
  p.setPen(QPen(hover ? QColor(255, 214, 70) : Darker(look.deep, 0.45), hover ? 2.6 : 2.0));
  p.setBrush(g);
  p.drawRoundedRect(pill, 19, 19);
  // Glossy upper half.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, hover ? 120 : 80));
  p.drawRoundedRect(QRectF(pill.left() + 10, pill.top() + 3, pill.width() - 20, pill.height() * 0.38), 10, 10);

  // The symbol takes the pill's left 36 pixels; the caption the rest.
  const QFont font = FittedFont(language, look.text, 21, QFont::Bold, pill.width() - 52);
  const QPainterPath caption = TextPath(look.text, font, pill.center().x() + 12, pill.center().y() + 0.5);
  DrawSymbol(p, kind, QPointF(caption.boundingRect().left() - 17, pill.center().y()));
  p.setPen(QPen(QColor(40, 24, 60, hover ? 200 : 160), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(caption.translated(0.8, 1.2));
  p.setPen(Qt::NoPen);
  p.setBrush(hover ? QColor(255, 253, 230) : QColor(255, 255, 255));
  p.drawPath(caption);
  if (hover) {
    Sparkle(p, QPointF(pill.right() - 14, pill.top() + 8), 5, QColor(255, 255, 230));
    Sparkle(p, QPointF(pill.left() + 14, pill.bottom() - 8), 3.5, QColor(255, 255, 230));
  }
  return img;
}

QImage SliderPicture(const QImage& background, int position) {
  QImage img = Underlay(background, layout::kModeSlider);
  QPainter p(&img);
  Smooth(p);
  static const QColor modeColour[4] = {QColor(128, 128, 255), QColor(0, 150, 0), QColor(240, 30, 30), QColor(255, 128, 0)};
  // The track with a notch at each of the four places.
  p.setPen(QPen(QColor(90, 60, 40), 1));
  p.setBrush(QColor(70, 50, 120));
  p.drawRoundedRect(QRectF(15.5, 3.5, 8, 83), 4, 4);
  for (int i = 0; i < 4; ++i) {
    p.setPen(QPen(modeColour[i], 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, kKnobCentre[i]), QPointF(11, kKnobCentre[i]));
    p.drawLine(QPointF(28, kKnobCentre[i]), QPointF(33, kKnobCentre[i]));
  }
  // The knob, in the colour of its mode's label.
  const QColor c = modeColour[position - 1];
  const QRectF knob(3.5, kKnobCentre[position - 1] - 7.5, 32, 15);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 20, 20, 80));
  p.drawRoundedRect(knob.translated(0.8, 1.5), 6, 6);
  QLinearGradient g(knob.topLeft(), knob.bottomLeft());
  g.setColorAt(0, Lighter(c, 0.55));
  g.setColorAt(1, Darker(c, 0.1));
  p.setPen(QPen(Darker(c, 0.55), 1.4));
  p.setBrush(g);
  p.drawRoundedRect(knob, 6, 6);
  p.setPen(QPen(QColor(255, 255, 255, 210), 1.4, Qt::SolidLine, Qt::RoundCap));
  for (int i = -1; i <= 1; ++i)
    p.drawLine(QPointF(knob.center().x() + i * 5, knob.top() + 4), QPointF(knob.center().x() + i * 5, knob.bottom() - 4));
  return img;
}

}  // namespace pelmora::assets
