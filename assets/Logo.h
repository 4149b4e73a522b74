#pragma once
// The word "Pelmora" as title art: round letters, each in the colour of one kind of piece.

#include <QPainter>
#include <QPointF>

namespace pelmora::assets {

// Draws the title centred on centre; height is the letters' cap height in pixels.
void DrawLogo(QPainter& p, QPointF centre, double height);

}  // namespace pelmora::assets
