#pragma once
// The pictures shown over the field instead of the board (pause, game over): a quiet sky with
// faint piece silhouettes, a cream panel with a round badge on its top edge, a big title and a
// white pill saying how to go on, and Pelmo on the ground below. Opaque everywhere, at the
// field's size, so nothing of the board shows through.

#include <QColor>
#include <QImage>
#include <QString>

#include <functional>

#include "Art.h"

namespace pelmora::assets {

struct FieldCard {
  Language language = Language::Chinese;
  QString title;
  QString hint;  // one line, or two joined by '\n'
  QColor skyTop, skyMiddle, skyBottom, glow;
  QColor inkLight, ink;  // the title's gradient, top to bottom; ink also shades its shadow
  QColor groundTop, groundBottom;
  double panelTop = 92, panelHeight = 196;
  double titleY = 88;  // the title's centre, from the panel's top
  double hintY = 154;  // the pill's centre, from the panel's top
  std::function<void(QPainter&, QPointF centre, double radius)> badge;
  std::function<void(QPainter&)> figure;  // drawn last, over the ground
};

QImage FieldCardPicture(const FieldCard& card, int scale);

}  // namespace pelmora::assets
